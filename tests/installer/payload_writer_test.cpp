// Writing one carried file into an install directory when the disk gives out. Replacing files
// byte for byte and locked files are proven by the file service's and the install run's tests.
#include "installer/payload_writer.h"

#include "runtime/system/file_write_hook.h"
#include "runtime/system/files.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

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

TEST(PayloadWriting, ADiskFillingInTheMiddleOrAtTheFinalFlushIsReportedAsFailure) {
    static_assert(kFileBufferSize == 4096, "the cases below are laid out for 4096-byte buffers");
    ScratchFolder folder;
    // The dialog picture is only shown, never written.
    EXPECT_EQ(WritePayloadItem(PayloadItemAt(kDialogPictureItem), folder.Path()), 0);
    EXPECT_TRUE(folder.Entries().empty());
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
        EXPECT_EQ(WritePayloadItem({block.data(), size, "full.bin", "", ""}, folder.Path()), 0);
        SetFileWriteFunctionForTesting(nullptr);
        EXPECT_EQ(g_room, 0u) << "the write never reached the full disk";
        // The half-written file was closed: nothing still holds it.
        EXPECT_TRUE(DeleteFileA((folder.Path() + "full.bin").c_str()));
    }
}

} // namespace
