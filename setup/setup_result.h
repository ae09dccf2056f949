// What the setup dialog returns, and which results lead to an installation.
#pragma once

#include <cstdint>

enum SetupResult : int32_t {
    kSetupCancelled = 0,
    kSetupInstall = 1,
    kSetupUpdate = 2,
    kSetupRepair = 3,
    kSetupRefresh = 4,
    kSetupUninstall = 5,
    kSetupInstallWithShortcut = 6,
};

// Install, update, repair and time-stamp refresh all write the carried files the same way.
inline bool IsInstallChoice(int32_t result) {
    return result >= kSetupInstall && result <= kSetupRefresh;
}
