// Numbered gadgets (child controls) of the current gadget list, and what can be done to them.
#pragma once

#include "runtime/base/text.h"
#include "runtime/ui/gadget_list.h"

#include <windows.h>

#include <cstdint>

constexpr int32_t kEditorReadOnly = 2048; // flag of CreateEditorField, state of an editor field
constexpr int32_t kLabelCentred = 1;
constexpr int32_t kKeepValue = -65535; // MoveGadget: leave this coordinate as it is

// Every create operation returns the handle (fixed number), the allocated number (-1), or 0.
int32_t CreateEditorField(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                          int32_t flags = 0);
int32_t CreatePushButton(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                         const Text& text);
int32_t CreateTextLabel(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                        const Text& text, int32_t flags = 0);
// hoverColour is red + green * 256 + blue * 65536.
int32_t CreateLinkLabel(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                        const Text& text, int32_t hoverColour, int32_t flags = 0);
int32_t CreatePictureBox(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                         HANDLE image);
int32_t CreateGroupFrame(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                         const Text& text);
// Starts a new option group unless the previous gadget was an option button too.
int32_t CreateOptionButton(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                           const Text& text);
int32_t CreateCheckBox(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                       const Text& text);
// The panel becomes the parent of new gadgets until CloseGadgetContainer.
int32_t CreateContainerPanel(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                             int32_t flags = 0);

// Replaces the whole text; CR separates the lines of an editor field.
int32_t WriteGadgetText(int32_t gadget, const Text& text);
// The whole text; an editor field's lines come back separated by CR.
Text ReadGadgetText(int32_t gadget);
// Option buttons and check boxes: non-zero when selected. Editor fields: kEditorReadOnly or 0.
int32_t ReadGadgetState(int32_t gadget);
int32_t WriteGadgetState(int32_t gadget, int32_t state);
int32_t SetGadgetDisabled(int32_t gadget, int32_t flag);
int32_t SetGadgetHidden(int32_t gadget, int32_t flag);
int32_t MoveGadget(int32_t gadget, int32_t x, int32_t y, int32_t width, int32_t height);
// Before the common controls are started the tooltip waits for AttachTooltipsWhenWanted.
int32_t SetGadgetTooltip(int32_t gadget, const Text& text);
HWND GadgetHandle(int32_t gadget);
// Gadget -1 sets the default font for gadgets created later.
int32_t ApplyGadgetFont(int32_t gadget, HFONT font);
// fontHandle -1 stands for the stock DEFAULT_GUI_FONT.
int32_t ApplyGadgetFont(int32_t gadget, int32_t fontHandle);

// For the event wait, of every message it takes: notes the pointer moving over a gadget whose
// tooltip waits.
void NotePointerMove(const MSG& message);
// For the event wait, before it blocks: once the pointer has moved over a gadget whose tooltip
// waits and no message is waiting (the gadget is painted in its hover look), starts the common
// controls, attaches every waiting tooltip and tells the one under the pointer where it is.
void AttachTooltipsWhenWanted();
