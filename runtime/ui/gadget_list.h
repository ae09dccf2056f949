// The current gadget list: where new gadgets go, with which font, and whether the last one was
// an option button (options created one after another form one group).
#pragma once

#include <windows.h>

// Makes the window the parent of new gadgets and forgets enclosing containers. Returns the
// handle, or nullptr when it is not a window.
HWND AttachGadgetList(HWND window);
// Back to the parent that enclosed the current container; nothing at the outermost level.
void CloseGadgetContainer();

// For the rest of the layer.
HWND CurrentGadgetParent();
void EnterGadgetContainer(HWND panel);
HFONT DefaultGadgetFont();
void SetDefaultGadgetFont(HFONT font);
bool LastGadgetWasOption();
void NoteGadgetCreated(bool wasOption);
// The tooltip window shared by the gadgets of one top-level window; made on first use.
HWND TooltipWindowFor(HWND gadget);
// Back to the state at program start.
void ResetGadgetList();
