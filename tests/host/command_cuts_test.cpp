#include "host/command_cuts.h"
#include "registry/value_text.h"

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
    // The association reads take the last byte returned as the terminator, whatever it is.
    using std::string_view_literals::operator""sv;
    EXPECT_EQ(ValueText("ab\0cd"sv, ValueBytes::LastByteTerminates), "ab");
    EXPECT_EQ(ValueText("abc", ValueBytes::LastByteTerminates), "ab");
    EXPECT_EQ(ValueText("", ValueBytes::LastByteTerminates), "");
}

} // namespace
