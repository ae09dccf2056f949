#include "support/scratch_key.h"

#include "registry/key_operations.h"
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
    const RegistryValue value = ReadRegistryValue(root, path, name, kWholeValue);
    return value.status == ValueReadStatus::Read && value.type == REG_SZ ? value.bytes
                                                                         : "<missing>";
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
