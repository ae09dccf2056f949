// The Win32 handle of a root key given by its 32-bit handle value.
#pragma once

#include "registry/root_keys.h"

#include <windows.h>

#include <cstdint>

inline HKEY RootKeyHandle(RootKey root) {
    // Predefined handles are sign-extended 32-bit values.
    return reinterpret_cast<HKEY>(static_cast<intptr_t>(static_cast<int32_t>(root)));
}
