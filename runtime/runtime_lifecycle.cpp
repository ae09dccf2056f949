#include "runtime/runtime_lifecycle.h"

#include "runtime/app_windows.h"
#include "runtime/common_controls.h"
#include "runtime/drawing.h"
#include "runtime/events.h"
#include "runtime/files.h"
#include "runtime/fonts.h"
#include "runtime/gadgets.h"
#include "runtime/images.h"

void StartRuntime() {
    StartCommonControls();
    LoadWindowClassResources();
    ResetGadgetList();
    PrepareWindowAccelerators();
}

void EndRuntime() {
    EndDrawing();
    ReleaseAllFonts();
    ReleaseAllImages();
    DestroyAllAppWindows();
    ForgetAllGadgets();
    ResetGadgetList();
    ResetEventState();
    ReleaseRichEditLibrary();
    FileCloseAll();
}
