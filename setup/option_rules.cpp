#include "setup/option_rules.h"

namespace {

constexpr int32_t kRepairWidth = 340;
constexpr int32_t kRefreshWidth = 290;

SetupOffer BlockedOffer(int32_t message) {
    SetupOffer offer;
    offer.installEnabled = false;
    offer.updateEnabled = false;
    offer.uninstallEnabled = false;
    offer.blockMessage = message;
    offer.blockText = kBlockMessages[message - 1];
    return offer;
}

SetupResult UpdateChoiceFromCaption(const Text& caption) {
    if (TextEquals(TextLeft(caption, 10), "reparieren")) {
        return SetupResult::kRepair;
    }
    if (TextEquals(TextLeft(caption, 13), "aktualisieren")) {
        return SetupResult::kRefresh;
    }
    return SetupResult::kUpdate;
}

} // namespace

SetupOffer DecideSetupOffer(int32_t setupVersion, int32_t installedVersion, int32_t setupDate,
                            int32_t installedDate, bool uninstallLocked) {
    SetupOffer offer;
    if (installedVersion == 0 || installedDate == 0) {
        offer.updateEnabled = false;
        offer.uninstallEnabled = false;
        return offer;
    }
    offer.installEnabled = false;
    offer.uninstallEnabled = !uninstallLocked;
    if (installedVersion == setupVersion) {
        if (installedDate > setupDate) {
            return BlockedOffer(1);
        }
        const bool sameDay = installedDate == setupDate;
        offer.updateCaption = sameDay ? kRepairCaption : kRefreshCaption;
        offer.updateWidth = sameDay ? kRepairWidth : kRefreshWidth;
        return offer;
    }
    if (installedVersion > setupVersion) {
        return BlockedOffer(2);
    }
    if (installedDate > setupDate) {
        return BlockedOffer(3);
    }
    return offer;
}

SetupChoiceState UpdateSetupChoice(SelectedOption selected, bool shortcutAllowed,
                                   bool shortcutTicked, const Text& updateCaption) {
    SetupChoiceState state;
    switch (selected) {
    case SelectedOption::kInstall:
        state.nextEnabled = true;
        // Without the permission the box stays disabled as the dialog built it.
        state.shortcutEnabled = shortcutAllowed;
        state.choice = shortcutTicked ? SetupResult::kInstallWithShortcut : SetupResult::kInstall;
        break;
    case SelectedOption::kUpdate:
        state.nextEnabled = true;
        state.choice = UpdateChoiceFromCaption(updateCaption);
        break;
    case SelectedOption::kUninstall:
        state.nextEnabled = true;
        state.choice = SetupResult::kUninstall;
        break;
    case SelectedOption::kNone:
        state.clearShortcutTick = true;
        state.choice = SetupResult::kCancelled;
        break;
    }
    return state;
}
