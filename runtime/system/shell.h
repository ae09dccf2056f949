// The shell library and its calls. It is loaded from the system folder on first use and kept
// for the rest of the run: the shell may leave work of its own running in it.
#pragma once

#include "runtime/base/text.h"
#include "runtime/system/system_library.h"

// nullptr when the library cannot be loaded.
HMODULE ShellModule();

// An entry point of the shell library as a typed function pointer; nullptr when it is missing.
template <typename Fn> Fn ShellProc(const char* name) {
    HMODULE shell = ShellModule();
    return shell != nullptr ? ProcAddress<Fn>(shell, name) : nullptr;
}

// Opens `parameters` (a web address, say) with `program` in a normal window, as the shell's
// "Open" verb does. False when the program could not be started.
bool OpenWithProgram(const Text& program, const Text& parameters);
