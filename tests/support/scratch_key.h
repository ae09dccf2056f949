// Raw registry access for setting up and checking what the product reads and writes.
#pragma once

#include "registry/root_keys.h"
#include "runtime/base/text.h"

#include <windows.h>

#include <string>

// Creates a key (and the levels above it) directly, also below paths of more than 260
// characters; true on success.
bool MakeKey(RootKey root, const Text& path);
// Stores a value of any type with exactly these bytes (no terminator added), creating the key
// when needed.
bool PutRawValue(RootKey root, const Text& path, const Text& name, DWORD type,
                 const std::string& bytes);
// Removes a key and everything below it; true when it is gone afterwards.
bool RemoveKeyTree(RootKey root, const Text& path);
// A REG_SZ value as the registry holds it, terminator included, or "<missing>".
std::string RawStringValue(RootKey root, const Text& path, const Text& name);
// Lets everybody read a key of HKEY_CURRENT_USER but nobody change it, or (false) everybody
// do anything with it again; true when the key took the new rights.
bool MakeKeyReadOnly(const Text& path, bool readOnly);
