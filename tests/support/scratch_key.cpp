#include "support/scratch_key.h"

#include "registry/root_key_handle.h"
#include "runtime/owned_handle.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

Text UniqueName() {
    static LONG counter = 0;
    char name[64];
    std::snprintf(name, sizeof name, "p%lut%lun%ld", GetCurrentProcessId(), GetTickCount(),
                  InterlockedIncrement(&counter));
    return name;
}

} // namespace

ScratchKey::ScratchKey() : path_("Software\\QuorrelTest\\" + UniqueName()) {
    MakeKey(kHkeyCurrentUser, path_);
}

ScratchKey::~ScratchKey() {
    RemoveKeyTree(kHkeyCurrentUser, path_);
    // Leaves the common parent when this was the last test key in it.
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\QuorrelTest");
}

bool MakeKey(RootKey root, const Text& path) {
    // One level at a time: the ANSI calls refuse whole paths longer than 260 characters.
    OwnedKey parent;
    HKEY at = RootKeyHandle(root);
    size_t from = 0;
    while (from < path.size()) {
        const size_t end = std::min(path.find('\\', from), path.size());
        OwnedKey child;
        if (RegCreateKeyExA(at, path.substr(from, end - from).c_str(), 0, nullptr, 0,
                            KEY_ALL_ACCESS, nullptr, child.Out(), nullptr) != ERROR_SUCCESS) {
            return false;
        }
        parent = std::move(child);
        at = parent.Get();
        from = end + 1;
    }
    return true;
}

bool PutRawValue(RootKey root, const Text& path, const Text& name, DWORD type,
                 const std::string& bytes) {
    OwnedKey key;
    if (RegOpenKeyExA(RootKeyHandle(root), path.c_str(), 0, KEY_SET_VALUE, key.Out()) !=
        ERROR_SUCCESS) {
        return false;
    }
    return RegSetValueExA(key.Get(), name.c_str(), 0, type,
                          reinterpret_cast<const BYTE*>(bytes.data()),
                          static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
}

bool RemoveKeyTree(RootKey root, const Text& path) {
    RegDeleteTreeA(RootKeyHandle(root), path.c_str());
    RegDeleteKeyA(RootKeyHandle(root), path.c_str());
    return !KeyIsThere(root, path);
}

bool KeyIsThere(RootKey root, const Text& path) {
    OwnedKey key;
    return RegOpenKeyExA(RootKeyHandle(root), path.c_str(), 0, KEY_READ, key.Out()) ==
           ERROR_SUCCESS;
}

std::string RawStringValue(RootKey root, const Text& path, const Text& name) {
    OwnedKey key;
    if (RegOpenKeyExA(RootKeyHandle(root), path.c_str(), 0, KEY_READ, key.Out()) != ERROR_SUCCESS) {
        return "<missing>";
    }
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ) {
        return "<missing>";
    }
    std::vector<char> data(size + 1, '\0');
    if (RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS) {
        return "<missing>";
    }
    return std::string(data.data(), size);
}
