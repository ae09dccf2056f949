// Writing the carried files into an install directory.
#include "installer/payload_writer.h"

#include "runtime/file_write_hook.h"
#include "runtime/files.h"
#include "runtime/owned_handle.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> BlockOf(const PayloadItem& item) {
    return {item.bytes, item.bytes + item.size};
}

// Folders an install run has made by the time it writes the carried files.
bool MakeInstallFolders(const ScratchFolder& folder) {
    return folder.MakeFolders("purelibraries\\userlibraries") && folder.MakeFolders("help") &&
           folder.MakeFolders("examples\\ZentLibs\\Bilder");
}

class PayloadWriting : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.Valid());
        ASSERT_TRUE(MakeInstallFolders(folder_));
    }
    std::string TargetPath(const PayloadItem& item) const { return folder_.Path() + item.target; }

    ScratchFolder folder_;
};

TEST_F(PayloadWriting, EveryFileWithATargetArrivesByteForByte) {
    int written = 0;
    for (int32_t i = 0; i < kPayloadItemCount; ++i) {
        const PayloadItem& item = PayloadItemAt(static_cast<PayloadIndex>(i));
        if (item.target == nullptr) {
            continue;
        }
        SCOPED_TRACE(item.target);
        ASSERT_EQ(WritePayloadItem(item, folder_.Path()), 1);
        const FileBytes back = ReadWholeFile(TargetPath(item));
        ASSERT_TRUE(back.ok);
        EXPECT_EQ(back.bytes.size(), static_cast<size_t>(item.size));
        EXPECT_TRUE(back.bytes == BlockOf(item)) << "contents differ from the block";
        ++written;
    }
    EXPECT_EQ(written, 5);
}

TEST_F(PayloadWriting, DialogPictureIsNeverWritten) {
    ScratchFolder empty;
    ASSERT_TRUE(empty.Valid());
    EXPECT_EQ(WritePayloadItem(PayloadItemAt(kDialogPictureItem), empty.Path()), 0);
    EXPECT_TRUE(empty.Entries().empty());
}

TEST_F(PayloadWriting, MissingTargetFolderFailsAndLeavesNothing) {
    ScratchFolder bare; // no purelibraries\userlibraries inside
    ASSERT_TRUE(bare.Valid());
    EXPECT_EQ(WritePayloadItem(PayloadItemAt(kLibraryItem), bare.Path()), 0);
    EXPECT_TRUE(bare.Entries().empty());
}

TEST_F(PayloadWriting, ExistingHiddenFileIsReplacedWhole) {
    const PayloadItem& item = PayloadItemAt(kExample1Item);
    const std::string path = TargetPath(item);
    // Longer than the block, so a file that is not truncated shows its old tail.
    ASSERT_TRUE(WriteWholeFile(path, std::vector<unsigned char>(item.size + 5000, 'x')));
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN));

    EXPECT_EQ(WritePayloadItem(item, folder_.Path()), 1);
    const FileBytes back = ReadWholeFile(path);
    ASSERT_TRUE(back.ok);
    EXPECT_TRUE(back.bytes == BlockOf(item));
}

TEST_F(PayloadWriting, FileThatCannotBeOpenedForWritingFails) {
    const PayloadItem& item = PayloadItemAt(kExamplePictureItem);
    const std::string path = TargetPath(item);
    const std::vector<unsigned char> old(100, 'o');
    ASSERT_TRUE(WriteWholeFile(path, old));
    {
        // Read-only does not stop an administrator under Wine; a handle without sharing does.
        OwnedFile holder(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(holder.Valid());
        OwnedFile probe(CreateFileA(path.c_str(), GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_FALSE(probe.Valid()) << "the file can still be opened for writing";

        EXPECT_EQ(WritePayloadItem(item, folder_.Path()), 0);
    }
    const FileBytes back = ReadWholeFile(path);
    ASSERT_TRUE(back.ok);
    EXPECT_TRUE(back.bytes == old) << "the locked file was changed";
}

// Stand-ins for WriteFile that run out of disk space.
DWORD g_bytesAllowed = 0;
DWORD g_bytesTaken = 0;

// Takes bytes until the disk is full, then writes what still fits and fails.
BOOL WINAPI WriteUntilDiskFull(HANDLE file, LPCVOID data, DWORD length, LPDWORD written,
                               LPOVERLAPPED overlapped) {
    const DWORD room = g_bytesAllowed - g_bytesTaken;
    const DWORD taken = length < room ? length : room;
    DWORD done = 0;
    if (taken > 0 && !WriteFile(file, data, taken, &done, overlapped)) {
        return FALSE;
    }
    g_bytesTaken += done;
    *written = done;
    if (done < length) {
        SetLastError(ERROR_DISK_FULL);
        return FALSE;
    }
    return TRUE;
}

// Reports success but takes fewer bytes than asked once the disk is full.
BOOL WINAPI WriteShortWhenFull(HANDLE file, LPCVOID data, DWORD length, LPDWORD written,
                               LPOVERLAPPED overlapped) {
    WriteUntilDiskFull(file, data, length, written, overlapped);
    return TRUE;
}

struct FullDiskCase {
    const char* name;
    FileWriteFunction write;
    int32_t fileSize;
    DWORD bytesAllowed;
};

void PrintTo(const FullDiskCase& c, std::ostream* out) {
    *out << c.name;
}

class PayloadWritingOnFullDisk : public PayloadWriting,
                                 public ::testing::WithParamInterface<FullDiskCase> {
  protected:
    void TearDown() override { SetFileWriteFunctionForTesting(nullptr); }
};

TEST_P(PayloadWritingOnFullDisk, ReportsFailure) {
    const FullDiskCase& c = GetParam();
    std::vector<unsigned char> block(c.fileSize);
    for (size_t i = 0; i < block.size(); ++i) {
        block[i] = static_cast<unsigned char>(i * 7);
    }
    const PayloadItem item{block.data(), c.fileSize, "filled.bin", "", ""};
    g_bytesAllowed = c.bytesAllowed;
    g_bytesTaken = 0;
    SetFileWriteFunctionForTesting(c.write);

    EXPECT_EQ(WritePayloadItem(item, folder_.Path()), 0);

    SetFileWriteFunctionForTesting(nullptr);
    EXPECT_EQ(g_bytesTaken, c.bytesAllowed) << "the write never reached the full disk";
    // The half-written file was closed: nothing still holds it.
    EXPECT_TRUE(DeleteFileA(TargetPath(item).c_str()));
}

static_assert(kFileBufferSize == 4096, "the cases below are laid out for 4096-byte buffers");

INSTANTIATE_TEST_SUITE_P(
    Disk, PayloadWritingOnFullDisk,
    ::testing::Values(
        // Several buffers long: the disk fills in the middle of the second buffer.
        FullDiskCase{"FullInTheMiddle", WriteUntilDiskFull, 13151, 5000},
        FullDiskCase{"ShortWriteInTheMiddle", WriteShortWhenFull, 13151, 5000},
        // Smaller than one buffer: the only write is the flush when the file is closed.
        FullDiskCase{"FullAtTheFinalFlush", WriteUntilDiskFull, 1000, 0},
        FullDiskCase{"ShortWriteAtTheFinalFlush", WriteShortWhenFull, 1000, 100},
        // The last, partly filled buffer of a larger file.
        FullDiskCase{"FullAtTheLastBuffer", WriteUntilDiskFull, 13151, 12288}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
