#include "setup/option_rules.h"

#include "runtime/base/dates.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>

namespace {

constexpr int32_t kSetupVersion = 1006;
const int32_t kSetupDate = DateFromText("%dd.%mm.%yyyy", "12.07.2007");
const int32_t kEarlier = DateFromText("%dd.%mm.%yyyy", "11.07.2007");
const int32_t kLater = DateFromText("%dd.%mm.%yyyy", "13.07.2007");

// The offer in words: "install", "update" with the choice it gives and the width of a new
// caption, ", uninstall", or "block" with its message's number.
std::string Offered(int32_t installedVersion, int32_t installedDate, bool uninstallLocked) {
    const SetupOffer offer = DecideSetupOffer(kSetupVersion, installedVersion, kSetupDate,
                                              installedDate, uninstallLocked);
    std::string words = offer.installEnabled ? "install" : "";
    if (offer.updateEnabled) {
        const Text caption = offer.updateCaption ? offer.updateCaption : kUpdateCaption;
        const auto choice =
            UpdateSetupChoice(SelectedOption::kUpdate, false, false, caption).choice;
        words += (words.empty() ? "update " : ", update ") +
                 std::to_string(static_cast<int>(choice)) +
                 (offer.updateWidth ? " " + std::to_string(offer.updateWidth) : "");
    }
    words += offer.uninstallEnabled ? ", uninstall" : "";
    const int32_t block = offer.blockMessage;
    return block == 0 ? words + offer.blockText
                      : words + "block " + std::to_string(block) +
                            (offer.blockText == Text(kBlockMessages[block - 1]) ? "" : " (text?)");
}

// The choice "Weiter" would give, then what the update switches on or clears.
std::string Chosen(SelectedOption selected, bool shortcutAllowed, bool ticked,
                   const char* caption = kUpdateCaption) {
    const SetupChoiceState state = UpdateSetupChoice(selected, shortcutAllowed, ticked, caption);
    return std::to_string(static_cast<int>(state.choice)) + (state.nextEnabled ? " Weiter" : "") +
           (state.shortcutEnabled ? " shortcut" : "") + (state.clearShortcutTick ? " untick" : "");
}

} // namespace

TEST(OptionRules, InstalledVersionAndDateDecideTheOffer) {
    // An invalid date counts as earlier than any; a copy without a date counts as none.
    const int32_t dates[] = {kSetupDate, kEarlier, kLater, kInvalidDate, 0};
    const std::pair<int32_t, std::array<const char*, 5>> offers[] = {
        {1006, {"update 3 340", "update 4 290", "block 1", "update 4 290", "install"}},
        {1007, {"block 2", "block 2", "block 2", "block 2", "install"}},
        {1005, {"update 2", "update 2", "block 3", "update 2", "install"}},
        {0, {"install", "install", "install", "install", "install"}},
    };
    for (const auto& [version, offered] : offers) {
        for (size_t i = 0; i < offered.size(); ++i) {
            SCOPED_TRACE(testing::Message() << version << ", " << dates[i]);
            const std::string offer = offered[i];
            EXPECT_EQ(Offered(version, dates[i], true), offer);
            EXPECT_EQ(Offered(version, dates[i], false),
                      offer.starts_with("update") ? offer + ", uninstall" : offer);
        }
    }
}

TEST(OptionRules, TheSelectionGivesTheChoiceAndSwitchesWeiterAndTheShortcut) {
    // The tick survives a visit to another option: only no selection at all clears it.
    const std::pair<std::string, const char*> cases[] = {
        {Chosen(SelectedOption::kNone, true, true), "0 untick"},
        {Chosen(SelectedOption::kInstall, true, false), "1 Weiter shortcut"},
        {Chosen(SelectedOption::kInstall, true, true), "6 Weiter shortcut"},
        {Chosen(SelectedOption::kInstall, false, false), "1 Weiter"},
        {Chosen(SelectedOption::kUpdate, true, true), "2 Weiter"},
        {Chosen(SelectedOption::kUpdate, false, false, "reparieren"), "3 Weiter"},
        {Chosen(SelectedOption::kUpdate, false, false, "Reparieren (Setup-Version)"), "2 Weiter"},
        {Chosen(SelectedOption::kUpdate, false, false, "reparier"), "2 Weiter"},
        {Chosen(SelectedOption::kUpdate, false, false, "aktualisieren"), "4 Weiter"},
        {Chosen(SelectedOption::kUpdate, false, false, "aktualisiere"), "2 Weiter"},
        {Chosen(SelectedOption::kUninstall, true, true), "5 Weiter"},
    };
    for (const auto& [chosen, expected] : cases) {
        EXPECT_EQ(chosen, expected);
    }
}
