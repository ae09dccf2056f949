// The carried files as linked into the program: right order, right kinds, nothing lost. The
// build checks each file's kind in depth before linking it.
#include "installer/payload.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using std::string_literals::operator""s;

// Sizes of the carried files the build linked, measured by the build itself.
constexpr int64_t kFileSizes[kPayloadItemCount] = {QUORREL_PAYLOAD_SIZES};

TEST(CarriedFiles, EachBlockIsTheWholeFileOfItsKindRightAfterThePreviousOne) {
    const struct {
        PayloadIndex index;
        std::string start;
        const char* target; // nullptr: shown, never written
    } expected[] = {
        {kLibraryItem, "ERUP", "purelibraries\\userlibraries\\Quorrel_400"},
        {kHelpItem, "ITSF\3\0\0\0"s, "help\\Quorrel400.chm"},
        {kExample1Item, "; Testprogramm\r\n", "examples\\ZentLibs\\ostrel.pb"},
        {kExample2Item, "; Testprogramm Drucken\r\n", "examples\\ZentLibs\\ostrel_using_sample.pb"},
        {kDialogPictureItem, "BM", nullptr},
        {kExamplePictureItem, "\xFF\xD8\xFF\xE0", "examples\\ZentLibs\\Bilder\\printer_image.jpg"},
    };
    const unsigned char* previousEnd = PayloadItemAt(kLibraryItem).bytes;
    for (const auto& row : expected) {
        SCOPED_TRACE(row.index);
        const PayloadItem& item = PayloadItemAt(row.index);
        ASSERT_EQ(item.size, kFileSizes[row.index]) << "block size differs from the file";
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(item.bytes), row.start.size()),
                  row.start);
        EXPECT_STREQ(item.target, row.target);
        // Only the alignment padding of a block may lie between it and the one before.
        EXPECT_GE(item.bytes, previousEnd);
        EXPECT_LT(item.bytes, previousEnd + 4);
        previousEnd = item.bytes + item.size;
    }
}

} // namespace
