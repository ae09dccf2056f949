#include "installer/version_record.h"
#include "registry/root_keys.h"
#include "support/scratch_folder.h"
#include "support/scratch_key.h"

#include <gtest/gtest.h>

#include <aclapi.h>
#include <sddl.h>

#include <optional>
#include <vector>

namespace {

using std::string_literals::operator""s;

const Text kRecordKey = R"(Software\Velkadia\Qorp400)";
const Text kMakerKey = R"(Software\Velkadia)";

// Keeps the product's own record of this user out of the way and puts it back afterwards.
class SavedProductRecord {
  public:
    SavedProductRecord() {
        makerWasThere_ = KeyIsThere(kHkeyCurrentUser, kMakerKey);
        if (KeyIsThere(kHkeyCurrentUser, kRecordKey)) {
            version_ = RawStringValue(kHkeyCurrentUser, kRecordKey, "Version");
            date_ = RawStringValue(kHkeyCurrentUser, kRecordKey, "Date");
        }
        Clear();
    }
    ~SavedProductRecord() {
        Clear();
        if (version_) {
            MakeKey(kHkeyCurrentUser, kRecordKey);
            Put("Version", *version_);
            Put("Date", *date_);
        }
        if (!makerWasThere_) {
            RemoveKeyTree(kHkeyCurrentUser, kMakerKey);
        }
    }
    static void Clear() { RemoveKeyTree(kHkeyCurrentUser, kRecordKey); }

  private:
    static void Put(const Text& name, const std::string& raw) {
        if (raw != "<missing>") {
            PutRawValue(kHkeyCurrentUser, kRecordKey, name, REG_SZ, raw);
        }
    }
    bool makerWasThere_ = false;
    std::optional<std::string> version_;
    std::optional<std::string> date_;
};

bool FileIsThere(const Text& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class VersionRecordTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(host.Valid());
        ASSERT_TRUE(host.MakeFolders(R"(examples\ZentLibs)"));
    }
    Text Marker() const { return VersionMarkerPath(host.Path()); }
    void PutMarker(const std::string& content) const {
        ASSERT_TRUE(
            WriteWholeFile(Marker(), std::vector<unsigned char>(content.begin(), content.end())));
    }
    static void PutRecord(const std::string& version, const std::string& date) {
        ASSERT_TRUE(MakeKey(kHkeyCurrentUser, kRecordKey));
        ASSERT_TRUE(PutRawValue(kHkeyCurrentUser, kRecordKey, "Version", REG_SZ, version + '\0'));
        ASSERT_TRUE(PutRawValue(kHkeyCurrentUser, kRecordKey, "Date", REG_SZ, date + '\0'));
    }
    static std::string Stored(const Text& name) {
        return RawStringValue(kHkeyCurrentUser, kRecordKey, name);
    }

    SavedProductRecord saved;
    ScratchFolder host;
};

TEST_F(VersionRecordTest, NothingRecordedGivesZeroAndEmptyDate) {
    const VersionRecord record = ReadInstalledVersion(host.Path());
    EXPECT_EQ(record.version, 0);
    EXPECT_EQ(record.date, "");
    EXPECT_FALSE(KeyIsThere(kHkeyCurrentUser, kRecordKey));
}

TEST_F(VersionRecordTest, AWrittenRecordIsReadBack) {
    EXPECT_TRUE(WriteInstalledVersion(1006, "12.07.2007"));
    EXPECT_EQ(Stored("Version"), "1006\0"s);
    EXPECT_EQ(Stored("Date"), "12.07.2007\0"s);
    const VersionRecord record = ReadInstalledVersion(host.Path());
    EXPECT_EQ(record.version, 1006);
    EXPECT_EQ(record.date, "12.07.2007");
    // Over an older record.
    EXPECT_TRUE(WriteInstalledVersion(1007, "01.01.2008"));
    EXPECT_EQ(ReadInstalledVersion(host.Path()).version, 1007);
}

TEST_F(VersionRecordTest, RegistryVersionTextsReadAsTheirLeadingNumber) {
    const std::vector<std::pair<std::string, int32_t>> texts = {
        {"1006", 1006}, {"1006abc", 1006}, {" 1006", 1006}, {"\t1006", 1006},
        {"abc", 0},     {"", 0},           {"+1005", 1005},
    };
    for (const auto& [text, number] : texts) {
        PutRecord(text, "12.07.2007");
        EXPECT_EQ(ReadInstalledVersion(host.Path()).version, number) << text;
    }
}

TEST_F(VersionRecordTest, RegistryValuesOfAnotherTypeReadAsNothing) {
    ASSERT_TRUE(MakeKey(kHkeyCurrentUser, kRecordKey));
    ASSERT_TRUE(PutRawValue(kHkeyCurrentUser, kRecordKey, "Version", REG_DWORD, "\xEE\x03\0\0"s));
    ASSERT_TRUE(PutRawValue(kHkeyCurrentUser, kRecordKey, "Date", REG_EXPAND_SZ, "12.07.2007\0"s));
    const VersionRecord record = ReadInstalledVersion(host.Path());
    EXPECT_EQ(record.version, 0);
    EXPECT_EQ(record.date, "");
}

TEST_F(VersionRecordTest, AMarkerMovesIntoAnEmptyRegistryAndIsThenRemoved) {
    PutMarker("1005\r\n01.06.2007\r\n");
    const VersionRecord record = ReadInstalledVersion(host.Path());
    EXPECT_EQ(record.version, 1005);
    EXPECT_EQ(record.date, "01.06.2007");
    EXPECT_FALSE(FileIsThere(Marker()));
    EXPECT_EQ(Stored("Version"), "1005\0"s);
    EXPECT_EQ(Stored("Date"), "01.06.2007\0"s);
    // The next start, even after a cancelled run, still knows the version.
    const VersionRecord next = ReadInstalledVersion(host.Path());
    EXPECT_EQ(next.version, 1005);
    EXPECT_EQ(next.date, "01.06.2007");
}

TEST_F(VersionRecordTest, AMarkerBesideARegistryRecordIsReadAndRemovedLeavingTheRecord) {
    PutRecord("1006", "12.07.2007");
    PutMarker("1004\n15.03.2007\n");
    const VersionRecord record = ReadInstalledVersion(host.Path());
    EXPECT_EQ(record.version, 1004);
    EXPECT_EQ(record.date, "15.03.2007");
    EXPECT_FALSE(FileIsThere(Marker()));
    EXPECT_EQ(Stored("Version"), "1006\0"s);
    EXPECT_EQ(Stored("Date"), "12.07.2007\0"s);
}

TEST_F(VersionRecordTest, ReadOnlyAndHiddenMarkersAreStillRemoved) {
    for (DWORD attributes :
         {FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_HIDDEN,
          FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM}) {
        SavedProductRecord::Clear();
        PutMarker("1005\r\n01.06.2007");
        ASSERT_TRUE(SetFileAttributesA(Marker().c_str(), attributes));
        EXPECT_EQ(ReadInstalledVersion(host.Path()).version, 1005) << attributes;
        EXPECT_FALSE(FileIsThere(Marker())) << attributes;
    }
}

struct MarkerContent {
    const char* what;
    std::string content;
    int32_t version;
    Text date;
};

TEST_F(VersionRecordTest, OddMarkersGiveWhatTheirFirstTwoLinesHold) {
    const std::vector<MarkerContent> markers = {
        {"empty", "", 0, ""},
        {"one line", "1005", 1005, ""},
        {"one line ended", "1005\r\n", 1005, ""},
        {"lone CR line ends", "1005\r01.06.2007\rmore", 1005, "01.06.2007"},
        {"further lines", "1005\n01.06.2007\nx\ny\n", 1005, "01.06.2007"},
        {"no number", "Quorrel\r\n01.06.2007", 0, "01.06.2007"},
        {"binary", "\x01\xFF\x80\r\n\xFE\xFD", 0, "\xFE\xFD"},
        {"zero byte ends a line", "1005\0garbage\n"s, 1005, "garbage"},
        {"very long", std::string(100000, '7') + "\n" + std::string(70000, 'd') + "\n", 0,
         Text(70000, 'd')},
    };
    for (const MarkerContent& marker : markers) {
        SCOPED_TRACE(marker.what);
        SavedProductRecord::Clear();
        PutMarker(marker.content);
        const VersionRecord record = ReadInstalledVersion(host.Path());
        if (marker.content.size() < 1000) {
            EXPECT_EQ(record.version, marker.version);
        }
        EXPECT_EQ(record.date, marker.date);
        EXPECT_FALSE(FileIsThere(Marker()));
        EXPECT_EQ(ReadInstalledVersion(host.Path()).date, marker.date);
    }
}

TEST_F(VersionRecordTest, AnEmptyHostDirectoryLooksInTheCurrentDirectory) {
    PutMarker("1005\r\n01.06.2007\r\n");
    char previous[MAX_PATH + 1] = {};
    ASSERT_NE(GetCurrentDirectoryA(sizeof previous, previous), 0u);
    ASSERT_TRUE(SetCurrentDirectoryA(host.Path().c_str()));
    const VersionRecord record = ReadInstalledVersion("");
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(record.version, 1005);
    EXPECT_FALSE(FileIsThere(Marker()));
}

// Lets everybody read the record key but nobody change it, until the guard ends.
class LockedRecordKey {
  public:
    LockedRecordKey() { locked_ = SetAccess("D:P(A;;KR;;;WD)(A;;WD;;;OW)"); }
    ~LockedRecordKey() { SetAccess("D:P(A;;KA;;;WD)"); }
    bool Locked() const { return locked_; }

  private:
    static bool SetAccess(const char* text) {
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(text, SDDL_REVISION_1,
                                                                  &descriptor, nullptr)) {
            return false;
        }
        HKEY key = nullptr;
        bool done = RegOpenKeyExA(HKEY_CURRENT_USER, kRecordKey.c_str(), 0, WRITE_DAC, &key) ==
                    ERROR_SUCCESS;
        if (done) {
            done = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor) == ERROR_SUCCESS;
            RegCloseKey(key);
        }
        LocalFree(descriptor);
        return done;
    }
    bool locked_ = false;
};

TEST_F(VersionRecordTest, AMarkerStaysWhenTheRegistryCannotTakeItsRecord) {
    ASSERT_TRUE(MakeKey(kHkeyCurrentUser, kRecordKey));
    const LockedRecordKey lock;
    ASSERT_TRUE(lock.Locked());
    EXPECT_FALSE(WriteInstalledVersion(1006, "12.07.2007"));
    PutMarker("1005\r\n01.06.2007\r\n");
    const VersionRecord record = ReadInstalledVersion(host.Path());
    EXPECT_EQ(record.version, 1005);
    EXPECT_EQ(record.date, "01.06.2007");
    EXPECT_TRUE(FileIsThere(Marker()));
    EXPECT_EQ(Stored("Version"), "<missing>");
}

} // namespace
