#include "runtime/ui/gadget_table.h"

#include "runtime/base/never_destroyed.h"
#include <richedit.h>

NumberedTable<Gadget>& GadgetTable() {
    static NeverDestroyed<NumberedTable<Gadget>> table;
    return *table;
}

Gadget* FindGadget(int32_t number) {
    Gadget* gadget = GadgetTable().Find(number);
    if (gadget != nullptr && !IsWindow(gadget->handle.Get())) {
        GadgetTable().Remove(number);
        return nullptr;
    }
    return gadget;
}

int32_t GadgetNumberOf(HWND handle) {
    if (handle == nullptr) {
        return -1;
    }
    return GadgetTable().FindNumber([handle](const Gadget& g) { return g.handle.Get() == handle; });
}

bool IsEditorField(HWND handle) {
    const int32_t number = GadgetNumberOf(handle);
    Gadget* gadget = number >= 0 ? GadgetTable().Find(number) : nullptr;
    return gadget != nullptr && gadget->kind == GadgetKind::Editor;
}

bool EditorIsReadOnly(HWND editor) {
    return (SendMessageA(editor, EM_GETOPTIONS, 0, 0) & ECO_READONLY) != 0;
}

void PurgeDestroyedGadgets() {
    GadgetTable().RemoveIf([](const Gadget& g) { return !IsWindow(g.handle.Get()); });
}

void ForgetAllGadgets() {
    GadgetTable().Clear();
}
