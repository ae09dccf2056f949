#include "host/command_cuts.h"

#include <gtest/gtest.h>

namespace {

// The registry-driven host discovery tests walk every road once; these are the odd commands.
TEST(CommandCuts, EachRoadCutsTheHostDirectoryOutOfItsCommand) {
    const struct {
        Text (*cut)(const Text&);
        const char* command;
        const char* expected;
    } cuts[] = {
        {DirectCommandDirectory, R"(D:\PB 4\PureBasic.exe /x "%1")", R"(D:\PB 4\)"},
        {DirectCommandDirectory, R"("C:\PB\PureBasic.exe" /PORT "C:\x\%1")", R"(C:\PB\)"},
        {DirectCommandDirectory, R"("C:\PB\PureBasic.exe)", R"(C:\PB\)"},
        {DirectCommandDirectory, R"(PureBasic.exe "%1")", ""},
        {DirectCommandDirectory, "", ""},
        {ToolkitCommandDirectory, R"(d:\pb\purebasic.exe)", R"(D:\PB\)"},
        {ToolkitCommandDirectory, R"("C:\Tools\Editor.exe" "%1")", ""},
        {SearchedCommandDirectory, R"(E:\Apps\PureBasic.exe "%1")", R"(E:\APPS\)"},
        {SearchedCommandDirectory, R"("E:\Apps\Editor.exe" "E:\PB\PureBasic.exe")", ""},
        {AssociatedProgramDirectory, R"(F:\PB4\PureBasic.exe )", R"(F:\PB4\)"},
        {AssociatedProgramDirectory, R"(C:\Windows\notepad.exe)", ""},
        // Unquoted, the one character after ".exe" stays.
        {ProgramOfOpenCommand, R"(C:\Web\browser.exe -url "%1")", R"(C:\Web\browser.exe )"},
        {ProgramOfOpenCommand, R"(C:\Web\BROWSER.EXE)", R"(C:\Web\BROWSER.EXE)"},
    };
    for (const auto& row : cuts) {
        EXPECT_EQ(row.cut(row.command), row.expected) << row.command;
    }
}

TEST(CommandCuts, DefaultValueTextsNeverRunPastTheBytesOrAZeroByte) {
    EXPECT_EQ(TextUpToZeroByte("abcdef", 3), "abc");
    EXPECT_EQ(TextUpToZeroByte("ab\0cd", 5), "ab");
    EXPECT_EQ(TextOfTerminatedBytes("ab\0cd", 5), "ab");
    EXPECT_EQ(TextOfTerminatedBytes("abc", 4), "abc");
    EXPECT_EQ(TextOfTerminatedBytes("x", 1), "");
    EXPECT_EQ(TextOfTerminatedBytes("", 0), "");
}

} // namespace
