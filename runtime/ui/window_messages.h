// How a message to one of the layer's windows becomes an event, after the window's callback.
#pragma once

#include <windows.h>

#include <cstdint>

LRESULT HandleAppWindowMessage(int32_t windowNumber, HWND window, UINT message, WPARAM wParam,
                               LPARAM lParam);
