#include "setup/option_rules.h"

#include "setup/setup_result.h"

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

int32_t UpdateChoiceFromCaption(const Text& caption) {
    if (TextEquals(TextLeft(caption, 10), "reparieren")) {
        return kSetupRepair;
    }
    if (TextEquals(TextLeft(caption, 13), "aktualisieren")) {
        return kSetupRefresh;
    }
    return kSetupUpdate;
}

} // namespace

SetupOffer DecideSetupOffer(int32_t setupVersion, int32_t installedVersion, int32_t setupDate,
                            int32_t installedDate, int32_t uninstallLocked) {
    SetupOffer offer;
    if (installedVersion == 0 || installedDate == 0) {
        offer.updateEnabled = false;
        offer.uninstallEnabled = false;
        return offer;
    }
    offer.installEnabled = false;
    offer.uninstallEnabled = uninstallLocked == 0;
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

SetupChoiceState UpdateSetupChoice(SelectedOption selected, int32_t shortcutAllowed,
                                   bool shortcutTicked, const Text& updateCaption) {
    SetupChoiceState state;
    switch (selected) {
    case SelectedOption::kInstall:
        state.nextEnabled = true;
        // Only flag 1 enables the box; otherwise it stays disabled as the dialog built it.
        state.shortcutEnabled = shortcutAllowed == 1;
        state.choice = shortcutTicked ? kSetupInstallWithShortcut : kSetupInstall;
        break;
    case SelectedOption::kUpdate:
        state.nextEnabled = true;
        state.choice = UpdateChoiceFromCaption(updateCaption);
        break;
    case SelectedOption::kUninstall:
        state.nextEnabled = true;
        state.choice = kSetupUninstall;
        break;
    case SelectedOption::kNone:
        state.clearShortcutTick = true;
        state.choice = kSetupCancelled;
        break;
    }
    return state;
}
