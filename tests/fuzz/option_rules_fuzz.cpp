// Any setup and installed versions and dates (the installed date read from any text): the
// dialog offers install only, blocks, or offers the update option, and the update option it
// leaves enabled gives an install result with the installer's own flags.
#include "fuzz_check.h"
#include "runtime/base/dates.h"
#include "setup/option_rules.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const int32_t setupVersion = input.ConsumeIntegral<int32_t>();
    const int32_t installedVersion = input.ConsumeIntegral<int32_t>();
    const int32_t setupDate = input.ConsumeIntegral<int32_t>();
    const bool uninstallLocked = input.ConsumeBool();
    const bool shortcutAllowed = input.ConsumeBool();
    const bool ticked = input.ConsumeBool();
    const auto selected =
        input.PickValueInArray({SelectedOption::kNone, SelectedOption::kInstall,
                                SelectedOption::kUpdate, SelectedOption::kUninstall});
    const Text caption = input.ConsumeRandomLengthString(64);
    const int32_t installedDate =
        DateFromText("%dd.%mm.%yyyy", input.ConsumeRemainingBytesAsString());

    const SetupOffer offer =
        DecideSetupOffer(setupVersion, installedVersion, setupDate, installedDate, uninstallLocked);
    const bool known = installedVersion != 0 && installedDate != 0;
    FUZZ_CHECK(offer.installEnabled == !known);
    FUZZ_CHECK(offer.blockMessage >= 0 && offer.blockMessage <= 3);
    if (offer.blockMessage != 0) {
        FUZZ_CHECK(known && !offer.updateEnabled && !offer.uninstallEnabled);
        FUZZ_CHECK(std::strcmp(offer.blockText, kBlockMessages[offer.blockMessage - 1]) == 0);
    } else {
        FUZZ_CHECK(offer.blockText[0] == '\0');
        FUZZ_CHECK(offer.updateEnabled == known);
        FUZZ_CHECK(offer.uninstallEnabled == (known && !uninstallLocked));
    }
    FUZZ_CHECK((offer.updateCaption == nullptr) == (offer.updateWidth == 0));
    // (The install option's choice is the same whatever the offer: the option rules' tests.)
    if (offer.updateEnabled) {
        const char* offered = offer.updateCaption != nullptr ? offer.updateCaption : kUpdateCaption;
        const SetupResult choice =
            UpdateSetupChoice(SelectedOption::kUpdate, false, false, offered).choice;
        FUZZ_CHECK(choice >= SetupResult::kInstall && choice <= SetupResult::kRefresh);
    }

    const SetupChoiceState state = UpdateSetupChoice(selected, shortcutAllowed, ticked, caption);
    FUZZ_CHECK(state.nextEnabled == (selected != SelectedOption::kNone));
    FUZZ_CHECK(state.choice >= SetupResult::kCancelled &&
               state.choice <= SetupResult::kInstallWithShortcut);
    FUZZ_CHECK(!state.shortcutEnabled || (selected == SelectedOption::kInstall && shortcutAllowed));
    FUZZ_CHECK(state.clearShortcutTick == (selected == SelectedOption::kNone));
    return 0;
}
