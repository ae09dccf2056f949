// Reading, testing, creating and writing keys and string values of the local registry, each
// addressed by a root key and a subkey path (one leading backslash is ignored). Every key
// opened here is closed before the call returns. Failures give "" or 0 and a message in
// LastErrorText; success leaves LastErrorText empty.
#pragma once

#include "registry/root_keys.h"
#include "runtime/base/text.h"

#include <cstdint>
#include <string>

// The text of a REG_SZ value (zero bytes left out); "" on any failure. The empty value name
// reads the key's default value.
Text ReadStringValue(RootKey root, const Text& path, const Text& valueName);

// 1 when the key can be opened for reading, otherwise 0.
int32_t KeyExists(RootKey root, const Text& path);

// Creates the key and every missing level above it, or opens it when it is there: 1 or 0.
int32_t CreateKey(RootKey root, const Text& path);

// Writes a REG_SZ value (terminating zero included) into a key that is already there; never
// creates keys. 1 when the value was written, otherwise 0.
int32_t WriteStringValue(RootKey root, const Text& path, const Text& valueName, const Text& value);

// The name of the subkey at an enumeration index (from 0); "" past the last subkey, for a
// negative index, for a name of 255 characters or more, and on every failure.
Text SubkeyNameAt(RootKey root, const Text& path, int32_t index);

// A value as the registry stores it, or how far reading it came.
enum class ValueReadStatus { Read, KeyNotOpened, NoValue, DataNotRead };
struct RegistryValue {
    ValueReadStatus status;
    uint32_t type = 0;   // REG_SZ, REG_BINARY, ...: 0 when the registry did not tell
    std::string bytes{}; // as returned, terminator and zero bytes included; none on failure
};
constexpr uint32_t kWholeValue = 0;

// Opens the key at path as given, for reading, and reads a value of any type. With room
// kWholeValue its type and size are asked first, then it is read whole; otherwise it is read
// in one go into room bytes, and a larger value fails. Leaves LastErrorText alone.
RegistryValue ReadRegistryValue(RootKey root, const Text& path, const Text& name, uint32_t room);
