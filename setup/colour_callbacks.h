// The colours of the setup's static texts: the transparent welcome banner and credit links on the
// backdrop gradient, and the message text of a blocked setup dialog.
#pragma once

#include <windows.h>

#include <cstdint>

// Window callback of the setup backdrop. Its only static texts, the welcome banner and the two
// credit links, are drawn on the gradient: transparent, the banner's text white (the links paint
// their text in colours of their own). It depends on nothing of the dialog's call, so it serves
// the backdrop for as long as the caller keeps it open.
LRESULT BackdropColourCallback(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// For the window callback of a blocked setup dialog window: the message text magenta on light
// green; kProcessNormally for every other control and message.
LRESULT ColourMessageText(int32_t messageGadget, UINT message, WPARAM wParam, LPARAM lParam);
