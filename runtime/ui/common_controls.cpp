#include "runtime/ui/common_controls.h"

#include "runtime/base/never_destroyed.h"
#include "runtime/system/owned_handle.h"
#include "runtime/system/system_library.h"

#include <commctrl.h>

namespace {

using InitCommonControlsExFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
using InitCommonControlsFn = void(WINAPI*)();

constexpr DWORD kControlClasses = 0x0B08;

// comctl32 stays loaded for the whole process: its window classes live as long as it does.
NeverDestroyed<OwnedModule> g_commonControls;
NeverDestroyed<OwnedModule> g_richEdit;
const char* g_richEditClass = nullptr;
enum StartState { kNotTried, kStarted, kFailed };
StartState g_started = kNotTried;

bool LoadAndRegister() {
    g_commonControls->Reset(LoadSystemLibrary("comctl32.dll"));
    if (!*g_commonControls) {
        return false;
    }
    auto initEx =
        ProcAddress<InitCommonControlsExFn>(g_commonControls->Get(), "InitCommonControlsEx");
    auto init = ProcAddress<InitCommonControlsFn>(g_commonControls->Get(), "InitCommonControls");
    if (initEx == nullptr || init == nullptr) {
        return false;
    }
    INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), kControlClasses};
    const bool registered = initEx(&classes) != 0;
    init();
    return registered;
}

} // namespace

bool StartCommonControls() {
    if (g_started == kNotTried) {
        g_started = LoadAndRegister() ? kStarted : kFailed;
    }
    return g_started == kStarted;
}

bool CommonControlsStartTried() {
    return g_started != kNotTried;
}

const char* RichEditClassName() {
    if (g_richEditClass != nullptr) {
        return g_richEditClass;
    }
    g_richEdit->Reset(LoadSystemLibrary("RICHED20.DLL"));
    if (*g_richEdit) {
        g_richEditClass = "RichEdit20A";
        return g_richEditClass;
    }
    g_richEdit->Reset(LoadSystemLibrary("RICHED32.DLL"));
    if (*g_richEdit) {
        g_richEditClass = "RichEdit";
    }
    return g_richEditClass;
}

void ReleaseRichEditLibrary() {
    g_richEdit->Close();
    g_richEditClass = nullptr;
}
