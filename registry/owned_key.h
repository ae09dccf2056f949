// The owner of an open registry key; see runtime/base/owner.h.
#pragma once

#include "runtime/base/owner.h"

#include <windows.h>

struct RegistryKeyTraits : NullableHandle<HKEY> {
    static bool Close(Handle h) { return RegCloseKey(h) == ERROR_SUCCESS; }
};
using OwnedKey = Owned<RegistryKeyTraits>;
