#include "runtime/ui/events.h"

#include "runtime/system/owned_handle.h"
#include "runtime/ui/app_windows.h"
#include "runtime/ui/event_queue.h"
#include "runtime/ui/gadgets.h"

#include <utility>

namespace {

struct EventState {
    int32_t code = 0; // set while a message is handled, cleared when reported
    int32_t window = 0;
    int32_t gadget = 0;
    int32_t type = 0;
};

// Command identifiers of the two focus accelerators; far from any menu item.
constexpr WORD kNextGadgetCommand = 0xFFF0;
constexpr WORD kPreviousGadgetCommand = 0xFFF1;
constexpr WORD kFromAccelerator = 1;

EventState g_event;
PendingEventQueue g_pending;
OwnedAccelerators g_accelerators;

int32_t ReportPending() {
    const PendingEvent event = g_pending.Pop();
    g_event.window = event.window;
    return event.code;
}

bool KeyDown(int key) {
    return GetKeyState(key) < 0;
}

// A plain Tab belongs to a writable rich-text field that has the focus: it types a tab there.
bool TabIsForEditor(const MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) {
        return false;
    }
    if (KeyDown(VK_CONTROL) || KeyDown(VK_SHIFT) || KeyDown(VK_MENU)) {
        return false;
    }
    HWND focus = GetFocus();
    return IsEditorField(focus) && !EditorIsReadOnly(focus);
}

bool HandledAsAccelerator(MSG& message) {
    HWND active = GetActiveWindow();
    if (!g_accelerators || active == nullptr || AppWindowNumberOf(active) < 0) {
        return false;
    }
    if (TabIsForEditor(message)) {
        return false;
    }
    return TranslateAcceleratorA(active, g_accelerators.Get(), &message) != 0;
}

void MoveFocus(HWND window, bool previous) {
    HWND focus = GetFocus();
    if (focus != nullptr && !IsChild(window, focus)) {
        focus = nullptr;
    }
    if (HWND next = GetNextDlgTabItem(window, focus, previous ? TRUE : FALSE)) {
        SetFocus(next);
    }
}

} // namespace

int32_t WaitForEvent() {
    if (!g_pending.Empty()) {
        return ReportPending();
    }
    MSG message{};
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == -1) {
        return 0;
    }
    if (got == 0) {
        return WM_QUIT;
    }
    if (!HandledAsAccelerator(message)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    if (g_event.code != 0) {
        return std::exchange(g_event.code, 0);
    }
    // A message whose handling queued events (a posted close request, say) is reported as that
    // event, with its window, instead of twice: once raw and once from the queue.
    if (!g_pending.Empty()) {
        return ReportPending();
    }
    return static_cast<int32_t>(message.message);
}

int32_t LastEventGadget() {
    return g_event.gadget;
}
int32_t LastEventWindow() {
    return g_event.window;
}
int32_t LastEventType() {
    return g_event.type;
}

LRESULT HandleAppWindowMessage(int32_t windowNumber, HWND window, UINT message, WPARAM wParam,
                               LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        // Closing is the program's decision: the request is only reported.
        g_pending.Push({kEventCloseRequest, windowNumber});
        return 0;
    case WM_MOVE:
        g_pending.Push({kEventWindowMoved, windowNumber});
        break;
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED) {
            g_pending.Push({kEventWindowResized, windowNumber});
        }
        break;
    case WM_ERASEBKGND:
        g_pending.Push({kEventRepaint, windowNumber});
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            g_pending.Push({kEventWindowActivated, windowNumber});
        }
        break;
    case WM_COMMAND:
        if (lParam != 0) {
            const int32_t gadget = GadgetNumberOf(reinterpret_cast<HWND>(lParam));
            if (gadget < 0) {
                break;
            }
            RaiseGadgetEvent(windowNumber, gadget, HIWORD(wParam));
            return 0;
        }
        if (HIWORD(wParam) == kFromAccelerator &&
            (LOWORD(wParam) == kNextGadgetCommand || LOWORD(wParam) == kPreviousGadgetCommand)) {
            MoveFocus(window, LOWORD(wParam) == kPreviousGadgetCommand);
            return 0;
        }
        g_event.code = kEventMenu;
        g_event.window = windowNumber;
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void RaiseGadgetEvent(int32_t windowNumber, int32_t gadgetNumber, int32_t type) {
    g_event.code = kEventGadget;
    g_event.window = windowNumber;
    g_event.gadget = gadgetNumber;
    g_event.type = type;
}

void DispatchWaitingMessages() {
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    g_event.code = 0;
}

void PrepareWindowAccelerators() {
    if (g_accelerators) {
        return;
    }
    ACCEL entries[] = {
        {FVIRTKEY, VK_TAB, kNextGadgetCommand},
        {FVIRTKEY | FSHIFT, VK_TAB, kPreviousGadgetCommand},
    };
    g_accelerators.Reset(CreateAcceleratorTableA(entries, 2));
}

void ResetEventState() {
    g_pending.Clear();
    g_event = EventState{};
    g_accelerators.Close();
}
