#include "installer/install_run.h"
#include "installer/payload_seal.h"
#include "runtime/system/requesters.h"
#include "runtime/system/system_library.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Before anything can load a library: only the system directory is searched.
    RestrictDllSearchPath();
    // Before the backdrop, the marker file or any write: a damaged installer changes nothing.
    if (!CarriedBlocksIntact()) {
        ShowMessage(kDamagedSetupTitle, kDamagedSetupText);
        return kDamagedSetupExitCode;
    }
    return RunInstaller();
}
