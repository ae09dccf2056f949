// Tab and Shift+Tab move the focus between the gadgets of the layer's windows, through an
// accelerator table of two commands.
#pragma once

#include <windows.h>

// Makes sure the accelerator table exists.
void PrepareWindowAccelerators();
// Handles the message as one of the two keys when the active window is one of the layer's; a
// plain Tab in a writable editor field is left to the field.
bool HandledAsAccelerator(MSG& message);
// Moves the focus when the command is one of the two keys'; false for any other command.
bool MovedFocusOnCommand(HWND window, WPARAM wParam);
void ReleaseWindowAccelerators();
