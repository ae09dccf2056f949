#include "host/command_cuts.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// The host discovery tests walk every road through the registry once; these are the odd commands.
TEST(CommandCuts, EachRoadCutsTheHostDirectoryOutOfItsCommand) {
    const std::tuple<Text (*)(const Text&), const char*, const char*> cuts[] = {
        {DirectCommandDirectory, R"(D:\PB 4\PureBasic.exe /x "%1")", R"(D:\PB 4\)"},
        {DirectCommandDirectory, R"("C:\PB\PureBasic.exe)", R"(C:\PB\)"},
        {DirectCommandDirectory, R"(PureBasic.exe "%1")", ""},
        {SearchedCommandDirectory, R"("E:\Apps\Editor.exe" "E:\PB\PureBasic.exe")", ""},
        {AssociatedProgramDirectory, R"(F:\PB4\PureBasic.exe )", R"(F:\PB4\)"},
        // Unquoted, the one character after ".exe" stays.
        {ProgramOfOpenCommand, R"(C:\Web\browser.exe -url "%1")", R"(C:\Web\browser.exe )"},
        {ProgramOfOpenCommand, R"(C:\Web\BROWSER.EXE)", R"(C:\Web\BROWSER.EXE)"},
    };
    for (const auto& [cut, command, expected] : cuts) {
        EXPECT_EQ(cut(command), expected) << command;
    }
    EXPECT_EQ(TextOfTerminatedBytes("ab\0cd", 5), "ab");
    EXPECT_EQ(TextOfTerminatedBytes("abc", 0), "");
}

} // namespace
