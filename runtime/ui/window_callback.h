// A program's hook into the messages of the layer's windows.
#pragma once

#include <windows.h>

// Receives a window's messages before the layer does. Returning kProcessNormally lets the layer
// go on; any other value is the message's result and the layer does nothing more with it.
using WindowCallback = LRESULT (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
constexpr LRESULT kProcessNormally = static_cast<LRESULT>(0xE0E0E0E1u);
