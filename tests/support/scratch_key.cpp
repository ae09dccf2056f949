#include "support/scratch_key.h"

#include "registry/root_key_handle.h"
#include "runtime/owned_handle.h"

#include <sddl.h>

#include <algorithm>
#include <cstdio>

ScratchKey::ScratchKey() {
    static LONG counter = 0;
    char name[80];
    std::snprintf(name, sizeof name, "Software\\QuorrelTest\\p%lut%lun%ld", GetCurrentProcessId(),
                  GetTickCount(), InterlockedIncrement(&counter));
    path_ = name;
    MakeKey(kHkeyCurrentUser, path_);
}

ScratchKey::~ScratchKey() {
    MakeKeyReadOnly(path_, false);
    RemoveKeyTree(kHkeyCurrentUser, path_);
    // Leaves the common parent when this was the last test key in it.
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\QuorrelTest");
}

bool MakeKey(RootKey root, const Text& path) {
    // One level at a time: the ANSI calls refuse whole paths longer than 260 characters.
    OwnedKey at;
    for (size_t from = 0, end = 0; from < path.size(); from = end + 1) {
        end = std::min(path.find('\\', from), path.size());
        OwnedKey child;
        if (RegCreateKeyExA(at ? at.Get() : RootKeyHandle(root),
                            path.substr(from, end - from).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, child.Out(), nullptr) != ERROR_SUCCESS) {
            return false;
        }
        at = std::move(child);
    }
    return true;
}

bool PutRawValue(RootKey root, const Text& path, const Text& name, DWORD type,
                 const std::string& bytes) {
    OwnedKey key;
    return RegOpenKeyExA(RootKeyHandle(root), path.c_str(), 0, KEY_SET_VALUE, key.Out()) ==
               ERROR_SUCCESS &&
           RegSetValueExA(key.Get(), name.c_str(), 0, type,
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
    std::string data(128 * 1024, '\0');
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(data.size());
    if (RegOpenKeyExA(RootKeyHandle(root), path.c_str(), 0, KEY_READ, key.Out()) != ERROR_SUCCESS ||
        RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return "<missing>";
    }
    return data.substr(0, size);
}

bool MakeKeyReadOnly(const Text& path, bool readOnly) {
    PSECURITY_DESCRIPTOR rights = nullptr;
    OwnedKey key;
    const bool done =
        ConvertStringSecurityDescriptorToSecurityDescriptorA(
            readOnly ? "D:P(A;;KR;;;WD)(A;;WD;;;OW)" : "D:P(A;;KA;;;WD)", SDDL_REVISION_1, &rights,
            nullptr) &&
        RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, WRITE_DAC, key.Out()) == ERROR_SUCCESS &&
        RegSetKeySecurity(key.Get(), DACL_SECURITY_INFORMATION, rights) == ERROR_SUCCESS;
    LocalFree(rights);
    return done;
}
