#include "runtime/base/dates.h"
#include "setup/setup_info_lines.h"
#include "setup/version_number.h"

#include <gtest/gtest.h>

#include <utility>

TEST(SetupInfoLines, VersionAndDateLinesOfSetupAndInstalledCopy) {
    const int32_t day = DateFromText(kSetupDateMask, "12.07.2007");
    const std::pair<Text, Text> lines[] = {
        {ProgramLine("Titel"), "Programm: Titel"},
        {CopyrightLine("Autor"), "Copyright Autor"},
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
