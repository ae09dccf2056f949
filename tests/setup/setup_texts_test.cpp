#include "runtime/base/dates.h"
#include "setup/setup_info_lines.h"
#include "setup/version_number.h"
#include "setup/welcome_banner_text.h"

#include <gtest/gtest.h>

#include <utility>

TEST(WelcomeBanner, TypesOneCharacterPerTickAndTheLastOpensTheDialog) {
    int32_t counter = 0;
    Text shown;
    for (int32_t tick = 1; tick <= 24; ++tick) {
        const WelcomeTick step = NextWelcomeTick(counter);
        EXPECT_FALSE(step.opensSetupDialog) << "tick " << tick;
        shown = step.bannerText;
        counter = step.counter;
    }
    EXPECT_EQ(shown, "Willkommen zum Setup von");
    const WelcomeTick last = NextWelcomeTick(counter);
    EXPECT_EQ(last.bannerText, "Willkommen zum Setup von:");
    EXPECT_TRUE(last.opensSetupDialog);
    // The next animation starts from an empty banner again.
    EXPECT_EQ(last.counter, 0);
    EXPECT_EQ(NextWelcomeTick(last.counter).bannerText, "W");
}

TEST(SetupInfoLines, VersionAndDateLinesOfSetupAndInstalledCopy) {
    const int32_t day = DateFromText(kSetupDateMask, "12.07.2007");
    const std::pair<Text, Text> lines[] = {
        {SetupVersionLine(1006), "Setup-Version\t\t: 000.001.006"},
        {SetupVersionLine(1234567890), "Setup-Version\t\t: 123.456.789"},
        {SetupDateLine(day), "Versionsdatum\t\t: 12.07.2007"},
        {InstalledVersionLine(1005), "Installierte Version\t: 000.001.005"},
        {InstalledVersionLine(0), "Installierte Version\t: nicht angegeben / installiert"},
        {InstalledVersionLine(-3), "Installierte Version\t: nicht angegeben / installiert"},
        {InstalledDateLine(1006, day), "Versionsdatum\t\t: 12.07.2007"},
        {InstalledDateLine(1006, 0), "Versionsdatum\t\t:"},
        {InstalledDateLine(0, day), "Versionsdatum\t\t:"},
        {InstalledDateLine(1006, kInvalidDate), "Versionsdatum\t\t: 00.00.0000"},
    };
    for (const auto& [got, want] : lines) {
        EXPECT_EQ(got, want);
    }
}

TEST(VersionNumber, DottedTextsBecomeComparableNumbersShownInThreeGroups) {
    EXPECT_EQ(VersionNumberFromText("1.6"), 1006);
    EXPECT_EQ(VersionNumberFromText("1.10"), 1010);
    EXPECT_EQ(VersionNumberFromText("x.06"), 0);
}
