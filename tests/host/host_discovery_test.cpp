#include "host/host_discovery.h"
#include "registry/root_keys.h"
#include "support/scratch_key.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using std::string_literals::operator""s;

const Text kApplicationsCommand = R"(Applications\PureBasic.exe\shell\open\command)";
const Text kShellEntryCommand = R"(PureBasic.exe\shell\open\command)";

// The shell entries host discovery reads, made in this test prefix's classes root and removed
// again; none of them may be there before.
class HostDiscovery : public ::testing::Test {
  protected:
    const std::vector<Text> kTopKeys = {R"(Applications\PureBasic.exe)",
                                        "PureBasic.exe",
                                        ".pb",
                                        "QuorrelTest.pb",
                                        ".qtx",
                                        "QuorrelTest.qtx"};

    void SetUp() override {
        for (const Text& key : kTopKeys) {
            ASSERT_FALSE(KeyIsThere(kHkeyClassesRoot, key)) << key << " is there before the test";
        }
    }
    void TearDown() override {
        for (const Text& key : kTopKeys) {
            EXPECT_TRUE(RemoveKeyTree(kHkeyClassesRoot, key)) << key;
        }
    }
    static void Command(const Text& path, const Text& command, DWORD type = REG_SZ) {
        ASSERT_TRUE(MakeKey(kHkeyClassesRoot, path));
        ASSERT_TRUE(PutRawValue(kHkeyClassesRoot, path, "", type, command + '\0'));
    }
    static void FileType(const Text& extension, const Text& typeName, const Text& command) {
        Command("." + extension, typeName);
        Command(typeName + R"(\Shell\Open\Command)", command);
    }
};

TEST_F(HostDiscovery, RunsOnTheNtRoadHere) {
    // The top bit of GetVersion is clear on every NT-family system, Wine included.
    EXPECT_TRUE(IsNtPlatform());
}

struct DirectCase {
    const char* command;
    DWORD type;
    const char* expected;
};

TEST_F(HostDiscovery, ApplicationsEntryGivesTheDirectoryWithItsCase) {
    const std::vector<DirectCase> cases = {
        {R"("C:\Program Files\PureBasic\PureBasic.exe" "%1")", REG_SZ,
         R"(C:\Program Files\PureBasic\)"},
        {R"("C:\PB\PureBasic.exe")", REG_SZ, R"(C:\PB\)"},
        {R"(D:\PB\PureBasic.exe "%1")", REG_SZ, R"(D:\PB\)"},
        {R"("C:\pb\purebasic.exe" "%1")", REG_SZ, R"(C:\pb\)"},
        // Read whatever its type.
        {R"("C:\PB\PureBasic.exe" "%1")", REG_EXPAND_SZ, R"(C:\PB\)"},
        {R"("C:\PB\PureBasic.exe" "%1")", REG_BINARY, R"(C:\PB\)"},
        {R"("C:\Tools\Editor.exe" "%1")", REG_SZ, ""},
    };
    for (const DirectCase& direct : cases) {
        SCOPED_TRACE(direct.command);
        Command(kApplicationsCommand, direct.command, direct.type);
        EXPECT_EQ(FindHostDirectory(), direct.expected);
    }
}

TEST_F(HostDiscovery, ACommandTooLongForTheDirectReadIsTakenAsStringValue) {
    const Text command = "\"C:\\" + Text(520, 'x') + R"(\PureBasic.exe" "%1")";
    Command(kApplicationsCommand, command);
    EXPECT_EQ(FindHostDirectory(), "C:\\" + Text(520, 'X') + "\\");
}

TEST_F(HostDiscovery, ValuesThatAreNoCommandLeadToTheNextRoad) {
    const std::vector<std::string> odd = {"", "\0\0\0\0"s, "\x01\x02\x03\x04"s,
                                          std::string(70000, 'p')};
    for (const std::string& bytes : odd) {
        SCOPED_TRACE(bytes.size());
        ASSERT_TRUE(MakeKey(kHkeyClassesRoot, kApplicationsCommand));
        ASSERT_TRUE(PutRawValue(kHkeyClassesRoot, kApplicationsCommand, "", REG_BINARY, bytes));
        Command(kShellEntryCommand, R"("E:\Apps\PureBasic\PureBasic.exe" "%1")");
        EXPECT_EQ(FindHostDirectory(), R"(E:\APPS\PUREBASIC\)");
    }
}

TEST_F(HostDiscovery, TheShellEntryOfPureBasicIsFoundBySearch) {
    Command(R"(PureBasic.exe\shell\edit\command)", R"("E:\Edit\PureBasic.exe" "%1")");
    Command(kShellEntryCommand, R"("E:\Open\PureBasic.exe" "%1")");
    // "edit" comes before "open" among the subkeys of "shell".
    EXPECT_EQ(FindHostDirectory(), R"(E:\EDIT\)");
}

TEST_F(HostDiscovery, TheFileTypeOfPbIsTheLastRoad) {
    FileType("pb", "QuorrelTest.pb", R"("F:\PB4\PureBasic.exe" "%1")");
    EXPECT_EQ(FindHostDirectory(), R"(F:\PB4\)");
}

TEST_F(HostDiscovery, EarlierRoadsWin) {
    FileType("pb", "QuorrelTest.pb", R"("F:\Four\PureBasic.exe" "%1")");
    Command(kShellEntryCommand, R"("E:\Three\PureBasic.exe" "%1")");
    EXPECT_EQ(FindHostDirectory(), R"(E:\THREE\)");
    Command(kApplicationsCommand, R"("C:\One\PureBasic.exe" "%1")");
    EXPECT_EQ(FindHostDirectory(), R"(C:\One\)");
}

TEST_F(HostDiscovery, NothingRegisteredOrOtherProgramsGiveEmptyText) {
    EXPECT_EQ(FindHostDirectory(), "");
    Command(kApplicationsCommand, R"("C:\Tools\Editor.exe" "%1")");
    Command(kShellEntryCommand, R"("C:\Tools\Editor.exe" "%1")");
    FileType("pb", "QuorrelTest.pb", R"("C:\Tools\Editor.exe" "%1")");
    EXPECT_EQ(FindHostDirectory(), "");
}

TEST_F(HostDiscovery, Windows9xReadsTheLocalMachineClasses) {
    // HKEY_LOCAL_MACHINE\SOFTWARE\Classes is the classes root seen from the machine.
    Command(kApplicationsCommand, R"("D:\Tools\PureBasic\PureBasic.exe" "%1")");
    EXPECT_EQ(FindHostDirectoryOn(false), R"(D:\TOOLS\PUREBASIC\)");
    Command(kShellEntryCommand, R"("D:\Direct\PureBasic.exe" "%1")");
    EXPECT_EQ(FindHostDirectoryOn(false), R"(D:\Direct\)");
}

TEST_F(HostDiscovery, AssociatedProgramIsThePathThroughExe) {
    const std::vector<std::pair<Text, Text>> cases = {
        {R"("C:\Program Files\Internet Explorer\iexplore.exe" -nohome)",
         R"(C:\Program Files\Internet Explorer\iexplore.exe)"},
        {R"(C:\Browser\browser.exe -url "%1")", R"(C:\Browser\browser.exe )"},
        {R"("C:\Tools\open.cmd" "%1")", R"("C:\Tools\open.cmd" "%1")"},
        {Text(254, 'c'), Text(254, 'c')},
        {Text(255, 'c'), ""},
    };
    for (const auto& [command, program] : cases) {
        SCOPED_TRACE(command);
        FileType("qtx", "QuorrelTest.qtx", command);
        EXPECT_EQ(FindAssociatedProgram("qtx"), program);
    }
}

TEST_F(HostDiscovery, AssociatedProgramIsEmptyWhenAStepFails) {
    EXPECT_EQ(FindAssociatedProgram("qtx"), "");
    Command(".qtx", "QuorrelTest.qtx");
    EXPECT_EQ(FindAssociatedProgram("qtx"), "");
    Command(".qtx", Text(255, 't'));
    EXPECT_EQ(FindAssociatedProgram("qtx"), "");
}

} // namespace
