#include "host/host_discovery.h"
#include "support/scratch_key.h"

#include <gtest/gtest.h>

namespace {

using std::string_literals::operator""s;

const Text kApplications = R"(Applications\PureBasic.exe\shell\open\command)";
const Text kShellEntry = R"(PureBasic.exe\shell\open\command)";

// The shell entries host discovery reads, made in the throwaway classes root of the test run.
class HostDiscovery : public ::testing::Test {
  protected:
    void TearDown() override {
        for (const Text key :
             {R"(Applications\PureBasic.exe)", "PureBasic.exe", ".pb", "QT.pb", ".qtx", "QT.qtx"}) {
            ASSERT_TRUE(RemoveKeyTree(kHkeyClassesRoot, key)) << key;
        }
    }
    static void Put(const Text& path, const Text& text) {
        EXPECT_TRUE(PutRawValue(kHkeyClassesRoot, path, "", REG_SZ, text + '\0')) << path;
    }
    static Text HostWith(const Text& path, const Text& command) {
        Put(path, command);
        return FindHostDirectory();
    }
};

TEST_F(HostDiscovery, EachRoadCountsOnlyWhenTheEarlierOnesFindNoPureBasic) {
    EXPECT_EQ(FindHostDirectory(), "");
    const Text editor = R"("C:\Tools\Editor.exe" "%1")";
    Put(".pb", "QT.pb");
    Put(R"(QT.pb\Shell\Open\Command)", editor);
    EXPECT_EQ(HostWith(kShellEntry, editor), "");
    EXPECT_EQ(HostWith(kApplications, editor), "");
    EXPECT_EQ(HostWith(R"(QT.pb\Shell\Open\Command)", R"("F:\Pb\PureBasic.exe" "%1")"),
              R"(F:\PB\)");
    // "edit" comes before "open" among the subkeys of "shell".
    EXPECT_EQ(HostWith(kShellEntry, R"("E:\Open\PureBasic.exe" "%1")"), R"(E:\OPEN\)");
    EXPECT_EQ(HostWith(R"(PureBasic.exe\shell\edit\command)", R"("E:\Ed\PureBasic.exe")"),
              R"(E:\ED\)");
    // Values that are no command lead on to the next road.
    for (const std::string& bytes : {""s, "\0\0\0"s, "\x01\x02\x03"s, std::string(70000, 'p')}) {
        ASSERT_TRUE(PutRawValue(kHkeyClassesRoot, kApplications, "", REG_BINARY, bytes));
        EXPECT_EQ(FindHostDirectory(), R"(E:\ED\)") << bytes.size();
    }
    // The first road keeps the directory's case. (It reads values of any type: the end-to-end
    // cases.)
    EXPECT_EQ(HostWith(kApplications, R"("C:\One\PureBasic.exe" "%1")"), R"(C:\One\)");
}

TEST_F(HostDiscovery, Windows9xReadsTheLocalMachineClassesInUpperCase) {
    EXPECT_TRUE(IsNtPlatform()) << "Wine counts as the NT family";
    // HKEY_LOCAL_MACHINE\SOFTWARE\Classes is the classes root seen from the machine.
    Put(kApplications, R"("D:\Tools\PB\PureBasic.exe" "%1")");
    EXPECT_EQ(FindHostDirectoryOn(false), R"(D:\TOOLS\PB\)");
    Put(kShellEntry, R"("D:\Direct\PureBasic.exe" "%1")");
    EXPECT_EQ(FindHostDirectoryOn(false), R"(D:\Direct\)");
}

TEST_F(HostDiscovery, AssociatedProgramIsThePathThroughExeOrEmptyWhenAStepFails) {
    // Where the path through ".exe" is cut is the fuzzed command cuts' concern.
    Put(".qtx", "QT.qtx");
    Put(R"(QT.qtx\Shell\Open\Command)", Text(254, 'c'));
    EXPECT_EQ(FindAssociatedProgram("qtx"), Text(254, 'c'));
    Put(R"(QT.qtx\Shell\Open\Command)", Text(255, 'c'));
    EXPECT_EQ(FindAssociatedProgram("qtx"), "");
}

} // namespace
