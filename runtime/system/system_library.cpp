#include "runtime/system/system_library.h"

#include <cstring>

namespace {

// Absent before Windows 8 without update KB2533623; looked up at run time.
using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
using SetDllDirectoryFn = BOOL(WINAPI*)(LPCSTR);

constexpr DWORD kSearchSystem32 = 0x00000800; // LOAD_LIBRARY_SEARCH_SYSTEM32

bool g_searchFlagsSupported = false;

template <typename Fn> Fn KernelProc(const char* name) {
    return ProcAddress<Fn>(GetModuleHandleA("kernel32.dll"), name);
}

} // namespace

void RestrictDllSearchPath() {
    if (auto setDefault = KernelProc<SetDefaultDllDirectoriesFn>("SetDefaultDllDirectories")) {
        g_searchFlagsSupported = setDefault(kSearchSystem32) != 0;
    }
    // Also removes the current directory from the search where the flags are missing.
    if (auto setDllDirectory = KernelProc<SetDllDirectoryFn>("SetDllDirectoryA")) {
        setDllDirectory("");
    }
}

HMODULE LoadSystemLibrary(const char* fileName) {
    if (g_searchFlagsSupported) {
        return LoadLibraryExA(fileName, nullptr, kSearchSystem32);
    }
    char path[MAX_PATH];
    const UINT length = GetSystemDirectoryA(path, MAX_PATH);
    const size_t nameLength = std::strlen(fileName);
    if (length == 0 || length + 1 + nameLength >= MAX_PATH) {
        return nullptr;
    }
    path[length] = '\\';
    std::memcpy(path + length + 1, fileName, nameLength + 1);
    return LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}
