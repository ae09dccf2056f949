// What the setup dialog returns: the user's decision.
#pragma once

#include <cstdint>

enum class SetupResult : int32_t {
    kCancelled = 0,
    kInstall,
    kUpdate,
    kRepair,
    kRefresh,
    kUninstall,
    kInstallWithShortcut
};
