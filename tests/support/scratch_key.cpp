#include "support/scratch_key.h"

#include "registry/owned_key.h"
#include "registry/root_key_handle.h"

#include <sddl.h>

bool MakeKey(RootKey root, const Text& path) {
    // The wide call: the ANSI calls refuse whole paths longer than 260 characters. Test key
    // names are plain ASCII.
    OwnedKey key;
    return RegCreateKeyExW(RootKeyHandle(root), std::wstring(path.begin(), path.end()).c_str(), 0,
                           nullptr, 0, KEY_ALL_ACCESS, nullptr, key.Out(),
                           nullptr) == ERROR_SUCCESS;
}

bool PutRawValue(RootKey root, const Text& path, const Text& name, DWORD type,
                 const std::string& bytes) {
    return RegSetKeyValueA(RootKeyHandle(root), path.c_str(), name.c_str(), type, bytes.data(),
                           static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
}

bool RemoveKeyTree(RootKey root, const Text& path) {
    const LONG result = RegDeleteTreeA(RootKeyHandle(root), path.c_str());
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

std::string RawStringValue(RootKey root, const Text& path, const Text& name) {
    OwnedKey key;
    std::string data(128 * 1024, '\0');
    DWORD type = 0, size = static_cast<DWORD>(data.size());
    const bool read =
        RegOpenKeyExA(RootKeyHandle(root), path.c_str(), 0, KEY_READ, key.Out()) == ERROR_SUCCESS &&
        RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(data.data()), &size) == ERROR_SUCCESS;
    return read && type == REG_SZ ? data.substr(0, size) : "<missing>";
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
