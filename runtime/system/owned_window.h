// Owner of a window handle: the window is destroyed when the owner lets go of it, unless
// Windows has destroyed it already (with its parent, say).
#pragma once

#include "runtime/system/owned_handle.h"

struct WindowTraits {
    using Handle = HWND;
    static Handle Invalid() { return nullptr; }
    static bool IsValid(Handle h) { return h != nullptr; }
    static bool Close(Handle h) { return !IsWindow(h) || DestroyWindow(h) != 0; }
};
using OwnedWindow = Owned<WindowTraits>;
