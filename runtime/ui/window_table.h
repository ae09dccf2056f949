// The table of the layer's top-level windows, and which of them a handle belongs to.
#pragma once

#include "runtime/base/numbered_table.h"
#include "runtime/system/owned_handle.h"
#include "runtime/ui/window_callback.h"

#include <windows.h>

#include <cstdint>

// A window's record; freeing it destroys the window (unless Windows already has), then its class.
struct AppWindow {
    OwnedWindowClass windowClass;
    OwnedWindow handle; // taken when the window is created, let go when Windows destroys it
    HWND owner = nullptr;
    WindowCallback callback = nullptr;
    bool destroyed = false;
};

NumberedTable<AppWindow>& AppWindowTable();
// The window under the number while it exists. A window may also go without DestroyAppWindow
// (destroyed with its owner); its record is then dropped and the number is free again.
AppWindow* FindLiveAppWindow(int32_t number);
// The number of the layer's window with that handle, or -1.
int32_t AppWindowNumberOf(HWND window);
// The number of the layer's window that is `window` or encloses it, or -1.
int32_t EnclosingAppWindowNumber(HWND window);
