// The seven predefined root keys, named by their 32-bit handle values and by texts such as
// "#HKEY_CURRENT_USER". A full key path is a root-key name, a backslash and a subkey path.
#pragma once

#include "runtime/base/text.h"

#include <cstdint>

using RootKey = uint32_t;

constexpr RootKey kHkeyClassesRoot = 0x80000000;
constexpr RootKey kHkeyCurrentUser = 0x80000001;
constexpr RootKey kHkeyLocalMachine = 0x80000002;
constexpr RootKey kHkeyUsers = 0x80000003;
constexpr RootKey kHkeyPerformanceData = 0x80000004;
constexpr RootKey kHkeyCurrentConfig = 0x80000005;
constexpr RootKey kHkeyDynData = 0x80000006;

bool IsRootKey(RootKey root);

// The root-key name of a table row; the empty text for any other value.
Text RootKeyName(RootKey root);

// The root key named by the text before the first backslash, compared after upper-casing;
// 0 with "ERROR, false #HKEY name" when it names none.
RootKey RootKeyFromPath(const Text& path);

// The subkey path of a full key path: everything after its first backslash.
Text SubkeyPathOfFullPath(const Text& fullPath);

// Removes one leading backslash, so "\Software" and "Software" name the same key.
Text StripLeadingBackslash(const Text& path);
