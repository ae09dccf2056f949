#include "registry/default_value_read.h"

#include "registry/owned_key.h"
#include "registry/root_key_handle.h"

#include <windows.h>

bool ReadDefaultValueBytes(RootKey root, const Text& path, uint32_t room, std::string& bytes) {
    bytes.clear();
    OwnedKey key;
    if (RegOpenKeyExA(RootKeyHandle(root), path.c_str(), 0, KEY_READ, key.Out()) != ERROR_SUCCESS) {
        return false;
    }
    std::string buffer(room, '\0');
    DWORD size = room;
    DWORD type = 0;
    if (RegQueryValueExA(key.Get(), "", nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                         &size) != ERROR_SUCCESS) {
        return false;
    }
    buffer.resize(size < room ? size : room);
    bytes = std::move(buffer);
    return true;
}
