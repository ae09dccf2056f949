// The table of gadgets: what every part of the layer may ask about a gadget without depending on
// the code that creates them.
#pragma once

#include "runtime/base/numbered_table.h"
#include "runtime/system/owned_handle.h"

#include <windows.h>

#include <cstdint>

enum class GadgetKind { Editor, Button, Label, Link, Picture, Frame, Option, CheckBox, Panel };

struct Gadget {
    OwnedWindow handle;
    GadgetKind kind;
};

NumberedTable<Gadget>& GadgetTable();
// The gadget under the number while its control exists; a record whose control Windows has
// destroyed is dropped.
Gadget* FindGadget(int32_t number);
int32_t GadgetNumberOf(HWND handle); // -1 when it is not a gadget
bool IsEditorField(HWND handle);
bool EditorIsReadOnly(HWND editor);
// Forgets gadgets that Windows destroyed with their window.
void PurgeDestroyedGadgets();
void ForgetAllGadgets();
