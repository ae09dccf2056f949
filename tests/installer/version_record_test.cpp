#include "installer/version_record.h"
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
    void TearDown() override {
        MakeKeyReadOnly(kRecordKey, false);
        RemoveKeyTree(kHkeyCurrentUser, R"(Software\Velkadia)");
    }
    // Reads the record with this marker and tells whether the marker is still there.
    bool ReadWithMarker(const std::string& content, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
        const Text marker = VersionMarkerPath(host.Path());
        EXPECT_TRUE(host.MakeFolders(R"(examples\ZentLibs)") &&
                    WriteWholeFile(marker, {content.begin(), content.end()}) &&
                    SetFileAttributesA(marker.c_str(), attributes));
        record = ReadInstalledVersion(host.Path());
        return GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    // "Version|Date" as the registry holds them.
    static std::string Stored() {
        return RawStringValue(kHkeyCurrentUser, kRecordKey, "Version") + "|" +
               RawStringValue(kHkeyCurrentUser, kRecordKey, "Date");
    }
    ScratchFolder host;
    VersionRecord record;
};

TEST_F(VersionRecordTest, MarkersGiveWhatTheirFirstTwoLinesHoldAndGoOnceTheRegistryHasARecord) {
    EXPECT_EQ(ReadInstalledVersion(host.Path()).version, 0);
    const std::tuple<std::string, DWORD, int32_t, Text> markers[] = {
        {"1005\r\n01.06.2007", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN, 1005, "01.06.2007"},
        {"", FILE_ATTRIBUTE_HIDDEN, 0, ""},
        {"\x01\xFF\x80\r\n\xFE\xFD", FILE_ATTRIBUTE_NORMAL, 0, "\xFE\xFD"},
        {"1005\0garbage\n"s, FILE_ATTRIBUTE_NORMAL, 1005, "garbage"},
    };
    for (const auto& [content, attributes, version, date] : markers) {
        SCOPED_TRACE(content.substr(0, 20));
        RemoveKeyTree(kHkeyCurrentUser, kRecordKey);
        EXPECT_FALSE(ReadWithMarker(content, attributes));
        EXPECT_EQ(record.version, version);
        EXPECT_EQ(record.date, date);
        EXPECT_EQ(ReadInstalledVersion(host.Path()).date, date); // moved into the registry
    }
    // Beside a record the marker is read once and goes; the record stays.
    ASSERT_TRUE(WriteInstalledVersion(1007, "20.08.2007"));
    EXPECT_EQ(Stored(), "1007\0|20.08.2007\0"s);
    EXPECT_FALSE(ReadWithMarker("1004\n15.03.2007\n"));
    EXPECT_EQ(std::to_string(record.version) + "|" + record.date, "1004|15.03.2007");
    EXPECT_EQ(Stored(), "1007\0|20.08.2007\0"s);
    record = ReadInstalledVersion(host.Path());
    EXPECT_EQ(std::to_string(record.version) + "|" + record.date, "1007|20.08.2007");
}

TEST_F(VersionRecordTest, AMarkerStaysWhenTheRegistryCannotTakeItsRecord) {
    ASSERT_TRUE(MakeKey(kHkeyCurrentUser, kRecordKey));
    ASSERT_TRUE(MakeKeyReadOnly(kRecordKey, true));
    EXPECT_FALSE(WriteInstalledVersion(1006, "12.07.2007"));
    EXPECT_TRUE(ReadWithMarker("1005\r\n01.06.2007\r\n"));
    EXPECT_EQ(record.version, 1005);
    EXPECT_EQ(Stored(), "<missing>|<missing>");
}

} // namespace
