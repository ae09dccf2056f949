// Reading a key's default value as raw bytes into a buffer of fixed room, whatever its type.
// Unlike the value operations of key_operations.h it takes the path as given and leaves
// LastErrorText alone: host discovery judges the bytes itself.
#pragma once

#include "registry/root_keys.h"
#include "runtime/base/text.h"

#include <cstdint>
#include <string>

// True with the bytes the registry returned; false when the key cannot be opened for reading
// or the value is missing or larger than room.
bool ReadDefaultValueBytes(RootKey root, const Text& path, uint32_t room, std::string& bytes);
