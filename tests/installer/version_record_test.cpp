#include "installer/version_number.h"
#include "installer/version_record.h"
#include "registry/root_keys.h"
#include "support/scratch_folder.h"
#include "support/scratch_key.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using std::string_literals::operator""s;

const Text kRecordKey = R"(Software\Velkadia\Qorp400)";

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
    // Reads the record with this marker (if any) and tells whether the marker is still there.
    bool ReadWithMarker(const std::string& content, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
        const Text marker = VersionMarkerPath(host.Path());
        EXPECT_TRUE(WriteWholeFile(marker, {content.begin(), content.end()}) &&
                    SetFileAttributesA(marker.c_str(), attributes));
        record = ReadInstalledVersion(host.Path());
        return GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    static std::string Stored(const Text& name) {
        return RawStringValue(kHkeyCurrentUser, kRecordKey, name);
    }
    ScratchFolder host;
    VersionRecord record;
};

TEST_F(VersionRecordTest, AWrittenRecordIsReadBackAndTextsReadAsTheirLeadingNumber) {
    EXPECT_EQ(ReadInstalledVersion(host.Path()).version, 0);
    EXPECT_TRUE(WriteInstalledVersion(1006, "12.07.2007"));
    EXPECT_EQ(Stored("Version") + "|" + Stored("Date"), "1006\0|12.07.2007\0"s);
    EXPECT_EQ(ReadInstalledVersion(host.Path()).date, "12.07.2007");
    const std::pair<std::string, int32_t> texts[] = {
        {"1006", 1006}, {"1006abc", 1006}, {" 1006", 1006}, {"abc", 0}};
    for (const auto& [text, number] : texts) {
        ASSERT_TRUE(PutRawValue(kHkeyCurrentUser, kRecordKey, "Version", REG_SZ, text + '\0'));
        EXPECT_EQ(ReadInstalledVersion(host.Path()).version, number) << text;
    }
    ASSERT_TRUE(PutRawValue(kHkeyCurrentUser, kRecordKey, "Date", REG_EXPAND_SZ, "12.07.2007\0"s));
    EXPECT_EQ(ReadInstalledVersion(host.Path()).date, "");
}

TEST_F(VersionRecordTest, AMarkerMovesIntoAnEmptyRegistryButNeverOverARecord) {
    EXPECT_FALSE(ReadWithMarker("1005\r\n01.06.2007\r\n"));
    EXPECT_EQ(record.version, 1005);
    // The next start, even after a cancelled run, still knows the version.
    EXPECT_EQ(ReadInstalledVersion(host.Path()).date, "01.06.2007");
    EXPECT_FALSE(ReadWithMarker("1004\n15.03.2007\n"));
    EXPECT_EQ(record.version, 1004);
    EXPECT_EQ(record.date, "15.03.2007");
    EXPECT_EQ(Stored("Version") + "|" + Stored("Date"), "1005\0|01.06.2007\0"s);
}

TEST_F(VersionRecordTest, OddReadOnlyOrHiddenMarkersGiveWhatTheirFirstTwoLinesHoldAndGo) {
    const std::tuple<std::string, DWORD, int32_t, Text> markers[] = {
        {"1005\r\n01.06.2007", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN, 1005, "01.06.2007"},
        {"", FILE_ATTRIBUTE_HIDDEN, 0, ""},
        {"1005", FILE_ATTRIBUTE_NORMAL, 1005, ""},
        {"\x01\xFF\x80\r\n\xFE\xFD", FILE_ATTRIBUTE_NORMAL, 0, "\xFE\xFD"},
        {"1005\0garbage\n"s, FILE_ATTRIBUTE_NORMAL, 1005, "garbage"},
        // Only surviving counts for a first line of 100000 digits.
        {std::string(100000, '7') + "\n" + Text(70000, 'd'), FILE_ATTRIBUTE_NORMAL, -1,
         Text(70000, 'd')},
    };
    for (const auto& [content, attributes, version, date] : markers) {
        SCOPED_TRACE(content.substr(0, 20));
        RemoveKeyTree(kHkeyCurrentUser, kRecordKey);
        EXPECT_FALSE(ReadWithMarker(content, attributes));
        if (version >= 0) {
            EXPECT_EQ(record.version, version);
        }
        EXPECT_EQ(record.date, date);
        EXPECT_EQ(ReadInstalledVersion(host.Path()).date, date);
    }
}

TEST_F(VersionRecordTest, AMarkerStaysWhenTheRegistryCannotTakeItsRecord) {
    ASSERT_TRUE(MakeKey(kHkeyCurrentUser, kRecordKey));
    ASSERT_TRUE(MakeKeyReadOnly(kRecordKey, true));
    EXPECT_FALSE(WriteInstalledVersion(1006, "12.07.2007"));
    EXPECT_TRUE(ReadWithMarker("1005\r\n01.06.2007\r\n"));
    EXPECT_EQ(record.version, 1005);
    EXPECT_EQ(Stored("Version"), "<missing>");
}

TEST(VersionNumber, DottedTextsBecomeComparableNumbersShownInThreeGroups) {
    const std::pair<Text, int32_t> versions[] = {{"1.06", 1006}, {"1.6", 1006},  {"1.10", 1010},
                                                 {"2.1", 2001},  {"", 0},        {"1x06", 1006},
                                                 {"x.06", 0},    {"1.069", 1006}};
    for (const auto& [text, number] : versions) {
        EXPECT_EQ(VersionNumberFromText(text), number) << text;
    }
    EXPECT_EQ(VersionDisplayText(1006), "000.001.006");
    // More than nine digits: only the first nine are shown.
    EXPECT_EQ(VersionDisplayText(1234567890), "123.456.789");
}

} // namespace
