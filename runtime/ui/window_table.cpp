#include "runtime/ui/window_table.h"

#include "runtime/base/never_destroyed.h"
#include "runtime/ui/gadget_table.h"

NumberedTable<AppWindow>& AppWindowTable() {
    static NeverDestroyed<NumberedTable<AppWindow>> table;
    return *table;
}

AppWindow* FindLiveAppWindow(int32_t number) {
    AppWindow* window = AppWindowTable().Find(number);
    if (window != nullptr && window->destroyed) {
        AppWindowTable().Remove(number);
        PurgeDestroyedGadgets();
        return nullptr;
    }
    return window != nullptr && window->handle ? window : nullptr;
}

int32_t AppWindowNumberOf(HWND window) {
    if (window == nullptr) {
        return -1;
    }
    return AppWindowTable().FindNumber(
        [window](const AppWindow& w) { return w.handle.Get() == window; });
}

int32_t EnclosingAppWindowNumber(HWND window) {
    for (HWND current = window; current != nullptr; current = GetAncestor(current, GA_PARENT)) {
        const int32_t number = AppWindowNumberOf(current);
        if (number >= 0) {
            return number;
        }
        if ((GetWindowLongA(current, GWL_STYLE) & WS_CHILD) == 0) {
            break;
        }
    }
    return -1;
}
