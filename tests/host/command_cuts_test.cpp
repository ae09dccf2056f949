#include "host/command_cuts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using std::string_literals::operator""s;

struct Cut {
    const char* command;
    const char* expected;
};

TEST(DirectCommandRoad, GivesTheProgramDirectoryWithItsCase) {
    const std::vector<Cut> cuts = {
        {R"("C:\Program Files\PureBasic\PureBasic.exe" "%1")", R"(C:\Program Files\PureBasic\)"},
        {R"("C:\PB\PureBasic.exe")", R"(C:\PB\)"},
        {R"("C:\pb\purebasic.exe" "%1")", R"(C:\pb\)"},
        // Registered without quotes, with and without arguments.
        {R"(D:\PB\PureBasic.exe "%1")", R"(D:\PB\)"},
        {R"(D:\PB\PureBasic.exe)", R"(D:\PB\)"},
        {R"(D:\PB 4\PureBasic.exe /x "%1")", R"(D:\PB 4\)"},
        // Arguments with slashes or backslashes do not reach the directory.
        {R"("C:\PB\PureBasic.exe" /PORT "C:\x\%1")", R"(C:\PB\)"},
        {R"("C:\PB\PureBasic.exe)", R"(C:\PB\)"},
        {R"(PureBasic.exe "%1")", ""},
        {R"("C:\Tools\Editor.exe" "%1")", ""},
        {"", ""},
    };
    for (const Cut& cut : cuts) {
        EXPECT_EQ(DirectCommandDirectory(cut.command), cut.expected) << cut.command;
    }
}

TEST(ToolkitCommandRoad, GivesTheUpperCasedTextBeforeTheProgram) {
    const std::vector<Cut> cuts = {
        {R"("D:\Tools\PureBasic\PureBasic.exe" "%1")", R"(D:\TOOLS\PUREBASIC\)"},
        {R"(d:\pb\purebasic.exe)", R"(D:\PB\)"},
        {R"("C:\Tools\Editor.exe" "%1")", ""},
        {"", ""},
    };
    for (const Cut& cut : cuts) {
        EXPECT_EQ(ToolkitCommandDirectory(cut.command), cut.expected) << cut.command;
    }
}

TEST(SearchedCommandRoad, GivesTheUpperCasedProgramDirectory) {
    const std::vector<Cut> cuts = {
        {R"("E:\Apps\PureBasic\PureBasic.exe" "%1")", R"(E:\APPS\PUREBASIC\)"},
        {R"("E:\Apps\PureBasic.exe")", R"(E:\APPS\)"},
        {R"(E:\Apps\PureBasic.exe "%1")", R"(E:\APPS\)"},
        // Only the program counts, not its arguments.
        {R"("E:\Apps\Editor.exe" "E:\PB\PureBasic.exe")", ""},
        {R"("E:\Apps\Editor.exe" "%1")", ""},
        {"", ""},
    };
    for (const Cut& cut : cuts) {
        EXPECT_EQ(SearchedCommandDirectory(cut.command), cut.expected) << cut.command;
    }
}

TEST(AssociatedProgramRoad, GivesTheUpperCasedDirectoryOfPureBasicOnly) {
    EXPECT_EQ(AssociatedProgramDirectory(R"(F:\PB4\PureBasic.exe)"), R"(F:\PB4\)");
    EXPECT_EQ(AssociatedProgramDirectory(R"(F:\PB4\PureBasic.exe )"), R"(F:\PB4\)");
    EXPECT_EQ(AssociatedProgramDirectory(R"(C:\Windows\notepad.exe)"), "");
    EXPECT_EQ(AssociatedProgramDirectory(""), "");
}

TEST(OpenCommandProgram, KeepsThePathThroughExeWithoutQuotes) {
    const std::vector<Cut> cuts = {
        {R"("C:\Program Files\Internet Explorer\iexplore.exe" -nohome)",
         R"(C:\Program Files\Internet Explorer\iexplore.exe)"},
        // Unquoted: the one character after ".exe" stays.
        {R"(C:\Browser\browser.exe -url "%1")", R"(C:\Browser\browser.exe )"},
        {R"(C:\Browser\BROWSER.EXE)", R"(C:\Browser\BROWSER.EXE)"},
        // Without ".exe" the command comes back whole.
        {R"("C:\Tools\open.cmd" "%1")", R"("C:\Tools\open.cmd" "%1")"},
        {"", ""},
    };
    for (const Cut& cut : cuts) {
        EXPECT_EQ(ProgramOfOpenCommand(cut.command), cut.expected) << cut.command;
    }
}

TEST(DefaultValueBytes, TextsNeverRunPastTheBytesOrAZeroByte) {
    const std::string terminated = "abc\0"s;
    EXPECT_EQ(TextUpToZeroByte(terminated.data(), terminated.size()), "abc");
    EXPECT_EQ(TextUpToZeroByte("abcdef", 3), "abc");
    EXPECT_EQ(TextUpToZeroByte("ab\0cd", 5), "ab");
    EXPECT_EQ(TextUpToZeroByte("", 0), "");

    EXPECT_EQ(TextOfTerminatedBytes(terminated.data(), terminated.size()), "abc");
    EXPECT_EQ(TextOfTerminatedBytes("ab\0cd", 5), "ab");
    EXPECT_EQ(TextOfTerminatedBytes("x", 1), "");
    EXPECT_EQ(TextOfTerminatedBytes("", 0), "");
}

} // namespace
