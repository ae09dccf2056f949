// The key search as a walk over any key tree: the tree is reached only through a function
// that names the subkey of a path below a root key at an index ("" past the last one or on
// failure).
#pragma once

#include "registry/root_keys.h"
#include "runtime/base/text.h"

#include <cstdint>

using SubkeyLister = Text (*)(RootKey root, const Text& path, int32_t index);

// Longest path a level of the search hands up to the level above.
constexpr int32_t kSearchPathCut = 400;

// Pre-order depth-first search below path for a key named exactly name (letter case counts).
// Yields the found key's path (in the form of the start path, ending with a backslash) or "".
Text SearchSubkeyPathIn(SubkeyLister subkeyNameAt, RootKey root, const Text& path,
                        const Text& name);

// The full key path ("#HKEY_...\" + subkey path) of the first key named name below
// startPath, or "" with a message in LastErrorText.
Text FindKeyPathIn(SubkeyLister subkeyNameAt, RootKey root, const Text& startPath,
                   const Text& name);
