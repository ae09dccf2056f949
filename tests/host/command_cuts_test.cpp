#include "host/command_cuts.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// The host discovery tests walk every road through the registry once, and the fuzzed command
// cuts hold for commands of any form; these are the odd commands that their checks let pass.
TEST(CommandCuts, EachRoadCutsTheHostDirectoryOutOfItsCommand) {
    const std::tuple<Text (*)(const Text&), const char*, const char*> cuts[] = {
        {DirectCommandDirectory, R"(D:\PB 4\PureBasic.exe /x "%1")", R"(D:\PB 4\)"},
        {DirectCommandDirectory, R"("C:\PB\PureBasic.exe)", R"(C:\PB\)"},
        // Unquoted, the one character after ".exe" stays.
        {ProgramOfOpenCommand, R"(C:\Web\browser.exe -url "%1")", R"(C:\Web\browser.exe )"},
    };
    for (const auto& [cut, command, expected] : cuts) {
        EXPECT_EQ(cut(command), expected) << command;
    }
}

} // namespace
