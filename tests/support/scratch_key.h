// A key of its own below HKEY_CURRENT_USER\Software\QuorrelTest for one test, removed with
// everything below it afterwards (also when a test made it read-only), and helpers to put raw
// values and keys into the registry.
#pragma once

#include "registry/root_keys.h"
#include "runtime/text.h"

#include <windows.h>

#include <string>

class ScratchKey {
  public:
    ScratchKey();
    ~ScratchKey();
    ScratchKey(const ScratchKey&) = delete;
    ScratchKey& operator=(const ScratchKey&) = delete;

    // "Software\QuorrelTest\<unique>", without a final backslash.
    const Text& Path() const { return path_; }
    Text Below(const Text& relative) const { return path_ + "\\" + relative; }

  private:
    Text path_;
};

// Creates a key (and the levels above it) directly; true on success.
bool MakeKey(RootKey root, const Text& path);
// Stores a value of any type with exactly these bytes (no terminator added).
bool PutRawValue(RootKey root, const Text& path, const Text& name, DWORD type,
                 const std::string& bytes);
// Removes a key and everything below it; true when it is gone afterwards.
bool RemoveKeyTree(RootKey root, const Text& path);
bool KeyIsThere(RootKey root, const Text& path);
// A REG_SZ value (up to 128 KiB) as the registry holds it, or "<missing>".
std::string RawStringValue(RootKey root, const Text& path, const Text& name);
// Lets everybody read a key of HKEY_CURRENT_USER but nobody change it, or (false) everybody
// do anything with it again; true when the key took the new rights.
bool MakeKeyReadOnly(const Text& path, bool readOnly);
