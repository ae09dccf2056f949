// Numbered top-level windows of the application. Each window gets a window class of its own,
// so a window's class background can be changed without touching any other window.
#pragma once

#include "runtime/base/text.h"
#include "runtime/ui/window_callback.h"
#include "runtime/ui/window_placement.h"

#include <windows.h>

#include <cstdint>

// innerWidth and innerHeight are the client size. Returns the handle (fixed number), the
// allocated number (-1), or 0. An owner of 0 makes an unowned window.
int32_t CreateAppWindow(int32_t number, int32_t x, int32_t y, int32_t innerWidth,
                        int32_t innerHeight, const Text& title, int32_t flags,
                        HWND owner = nullptr);
// Activates the owner first, then destroys the window with its gadgets. Unknown numbers: nothing.
void DestroyAppWindow(int32_t number);
HWND AppWindowHandle(int32_t number);
int32_t AppWindowExists(int32_t number);
// 1 activates the owner and hides the window; 0 shows it again (maximised if it was).
int32_t SetAppWindowHidden(int32_t number, int32_t flag);
// 1 keeps the window above all non-topmost windows; 0 returns it to the normal order.
int32_t SetAppWindowTopmost(int32_t number, int32_t flag);
// Callback for one window, or for every window without one of its own when number is -1.
void SetAppWindowHook(WindowCallback callback, int32_t number);
int32_t AppWindowInnerWidth(int32_t number);
int32_t AppWindowInnerHeight(int32_t number);

// For the start and the end of the runtime.
// Loads the class icon (resource 1) and the arrow cursor; done once at start-up.
void LoadWindowClassResources();
void DestroyAllAppWindows();
