#include "registry/key_operations.h"

#include "registry/last_error_text.h"
#include "registry/owned_key.h"
#include "registry/root_key_handle.h"
#include "registry/value_text.h"

#include <windows.h>

namespace {

// Reading and enumerating need only read access, so a key the user may read but not change
// still counts as present.
constexpr REGSAM kReadAccess = KEY_READ;
constexpr REGSAM kWriteAccess = KEY_ALL_ACCESS;

// The room RegEnumKeyExA gets for a name, terminator included: longer names do not fit.
constexpr DWORD kSubkeyNameRoom = 255;

LONG OpenKey(RootKey root, const Text& path, REGSAM access, OwnedKey& key) {
    return RegOpenKeyExA(RootKeyHandle(root), StripLeadingBackslash(path).c_str(), 0, access,
                         key.Out());
}

// The opening steps shared by every operation; false after setting the failure message.
bool CheckRootAndPath(RootKey root, const Text& path) {
    ClearLastErrorText();
    if (!IsRootKey(root)) {
        SetLastErrorText("ERROR, #HKEY is empty");
        return false;
    }
    if (path.empty()) {
        SetLastErrorText("ERROR, subkeyname is empty");
        return false;
    }
    return true;
}

Text Fail(const char* message) {
    SetLastErrorText(message);
    return Text();
}

int32_t FailWithZero(const char* message) {
    SetLastErrorText(message);
    return 0;
}

// Opens a key for reading in one step, where a separate existence test would open it twice.
// The empty path counts as missing, as it does for KeyExists.
bool OpenPresentKey(RootKey root, const Text& path, OwnedKey& key) {
    if (path.empty() || OpenKey(root, path, kReadAccess, key) != ERROR_SUCCESS) {
        SetLastErrorText("ERROR, sub key dont exist");
        return false;
    }
    return true;
}

} // namespace

RegistryValue ReadRegistryValue(RootKey root, const Text& path, const Text& name, uint32_t room) {
    OwnedKey key;
    if (RegOpenKeyExA(RootKeyHandle(root), path.c_str(), 0, kReadAccess, key.Out()) !=
        ERROR_SUCCESS) {
        return {ValueReadStatus::KeyNotOpened};
    }
    DWORD type = 0;
    DWORD size = room;
    // Without a buffer the registry tells the value's type and size.
    if (room == kWholeValue && RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type, nullptr,
                                                &size) != ERROR_SUCCESS) {
        return {ValueReadStatus::NoValue};
    }
    std::string bytes(size, '\0');
    const DWORD asked = size;
    // A value larger than the buffer (grown since its size was asked) fails with ERROR_MORE_DATA.
    if (size > 0 &&
        RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(bytes.data()), &size) != ERROR_SUCCESS) {
        return {ValueReadStatus::DataNotRead, type};
    }
    bytes.resize(size < asked ? size : asked);
    return {ValueReadStatus::Read, type, std::move(bytes)};
}

Text ReadStringValue(RootKey root, const Text& path, const Text& valueName) {
    if (!CheckRootAndPath(root, path)) {
        return Text();
    }
    const RegistryValue value =
        ReadRegistryValue(root, StripLeadingBackslash(path), valueName, kWholeValue);
    if (value.status == ValueReadStatus::KeyNotOpened) {
        return Fail("ERROR, sub key dont exist");
    }
    if (value.status == ValueReadStatus::NoValue) {
        return Fail("ERROR, not specified message");
    }
    if (value.type != REG_SZ) {
        return Fail("ERROR, false type");
    }
    if (value.status != ValueReadStatus::Read) {
        return Fail("ERROR, reading key");
    }
    return ValueText(value.bytes, ValueBytes::ZeroBytesLeftOut);
}

int32_t KeyExists(RootKey root, const Text& path) {
    if (!CheckRootAndPath(root, path)) {
        return 0;
    }
    OwnedKey key;
    if (OpenKey(root, path, kReadAccess, key) != ERROR_SUCCESS) {
        return FailWithZero("ERROR, sub key not found");
    }
    return 1;
}

int32_t CreateKey(RootKey root, const Text& path) {
    if (!CheckRootAndPath(root, path)) {
        return 0;
    }
    OwnedKey key;
    DWORD disposition = 0;
    if (RegCreateKeyExA(RootKeyHandle(root), StripLeadingBackslash(path).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, kWriteAccess, nullptr, key.Out(),
                        &disposition) != ERROR_SUCCESS) {
        return FailWithZero("ERROR, false type");
    }
    return 1;
}

int32_t WriteStringValue(RootKey root, const Text& path, const Text& valueName, const Text& value) {
    if (!CheckRootAndPath(root, path)) {
        return 0;
    }
    if (KeyExists(root, path) != 1) {
        return FailWithZero("ERROR, sub key dont exist");
    }
    OwnedKey key;
    if (OpenKey(root, path, kWriteAccess, key) != ERROR_SUCCESS) {
        return FailWithZero("ERROR, can´t write value");
    }
    if (RegSetValueExA(key.Get(), valueName.c_str(), 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1)) != ERROR_SUCCESS) {
        return FailWithZero("ERROR, can´t write value");
    }
    return 1;
}

Text SubkeyNameAt(RootKey root, const Text& path, int32_t index) {
    ClearLastErrorText();
    if (!IsRootKey(root)) {
        return Fail("ERROR, #HKEY is empty");
    }
    OwnedKey key;
    if (!OpenPresentKey(root, path, key)) {
        return Text();
    }
    char name[kSubkeyNameRoom + 1] = {};
    DWORD length = kSubkeyNameRoom;
    // A negative index reaches the registry as a large unsigned one and finds nothing.
    if (RegEnumKeyExA(key.Get(), static_cast<DWORD>(index), name, &length, nullptr, nullptr,
                      nullptr, nullptr) != ERROR_SUCCESS ||
        length >= kSubkeyNameRoom) {
        return Fail("ERROR, index is empty");
    }
    return Text(name, length);
}
