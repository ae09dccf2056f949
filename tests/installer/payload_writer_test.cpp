// Writing the carried files into an install directory.
#include "installer/payload_writer.h"

#include "runtime/file_write_hook.h"
#include "runtime/files.h"
#include "runtime/owned_handle.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

namespace {

std::vector<unsigned char> BlockOf(const PayloadItem& item) {
    return {item.bytes, item.bytes + item.size};
}

class PayloadWriting : public ::testing::Test {
  protected:
    void SetUp() override {
        // The folders an install run has made by the time it writes the carried files.
        ASSERT_TRUE(folder_.MakeFolders("purelibraries\\userlibraries") &&
                    folder_.MakeFolders("help") &&
                    folder_.MakeFolders("examples\\ZentLibs\\Bilder"));
    }
    void TearDown() override { SetFileWriteFunctionForTesting(nullptr); }
    ScratchFolder folder_;
};

TEST_F(PayloadWriting, EveryFileWithATargetArrivesByteForByteOverAnyOldFile) {
    const PayloadItem& example = PayloadItemAt(kExample1Item);
    // Hidden and longer than the block, so a file that is not truncated shows its old tail.
    const std::string examplePath = folder_.Path() + example.target;
    ASSERT_TRUE(WriteWholeFile(examplePath, std::vector<unsigned char>(example.size + 5000, 'x')));
    ASSERT_TRUE(SetFileAttributesA(examplePath.c_str(), FILE_ATTRIBUTE_HIDDEN));
    for (PayloadIndex index :
         {kLibraryItem, kHelpItem, kExample1Item, kExample2Item, kExamplePictureItem}) {
        const PayloadItem& item = PayloadItemAt(index);
        SCOPED_TRACE(item.target);
        ASSERT_EQ(WritePayloadItem(item, folder_.Path()), 1);
        const FileBytes back = ReadWholeFile(folder_.Path() + item.target);
        EXPECT_TRUE(back.ok && back.bytes == BlockOf(item)) << "contents differ from the block";
    }
}

TEST_F(PayloadWriting, TheDialogPictureAMissingFolderOrALockedFileWriteNothing) {
    ScratchFolder bare;
    EXPECT_EQ(WritePayloadItem(PayloadItemAt(kDialogPictureItem), bare.Path()), 0);
    EXPECT_EQ(WritePayloadItem(PayloadItemAt(kLibraryItem), bare.Path()), 0);
    EXPECT_TRUE(bare.Valid() && bare.Entries().empty());

    const PayloadItem& item = PayloadItemAt(kExamplePictureItem);
    const std::vector<unsigned char> old(100, 'o');
    ASSERT_TRUE(WriteWholeFile(folder_.Path() + item.target, old));
    {
        // Read-only does not stop an administrator under Wine; a handle without sharing does.
        OwnedFile holder(CreateFileA((folder_.Path() + item.target).c_str(), GENERIC_READ, 0,
                                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(holder.Valid());
        EXPECT_EQ(WritePayloadItem(item, folder_.Path()), 0);
    }
    const FileBytes back = ReadWholeFile(folder_.Path() + item.target);
    EXPECT_TRUE(back.ok && back.bytes == old) << "the locked file was changed";
}

// A disk that fills after this many bytes: what still fits is written, then the write fails,
// or (g_failsSilently) claims success for the short count.
DWORD g_bytesAllowed = 0;
DWORD g_bytesTaken = 0;
bool g_failsSilently = false;

BOOL WINAPI WriteUntilDiskFull(HANDLE file, LPCVOID data, DWORD length, LPDWORD written,
                               LPOVERLAPPED overlapped) {
    const DWORD taken = std::min(length, g_bytesAllowed - g_bytesTaken);
    *written = 0;
    if (taken > 0 && !WriteFile(file, data, taken, written, overlapped)) {
        return FALSE;
    }
    g_bytesTaken += *written;
    SetLastError(*written < length ? ERROR_DISK_FULL : ERROR_SUCCESS);
    return *written == length || g_failsSilently;
}

TEST_F(PayloadWriting, ADiskFillingInTheMiddleOrAtTheFinalFlushIsReportedAsFailure) {
    static_assert(kFileBufferSize == 4096, "the cases below are laid out for 4096-byte buffers");
    const struct {
        int32_t fileSize;
        DWORD bytesAllowed;
        bool failsSilently;
    } cases[] = {
        // Several buffers long: the disk fills in the middle of the second buffer.
        {13151, 5000, false},
        {13151, 5000, true},
        // Smaller than one buffer: the only write is the flush when the file is closed.
        {1000, 0, false},
        {1000, 100, true},
        // The last, partly filled buffer of a larger file.
        {13151, 12288, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.fileSize) + " bytes onto room for " +
                     std::to_string(c.bytesAllowed) + (c.failsSilently ? ", silently" : ""));
        std::vector<unsigned char> block(c.fileSize);
        for (size_t i = 0; i < block.size(); ++i) {
            block[i] = static_cast<unsigned char>(i * 7);
        }
        g_bytesAllowed = c.bytesAllowed;
        g_bytesTaken = 0;
        g_failsSilently = c.failsSilently;
        SetFileWriteFunctionForTesting(WriteUntilDiskFull);
        EXPECT_EQ(
            WritePayloadItem({block.data(), c.fileSize, "filled.bin", "", ""}, folder_.Path()), 0);
        SetFileWriteFunctionForTesting(nullptr);
        EXPECT_EQ(g_bytesTaken, c.bytesAllowed) << "the write never reached the full disk";
        // The half-written file was closed: nothing still holds it.
        EXPECT_TRUE(DeleteFileA((folder_.Path() + "filled.bin").c_str()));
    }
}

} // namespace
