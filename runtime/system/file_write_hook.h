// Lets tests make the file service's writes fail on demand (a full disk, a lost share).
#pragma once

#include <windows.h>

using FileWriteFunction = BOOL(WINAPI*)(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED);

// nullptr restores the system's WriteFile.
void SetFileWriteFunctionForTesting(FileWriteFunction function);
