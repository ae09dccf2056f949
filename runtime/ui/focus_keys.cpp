#include "runtime/ui/focus_keys.h"

#include "runtime/base/never_destroyed.h"
#include "runtime/system/owned_handle.h"
#include "runtime/ui/gadget_table.h"
#include "runtime/ui/window_table.h"

namespace {

// Command identifiers of the two focus accelerators; far from any menu item.
constexpr WORD kNextGadgetCommand = 0xFFF0;
constexpr WORD kPreviousGadgetCommand = 0xFFF1;
constexpr WORD kFromAccelerator = 1;

NeverDestroyed<OwnedAccelerators> g_accelerators;

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

void PrepareWindowAccelerators() {
    if (*g_accelerators) {
        return;
    }
    ACCEL entries[] = {
        {FVIRTKEY, VK_TAB, kNextGadgetCommand},
        {FVIRTKEY | FSHIFT, VK_TAB, kPreviousGadgetCommand},
    };
    g_accelerators->Reset(CreateAcceleratorTableA(entries, 2));
}

bool HandledAsAccelerator(MSG& message) {
    HWND active = GetActiveWindow();
    if (!*g_accelerators || active == nullptr || AppWindowNumberOf(active) < 0) {
        return false;
    }
    if (TabIsForEditor(message)) {
        return false;
    }
    return TranslateAcceleratorA(active, g_accelerators->Get(), &message) != 0;
}

bool MovedFocusOnCommand(HWND window, WPARAM wParam) {
    if (HIWORD(wParam) != kFromAccelerator ||
        (LOWORD(wParam) != kNextGadgetCommand && LOWORD(wParam) != kPreviousGadgetCommand)) {
        return false;
    }
    MoveFocus(window, LOWORD(wParam) == kPreviousGadgetCommand);
    return true;
}

void ReleaseWindowAccelerators() {
    g_accelerators->Close();
}
