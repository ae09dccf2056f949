// Finding the registered PureBasic installation and the programs the shell opens files with.
// Nothing here shows a message or writes anything.
#pragma once

#include "runtime/base/text.h"

// The directory of the PureBasic.exe the shell knows, ending with a backslash, or "".
Text FindHostDirectory();

// The same search for the given platform family (the 9x road reads HKEY_LOCAL_MACHINE).
Text FindHostDirectoryOn(bool ntPlatform);

// The program the shell runs to open files with this extension (given without its dot),
// without quotes; "" when a registry step fails.
Text FindAssociatedProgram(const Text& extension);

// True on the NT family of Windows.
bool IsNtPlatform();
