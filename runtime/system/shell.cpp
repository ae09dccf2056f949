#include "runtime/system/shell.h"

#include "runtime/base/never_destroyed.h"
#include "runtime/system/owned_handle.h"

namespace {

using ShellExecuteFn = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);

NeverDestroyed<OwnedModule> g_shell;

} // namespace

HMODULE ShellModule() {
    if (!*g_shell) {
        g_shell->Reset(LoadSystemLibrary("SHELL32.DLL"));
    }
    return g_shell->Get();
}

bool OpenWithProgram(const Text& program, const Text& parameters) {
    const auto execute = ShellProc<ShellExecuteFn>("ShellExecuteA");
    if (execute == nullptr) {
        return false;
    }
    // Values above 32 mean the program was started.
    const HINSTANCE started =
        execute(nullptr, "Open", program.c_str(), parameters.c_str(), nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(started) > 32;
}
