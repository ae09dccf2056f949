#include "installer/install_run.h"
#include "runtime/system/system_library.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Before anything can load a library: only the system directory is searched.
    RestrictDllSearchPath();
    return RunInstaller();
}
