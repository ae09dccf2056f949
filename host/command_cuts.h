// Cutting the host's directory out of the shell's command texts. Platform-free: the registry
// reads around them only gather the texts.
#pragma once

#include "runtime/base/text.h"

// The program path of a command: between the opening quote and its partner (the rest when
// the partner is missing), or, unquoted, through the first "PureBasic.exe" in any case (the
// whole text when there is none).
Text ProgramPathOfCommand(const Text& command);

// Road 1, the Applications key read directly: the program's directory with its case kept,
// or "" when the command names no PureBasic.exe.
Text DirectCommandDirectory(const Text& command);

// Road 2, the same key read as a string value: the upper-cased text before the first
// "PUREBASIC.EXE" with every double quote removed, or "".
Text ToolkitCommandDirectory(const Text& command);

// Road 3, the first "command" key below PureBasic.exe: the program's directory in upper case
// when the program path names PureBasic.exe, otherwise "".
Text SearchedCommandDirectory(const Text& command);

// Road 4, the program registered for ".pb": its directory in upper case, or "".
Text AssociatedProgramDirectory(const Text& program);

// The program of an open command, through ".exe" (any case) and the one character after it,
// with every double quote removed; a command without ".exe" comes back whole.
Text ProgramOfOpenCommand(const Text& command);
