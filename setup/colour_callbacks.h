// Window callbacks that colour the setup's static texts: the transparent welcome banner and
// credit links on the backdrop gradient, and the message text of a blocked setup dialog.
#pragma once

#include <windows.h>

LRESULT BackdropColourCallback(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT MessageColourCallback(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
