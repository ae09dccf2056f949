#include "setup/option_rules.h"

#include "runtime/base/dates.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

constexpr int32_t kSetupVersion = 1006;
const int32_t kSetupDate = DateFromText("%dd.%mm.%yyyy", "12.07.2007");
const int32_t kEarlierDate = DateFromText("%dd.%mm.%yyyy", "11.07.2007");
const int32_t kLaterDate = DateFromText("%dd.%mm.%yyyy", "13.07.2007");

struct OfferCase {
    const char* name;
    int32_t installedVersion;
    int32_t installedDate;
    bool install;
    bool update;
    bool uninstallWhenUnlocked;
    const char* caption; // nullptr: the update option keeps "UpDate installieren"
    int32_t width;
    int32_t message;
    int32_t updateGives; // the choice when the update option is selected, if it is enabled
};

} // namespace

TEST(OptionRules, InstalledStateDecidesOfferCaptionAndBlock) {
    const OfferCase cases[] = {
        {"same version, same day", 1006, kSetupDate, false, true, true, kRepairCaption, 340, 0, 3},
        {"same version, installed earlier", 1006, kEarlierDate, false, true, true, kRefreshCaption,
         290, 0, 4},
        {"same version, installed later", 1006, kLaterDate, false, false, false, nullptr, 0, 1, 0},
        {"same version, invalid date counts as earlier", 1006, kInvalidDate, false, true, true,
         kRefreshCaption, 290, 0, 4},
        {"same version, no date", 1006, 0, true, false, false, nullptr, 0, 0, 0},
        {"newer installed, same day", 1007, kSetupDate, false, false, false, nullptr, 0, 2, 0},
        {"newer installed, earlier", 1007, kEarlierDate, false, false, false, nullptr, 0, 2, 0},
        {"newer installed, later", 1007, kLaterDate, false, false, false, nullptr, 0, 2, 0},
        {"newer installed, invalid date", 1007, kInvalidDate, false, false, false, nullptr, 0, 2,
         0},
        {"newer installed, no date", 1007, 0, true, false, false, nullptr, 0, 0, 0},
        {"older installed, same day", 1005, kSetupDate, false, true, true, nullptr, 0, 0, 2},
        {"older installed, earlier", 1005, kEarlierDate, false, true, true, nullptr, 0, 0, 2},
        {"older installed, later", 1005, kLaterDate, false, false, false, nullptr, 0, 3, 0},
        {"older installed, invalid date", 1005, kInvalidDate, false, true, true, nullptr, 0, 0, 2},
        {"older installed, no date", 1005, 0, true, false, false, nullptr, 0, 0, 0},
        {"nothing recorded, with a date", 0, kSetupDate, true, false, false, nullptr, 0, 0, 0},
        {"nothing recorded, later date", 0, kLaterDate, true, false, false, nullptr, 0, 0, 0},
    };
    for (const OfferCase& c : cases) {
        for (const bool locked : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.name << ", uninstall locked " << locked);
            const SetupOffer offer = DecideSetupOffer(kSetupVersion, c.installedVersion, kSetupDate,
                                                      c.installedDate, locked);
            EXPECT_EQ(offer.installEnabled, c.install);
            EXPECT_EQ(offer.updateEnabled, c.update);
            EXPECT_EQ(offer.uninstallEnabled, c.uninstallWhenUnlocked && !locked);
            EXPECT_STREQ(offer.updateCaption, c.caption);
            EXPECT_EQ(offer.updateWidth, c.width);
            EXPECT_EQ(offer.blockMessage, c.message);
            EXPECT_EQ(offer.blockText[0] == '\0', c.message == 0);
            if (offer.updateEnabled) {
                const Text caption = offer.updateCaption ? offer.updateCaption : kUpdateCaption;
                EXPECT_EQ(
                    static_cast<int32_t>(
                        UpdateSetupChoice(SelectedOption::kUpdate, false, false, caption).choice),
                    c.updateGives);
            }
        }
    }
}

TEST(OptionRules, BlockMessagesReadAsShownToTheUser) {
    const char* const tail = "\r\rDer Vorgang wird abgebrochen.";
    const std::pair<int32_t, Text> messages[] = {
        {1006, Text("Das Setupdatum ist jünger als das der bereits installierten Version und die "
                    "Versionsnummer ist gleich der Installierten.") +
                   tail},
        {1007, Text("Die Setupversion ist älter als eine bereits installierte Version.") + tail},
        {1005, Text("Das Setupdatum ist jünger als das der bereits installierten Version und die "
                    "Versionsnummer ist größer als die Installierte.") +
                   tail},
    };
    for (const auto& [installedVersion, text] : messages) {
        EXPECT_EQ(DecideSetupOffer(kSetupVersion, installedVersion, kSetupDate, kLaterDate, true)
                      .blockText,
                  text);
    }
    // The dialog shows Windows-1252 bytes: one byte per umlaut.
    const Text older =
        DecideSetupOffer(kSetupVersion, 1007, kSetupDate, kSetupDate, true).blockText;
    const size_t at = older.find("lter als");
    ASSERT_NE(at, Text::npos);
    EXPECT_EQ(static_cast<unsigned char>(older[at - 1]), 0xE4);
    EXPECT_EQ(older.substr(at - 3, 2), "t ");
}

TEST(OptionRules, SelectionGivesChoiceAndSwitchesWeiterAndShortcut) {
    struct ChoiceCase {
        SelectedOption selected;
        bool shortcutAllowed;
        bool ticked;
        const char* caption;
        bool next;
        bool shortcut;
        bool clearTick;
        int32_t choice;
    };
    const ChoiceCase cases[] = {
        {SelectedOption::kNone, true, true, kUpdateCaption, false, false, true, 0},
        {SelectedOption::kInstall, true, false, kUpdateCaption, true, true, false, 1},
        {SelectedOption::kInstall, true, true, kUpdateCaption, true, true, false, 6},
        {SelectedOption::kInstall, false, false, kUpdateCaption, true, false, false, 1},
        {SelectedOption::kUpdate, true, true, kUpdateCaption, true, false, false, 2},
        {SelectedOption::kUpdate, false, false, kRepairCaption, true, false, false, 3},
        {SelectedOption::kUpdate, false, false, kRefreshCaption, true, false, false, 4},
        {SelectedOption::kUpdate, false, false, "reparieren", true, false, false, 3},
        {SelectedOption::kUpdate, false, false, "Reparieren (Setup-Version)", true, false, false,
         2},
        {SelectedOption::kUpdate, false, false, "reparier", true, false, false, 2},
        {SelectedOption::kUpdate, false, false, "aktualisiere", true, false, false, 2},
        {SelectedOption::kUninstall, true, true, kUpdateCaption, true, false, false, 5},
    };
    for (const ChoiceCase& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "selected " << static_cast<int>(c.selected) << ", caption " << c.caption);
        const SetupChoiceState state =
            UpdateSetupChoice(c.selected, c.shortcutAllowed, c.ticked, c.caption);
        EXPECT_EQ(state.nextEnabled, c.next);
        EXPECT_EQ(state.shortcutEnabled, c.shortcut);
        EXPECT_EQ(state.clearShortcutTick, c.clearTick);
        EXPECT_EQ(static_cast<int32_t>(state.choice), c.choice);
    }
}

TEST(OptionRules, ShortcutTickSurvivesAVisitToTheUpdateOption) {
    // The user selects install, ticks the box, tries update and comes back to install.
    bool ticked = false;
    const auto Pass = [&ticked](SelectedOption selected) {
        const SetupChoiceState state = UpdateSetupChoice(selected, true, ticked, kUpdateCaption);
        if (state.clearShortcutTick) {
            ticked = false;
        }
        return state;
    };
    EXPECT_EQ(Pass(SelectedOption::kInstall).choice, SetupResult::kInstall);
    ticked = true;
    EXPECT_EQ(Pass(SelectedOption::kInstall).choice, SetupResult::kInstallWithShortcut);
    const SetupChoiceState onUpdate = Pass(SelectedOption::kUpdate);
    EXPECT_EQ(onUpdate.choice, SetupResult::kUpdate);
    EXPECT_FALSE(onUpdate.shortcutEnabled);
    EXPECT_TRUE(ticked);
    const SetupChoiceState back = Pass(SelectedOption::kInstall);
    EXPECT_EQ(back.choice, SetupResult::kInstallWithShortcut);
    EXPECT_TRUE(back.shortcutEnabled);
}
