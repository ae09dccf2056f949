// Loading of system libraries from the system directory only, so that a DLL planted beside
// the installer (in a download folder, say) never runs inside it.
#pragma once

#include <windows.h>

// First call at start-up, before any window exists: restricts the process's DLL search path.
void RestrictDllSearchPath();

// Loads a library of the system directory by its file name; nullptr when it is not there.
HMODULE LoadSystemLibrary(const char* fileName);

// An entry point of a loaded library as a typed function pointer; nullptr when it is missing.
template <typename Fn> Fn ProcAddress(HMODULE module, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}
