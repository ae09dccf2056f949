#include "runtime/runtime_lifecycle.h"

#include "runtime/graphics/drawing.h"
#include "runtime/graphics/images.h"
#include "runtime/system/files.h"
#include "runtime/ui/app_windows.h"
#include "runtime/ui/common_controls.h"
#include "runtime/ui/event_state.h"
#include "runtime/ui/focus_keys.h"
#include "runtime/ui/fonts.h"
#include "runtime/ui/gadget_list.h"
#include "runtime/ui/gadget_table.h"

void StartRuntime() {
    LoadWindowClassResources();
    ResetGadgetList();
    PrepareWindowAccelerators();
}

void EndRuntime() {
    // The drawing's device context holds an image's bitmap and maybe a font.
    EndDrawing();
    ReleaseAllFonts();
    ReleaseAllImages();
    DestroyAllAppWindows();
    ForgetAllGadgets();
    ResetGadgetList();
    ResetEventState();
    ReleaseWindowAccelerators();
    ReleaseRichEditLibrary();
    FileCloseAll();
}
