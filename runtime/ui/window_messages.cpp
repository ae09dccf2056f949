#include "runtime/ui/window_messages.h"

#include "runtime/ui/event_codes.h"
#include "runtime/ui/event_state.h"
#include "runtime/ui/focus_keys.h"
#include "runtime/ui/gadget_table.h"

LRESULT HandleAppWindowMessage(int32_t windowNumber, HWND window, UINT message, WPARAM wParam,
                               LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        // Closing is the program's decision: the request is only reported.
        QueueWindowEvent(kEventCloseRequest, windowNumber);
        return 0;
    case WM_MOVE:
        QueueWindowEvent(kEventWindowMoved, windowNumber);
        break;
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED) {
            QueueWindowEvent(kEventWindowResized, windowNumber);
        }
        break;
    case WM_ERASEBKGND:
        QueueWindowEvent(kEventRepaint, windowNumber);
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            QueueWindowEvent(kEventWindowActivated, windowNumber);
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
        if (!MovedFocusOnCommand(window, wParam)) {
            RaiseWindowEvent(kEventMenu, windowNumber);
        }
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
