#include "installer/version_record.h"
#include "registry/root_keys.h"
#include "support/scratch_folder.h"
#include "support/scratch_key.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

using std::string_literals::operator""s;

const Text kRecordKey = R"(Software\Velkadia\Qorp400)";

bool FileIsThere(const Text& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Runs in the throwaway Wine prefix of the test run, so the product's record is the test's own.
class VersionRecordTest : public ::testing::Test {
  protected:
    void SetUp() override {
        TearDown();
        ASSERT_TRUE(host.MakeFolders(R"(examples\ZentLibs)"));
    }
    void TearDown() override {
        MakeKeyReadOnly(kRecordKey, false);
        RemoveKeyTree(kHkeyCurrentUser, R"(Software\Velkadia)");
    }
    Text Marker() const { return VersionMarkerPath(host.Path()); }
    void PutMarker(const std::string& content) const {
        ASSERT_TRUE(WriteWholeFile(Marker(), {content.begin(), content.end()}));
    }
    static void PutRecord(const std::string& version, const std::string& date) {
        ASSERT_TRUE(MakeKey(kHkeyCurrentUser, kRecordKey));
        ASSERT_TRUE(PutRawValue(kHkeyCurrentUser, kRecordKey, "Version", REG_SZ, version + '\0'));
        ASSERT_TRUE(PutRawValue(kHkeyCurrentUser, kRecordKey, "Date", REG_SZ, date + '\0'));
    }
    void ExpectRead(int32_t version, const Text& date) const {
        const VersionRecord record = ReadInstalledVersion(host.Path());
        EXPECT_EQ(record.version, version);
        EXPECT_EQ(record.date, date);
    }
    static std::string Stored(const Text& name) {
        return RawStringValue(kHkeyCurrentUser, kRecordKey, name);
    }
    ScratchFolder host;
};

TEST_F(VersionRecordTest, AWrittenRecordIsReadBackAndTextsReadAsTheirLeadingNumber) {
    ExpectRead(0, "");
    EXPECT_FALSE(KeyIsThere(kHkeyCurrentUser, kRecordKey));
    EXPECT_TRUE(WriteInstalledVersion(1006, "12.07.2007"));
    EXPECT_EQ(Stored("Version"), "1006\0"s);
    EXPECT_EQ(Stored("Date"), "12.07.2007\0"s);
    ExpectRead(1006, "12.07.2007");
    for (const auto& [text, number] : std::vector<std::pair<std::string, int32_t>>{
             {"1006abc", 1006}, {" 1006", 1006}, {"+1005", 1005}, {"abc", 0}, {"", 0}}) {
        PutRecord(text, "12.07.2007");
        EXPECT_EQ(ReadInstalledVersion(host.Path()).version, number) << text;
    }
    ASSERT_TRUE(PutRawValue(kHkeyCurrentUser, kRecordKey, "Version", REG_DWORD, "\xEE\x03\0\0"s));
    ASSERT_TRUE(PutRawValue(kHkeyCurrentUser, kRecordKey, "Date", REG_EXPAND_SZ, "12.07.2007\0"s));
    ExpectRead(0, "");
}

TEST_F(VersionRecordTest, AMarkerMovesIntoAnEmptyRegistryButNeverOverARecord) {
    PutMarker("1005\r\n01.06.2007\r\n");
    ExpectRead(1005, "01.06.2007");
    EXPECT_FALSE(FileIsThere(Marker()));
    // The next start, even after a cancelled run, still knows the version.
    ExpectRead(1005, "01.06.2007");
    PutMarker("1004\n15.03.2007\n");
    ExpectRead(1004, "15.03.2007");
    EXPECT_FALSE(FileIsThere(Marker()));
    EXPECT_EQ(Stored("Version"), "1005\0"s);
    EXPECT_EQ(Stored("Date"), "01.06.2007\0"s);
}

TEST_F(VersionRecordTest, OddReadOnlyOrHiddenMarkersGiveWhatTheirFirstTwoLinesHold) {
    const DWORD kLocked = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    const std::tuple<std::string, DWORD, int32_t, Text> markers[] = {
        {"1005\r\n01.06.2007", FILE_ATTRIBUTE_READONLY, 1005, "01.06.2007"},
        {"1005\r\n01.06.2007", kLocked, 1005, "01.06.2007"},
        {"", FILE_ATTRIBUTE_HIDDEN, 0, ""},
        {"1005", FILE_ATTRIBUTE_NORMAL, 1005, ""},
        {"1005\r01.06.2007\rmore", FILE_ATTRIBUTE_NORMAL, 1005, "01.06.2007"},
        {"Quorrel\r\n01.06.2007", FILE_ATTRIBUTE_NORMAL, 0, "01.06.2007"},
        {"\x01\xFF\x80\r\n\xFE\xFD", FILE_ATTRIBUTE_NORMAL, 0, "\xFE\xFD"},
        {"1005\0garbage\n"s, FILE_ATTRIBUTE_NORMAL, 1005, "garbage"},
        // Only surviving counts for a first line of 100000 digits.
        {std::string(100000, '7') + "\n" + Text(70000, 'd'), 0, -1, Text(70000, 'd')},
    };
    for (const auto& [content, attributes, version, date] : markers) {
        SCOPED_TRACE(content.substr(0, 20));
        RemoveKeyTree(kHkeyCurrentUser, kRecordKey);
        PutMarker(content);
        ASSERT_TRUE(SetFileAttributesA(Marker().c_str(), attributes | FILE_ATTRIBUTE_ARCHIVE));
        const VersionRecord record = ReadInstalledVersion(host.Path());
        if (version >= 0) {
            EXPECT_EQ(record.version, version);
        }
        EXPECT_EQ(record.date, date);
        EXPECT_FALSE(FileIsThere(Marker()));
        EXPECT_EQ(ReadInstalledVersion(host.Path()).date, date);
    }
}

TEST_F(VersionRecordTest, AMarkerStaysWhenTheRegistryCannotTakeItsRecord) {
    ASSERT_TRUE(MakeKey(kHkeyCurrentUser, kRecordKey));
    ASSERT_TRUE(MakeKeyReadOnly(kRecordKey, true));
    EXPECT_FALSE(WriteInstalledVersion(1006, "12.07.2007"));
    PutMarker("1005\r\n01.06.2007\r\n");
    ExpectRead(1005, "01.06.2007");
    EXPECT_TRUE(FileIsThere(Marker()));
    EXPECT_EQ(Stored("Version"), "<missing>");
}

} // namespace
