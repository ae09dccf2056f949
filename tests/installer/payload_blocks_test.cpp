// The carried files as linked into the program: right order, right kinds, nothing lost.
#include "installer/payload.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// Sizes of the carried files the build linked, measured by the build itself.
constexpr int64_t kFileSizes[kPayloadItemCount] = {QUORREL_PAYLOAD_SIZES};

uint32_t Le32(const unsigned char* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}
uint16_t Le16(const unsigned char* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

bool StartsWith(const PayloadItem& item, const std::string& text) {
    return item.size >= static_cast<int32_t>(text.size()) &&
           std::memcmp(item.bytes, text.data(), text.size()) == 0;
}

// A program file must open in the host's editor as Windows text: every line ends CR LF.
int BareLineFeeds(const PayloadItem& item) {
    int count = 0;
    for (int32_t i = 0; i < item.size; ++i) {
        if (item.bytes[i] == '\n' && (i == 0 || item.bytes[i - 1] != '\r')) {
            ++count;
        }
    }
    return count;
}

enum class Kind { Library, Help, Program, Bitmap, Jpeg };

struct ExpectedItem {
    PayloadIndex index;
    Kind kind;
    const char* firstLine; // programs only
    const char* target;    // nullptr: shown, never written
};

const ExpectedItem kExpected[] = {
    {kLibraryItem, Kind::Library, nullptr, "purelibraries\\userlibraries\\Quorrel_400"},
    {kHelpItem, Kind::Help, nullptr, "help\\Quorrel400.chm"},
    {kExample1Item, Kind::Program, "; Testprogramm\r\n", "examples\\ZentLibs\\ostrel.pb"},
    {kExample2Item, Kind::Program, "; Testprogramm Drucken\r\n",
     "examples\\ZentLibs\\ostrel_using_sample.pb"},
    {kDialogPictureItem, Kind::Bitmap, nullptr, nullptr},
    {kExamplePictureItem, Kind::Jpeg, nullptr, "examples\\ZentLibs\\Bilder\\printer_image.jpg"},
};

void ExpectKind(const ExpectedItem& expected, const PayloadItem& item) {
    const unsigned char* b = item.bytes;
    switch (expected.kind) {
    case Kind::Library:
        EXPECT_TRUE(StartsWith(item, "ERUP"));
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(b) + 8, 4), "3BIL");
        break;
    case Kind::Help:
        EXPECT_TRUE(StartsWith(item, "ITSF"));
        EXPECT_EQ(Le32(b + 4), 3u) << "ITSF version";
        break;
    case Kind::Program:
        EXPECT_TRUE(StartsWith(item, expected.firstLine));
        EXPECT_EQ(BareLineFeeds(item), 0);
        EXPECT_EQ(std::memchr(b, 0, item.size), nullptr) << "a program file is plain text";
        break;
    case Kind::Bitmap:
        EXPECT_TRUE(StartsWith(item, "BM"));
        EXPECT_EQ(Le32(b + 2), static_cast<uint32_t>(item.size)) << "size in the file header";
        EXPECT_EQ(Le32(b + 10), 1078u) << "pixel data offset";
        EXPECT_EQ(Le32(b + 14), 40u) << "info header size";
        EXPECT_EQ(static_cast<int32_t>(Le32(b + 18)), 110) << "width";
        EXPECT_EQ(static_cast<int32_t>(Le32(b + 22)), 300) << "height (positive: bottom-up)";
        EXPECT_EQ(Le16(b + 26), 1) << "planes";
        EXPECT_EQ(Le16(b + 28), 8) << "bits per pixel";
        EXPECT_EQ(Le32(b + 30), 0u) << "compression";
        EXPECT_EQ(item.size, 1078 + 112 * 300) << "rows of 110 pixels padded to 112 bytes";
        break;
    case Kind::Jpeg:
        EXPECT_TRUE(StartsWith(item, "\xFF\xD8\xFF\xE0"));
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(b) + 6, 5), std::string("JFIF", 5));
        EXPECT_EQ(b[item.size - 2], 0xFF);
        EXPECT_EQ(b[item.size - 1], 0xD9);
        break;
    }
}

TEST(CarriedFiles, EachBlockIsTheWholeFileOfItsKindWithItsTarget) {
    for (const ExpectedItem& expected : kExpected) {
        SCOPED_TRACE("item " + std::to_string(expected.index));
        const PayloadItem& item = PayloadItemAt(expected.index);
        ASSERT_NE(item.bytes, nullptr);
        ASSERT_EQ(item.size, kFileSizes[expected.index]) << "block size differs from the file";
        ASSERT_GE(item.size, 12);
        ExpectKind(expected, item);
        if (expected.target == nullptr) {
            EXPECT_EQ(item.target, nullptr);
        } else {
            ASSERT_NE(item.target, nullptr);
            EXPECT_STREQ(item.target, expected.target);
            EXPECT_NE(item.successText, nullptr);
            EXPECT_NE(item.failureText, nullptr);
        }
    }
}

TEST(CarriedFiles, BlocksLieInTableOrderWithoutOverlapping) {
    for (int32_t i = 1; i < kPayloadItemCount; ++i) {
        const PayloadItem& before = PayloadItemAt(static_cast<PayloadIndex>(i - 1));
        const PayloadItem& item = PayloadItemAt(static_cast<PayloadIndex>(i));
        const auto gap = item.bytes - (before.bytes + before.size);
        // Only the alignment padding of the next block may lie between two blocks.
        EXPECT_GE(gap, 0) << "block " << i << " starts inside block " << i - 1;
        EXPECT_LT(gap, 4) << "block " << i << " is not right after block " << i - 1;
    }
}

} // namespace
