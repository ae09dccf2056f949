// The carried files as linked into the program, and writing them into an install directory
// (the install-run and end-to-end tests write them all and compare them with their sources).
#include "installer/payload_writer.h"

#include "runtime/system/file_write_hook.h"
#include "runtime/system/files.h"
#include "runtime/system/owned_handle.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

class PayloadWriting : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder_.MakeFolders("examples\\ZentLibs\\Bilder")); }
    std::string PathOf(PayloadIndex index) const {
        return folder_.Path() + PayloadItemAt(index).target;
    }
    ScratchFolder folder_;
};

TEST_F(PayloadWriting, OldFilesAreReplacedByteForByteAndFailedWritesLeaveNoTrace) {
    // The dialog picture is only shown; the others need their folder.
    ScratchFolder bare;
    EXPECT_EQ(WritePayloadItem(PayloadItemAt(kDialogPictureItem), bare.Path()), 0);
    EXPECT_EQ(WritePayloadItem(PayloadItemAt(kLibraryItem), bare.Path()), 0);
    EXPECT_TRUE(!bare.Path().empty() && bare.Entries().empty());
    const PayloadItem& item = PayloadItemAt(kExample1Item);
    ASSERT_TRUE(
        WriteWholeFile(PathOf(kExample1Item), std::vector<unsigned char>(item.size + 5000)));
    ASSERT_TRUE(SetFileAttributesA(PathOf(kExample1Item).c_str(), FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(WritePayloadItem(item, folder_.Path()), 1);
    EXPECT_EQ(ReadWholeFile(PathOf(kExample1Item)).bytes,
              std::vector<unsigned char>(item.bytes, item.bytes + item.size));
    const std::vector<unsigned char> old(100, 'o');
    ASSERT_TRUE(WriteWholeFile(PathOf(kExamplePictureItem), old));
    {
        // Read-only does not stop an administrator under Wine; a handle without sharing does.
        OwnedFile holder(CreateFileA(PathOf(kExamplePictureItem).c_str(), GENERIC_READ, 0, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        EXPECT_EQ(WritePayloadItem(PayloadItemAt(kExamplePictureItem), folder_.Path()), 0);
    }
    EXPECT_EQ(ReadWholeFile(PathOf(kExamplePictureItem)).bytes, old);
}

// A disk that is full after g_room bytes: what still fits is written, then the write fails or
// (g_quiet) claims success for the short count.
DWORD g_room = 0;
bool g_quiet = false;

BOOL WINAPI WriteUntilDiskFull(HANDLE file, LPCVOID data, DWORD length, LPDWORD written,
                               LPOVERLAPPED) {
    if (!WriteFile(file, data, std::min(length, g_room), written, nullptr)) {
        return FALSE;
    }
    g_room -= *written;
    SetLastError(ERROR_DISK_FULL);
    return *written == length || g_quiet;
}

TEST_F(PayloadWriting, ADiskFillingInTheMiddleOrAtTheFinalFlushIsReportedAsFailure) {
    static_assert(kFileBufferSize == 4096, "the cases below are laid out for 4096-byte buffers");
    // Full in the second buffer of a larger file, or at the flush of the only buffer at close.
    const std::tuple<int32_t, DWORD, bool> cases[] = {{13151, 5000, false},
                                                      {13151, 5000, true},
                                                      {13151, 12288, false},
                                                      {1000, 0, false},
                                                      {1000, 100, true}};
    for (const auto& [size, room, quiet] : cases) {
        SCOPED_TRACE(std::to_string(size) + " bytes, room for " + std::to_string(room));
        const std::vector<unsigned char> block(size, 'b');
        g_room = room;
        g_quiet = quiet;
        SetFileWriteFunctionForTesting(WriteUntilDiskFull);
        EXPECT_EQ(WritePayloadItem({block.data(), size, "full.bin", "", ""}, folder_.Path()), 0);
        SetFileWriteFunctionForTesting(nullptr);
        EXPECT_EQ(g_room, 0u) << "the write never reached the full disk";
        // The half-written file was closed: nothing still holds it.
        EXPECT_TRUE(DeleteFileA((folder_.Path() + "full.bin").c_str()));
    }
}

} // namespace
