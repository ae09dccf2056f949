// Searching the registry's key tree for a key by name.
#pragma once

#include "registry/root_keys.h"
#include "runtime/base/text.h"

// The full key path ("#HKEY_CLASSES_ROOT\PureBasic.exe\shell\open\command\") of the first key
// named exactly name below the start key (the root itself when startPath is empty), walking
// subkeys depth-first in enumeration order; "" with a message in LastErrorText otherwise.
Text FindKeyPath(RootKey root, const Text& startPath, const Text& name);
