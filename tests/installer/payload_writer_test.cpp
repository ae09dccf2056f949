// Writing one carried file into an install directory: inflated beside the target first, over it
// only when whole. Writing every carried file byte for byte is proven by the install run's tests;
// a folder in a target's place by the end-to-end case TargetsThatCannotBeWritten.
#include "installer/payload_writer.h"

#include "installer/payload_copy_path.h"
#include "installer/payload_inflate.h"
#include "runtime/system/file_write_hook.h"
#include "runtime/system/files.h"
#include "runtime/system/owned_handle.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <tuple>
#include <vector>

namespace {

// The bytes packed as the build packs a carried file: a zlib stream, sealed. `stored` keeps the
// stream.
PackedBlock Packed(const std::vector<unsigned char>& bytes, std::vector<unsigned char>& stored) {
    uLongf size = compressBound(static_cast<uLong>(bytes.size()));
    stored.resize(size);
    EXPECT_EQ(compress2(stored.data(), &size, bytes.data(), static_cast<uLong>(bytes.size()), 9),
              Z_OK);
    stored.resize(size);
    return {stored.data(), static_cast<int32_t>(size), static_cast<int32_t>(bytes.size()),
            static_cast<uint32_t>(crc32(0, stored.data(), static_cast<uInt>(size)))};
}

// Writes `bytes`, packed, into `name` of `folder`: 1 when written.
int32_t WriteNamed(const ScratchFolder& folder, const char* name,
                   const std::vector<unsigned char>& bytes) {
    std::vector<unsigned char> stored;
    return WritePayloadItem({Packed(bytes, stored), name, "", ""}, folder.Path());
}

std::vector<std::string> SortedEntries(const ScratchFolder& folder) {
    std::vector<std::string> names = folder.Entries();
    std::sort(names.begin(), names.end());
    return names;
}

// What a user may keep under the name of the first copy: the run never opens, moves or deletes
// it, and writes its copy under the next free name. A hidden target stays hidden.
TEST(PayloadWriting, AUsersOwnFileUnderACopyNameIsLeftAloneAndAHiddenTargetStaysHidden) {
    ScratchFolder folder;
    const std::vector<unsigned char> block(5000, 'n');
    const std::vector<unsigned char> mine(100, 'u');
    const std::string target = folder.Path() + "ostrel.pb";
    const std::string first = PayloadCopyPath(target, 0);
    ASSERT_TRUE(WriteWholeFile(target, mine) && WriteWholeFile(first, mine) &&
                SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(WriteNamed(folder, "ostrel.pb", block), 1);
    EXPECT_EQ(ReadWholeFile(target).bytes, block);
    EXPECT_NE(GetFileAttributesA(target.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
    EXPECT_EQ(SortedEntries(folder), (std::vector<std::string>{"ostrel.pb", "~strel.pb"}));
    EXPECT_EQ(ReadWholeFile(first).bytes, mine);
    // With every name taken the item fails as a failed write does, and nothing changes.
    for (int32_t attempt = 1; !PayloadCopyPath(target, attempt).empty(); ++attempt) {
        ASSERT_TRUE(WriteWholeFile(PayloadCopyPath(target, attempt), mine));
    }
    const std::vector<std::string> names = SortedEntries(folder);
    EXPECT_EQ(WriteNamed(folder, "ostrel.pb", std::vector<unsigned char>(10, 'x')), 0);
    EXPECT_EQ(SortedEntries(folder), names);
    for (const std::string& name : names) {
        EXPECT_EQ(ReadWholeFile(folder.Path() + name).bytes, name == "ostrel.pb" ? block : mine)
            << name;
    }
}

// A disk that is full after g_room bytes: what still fits is written, then the write fails or
// (g_quiet) claims success for the short count. Counts the system writes.
DWORD g_room = 0;
bool g_quiet = false;
int g_writeCalls = 0;

BOOL WINAPI WriteUntilDiskFull(HANDLE file, LPCVOID data, DWORD length, LPDWORD written,
                               LPOVERLAPPED) {
    ++g_writeCalls;
    if (!WriteFile(file, data, std::min(length, g_room), written, nullptr)) {
        return FALSE;
    }
    g_room -= *written;
    SetLastError(ERROR_DISK_FULL);
    return *written == length || g_quiet;
}

TEST(PayloadWriting, ADiskFillingInTheMiddleOrAtTheFinalFlushKeepsThePreviousFile) {
    static_assert(kFileBufferSize == 4096, "the cases below are laid out for 4096-byte buffers");
    ScratchFolder folder;
    // The dialog picture is only shown, never written.
    EXPECT_EQ(WritePayloadItem(PayloadItemAt(kDialogPictureItem), folder.Path()), 0);
    EXPECT_TRUE(folder.Entries().empty());
    const std::string target = folder.Path() + "full.bin";
    const std::vector<unsigned char> previous(20000, 'p');
    ASSERT_TRUE(WriteWholeFile(target, previous));
    // Full in the second buffer of a larger file, or at the flush of the only buffer at close.
    const std::tuple<int32_t, DWORD, bool> cases[] = {{13151, 5000, false},
                                                      {13151, 5000, true},
                                                      {13151, 12288, false},
                                                      {1000, 0, false},
                                                      {1000, 100, true}};
    SetFileWriteFunctionForTesting(WriteUntilDiskFull);
    for (const auto& [size, room, quiet] : cases) {
        SCOPED_TRACE(std::to_string(size) + " bytes, room for " + std::to_string(room));
        g_room = room;
        g_quiet = quiet;
        EXPECT_EQ(WriteNamed(folder, "full.bin", std::vector<unsigned char>(size, 'b')), 0);
        EXPECT_EQ(g_room, 0u) << "the write never reached the full disk";
        EXPECT_EQ(ReadWholeFile(target).bytes, previous);
        // The half-written copy was closed and removed.
        EXPECT_EQ(folder.Entries(), std::vector<std::string>{"full.bin"});
    }
    // With room again the same write replaces the file, with one system write per full buffer.
    g_room = 20000;
    g_writeCalls = 0;
    const std::vector<unsigned char> block(13151, 'b');
    EXPECT_EQ(WriteNamed(folder, "full.bin", block), 1);
    SetFileWriteFunctionForTesting(nullptr);
    EXPECT_EQ(g_writeCalls, 4);
    EXPECT_EQ(ReadWholeFile(target).bytes, block);
}

TEST(PayloadWriting, ABlockThatDoesNotInflateToItsFileFailsAndKeepsTheInstalledFile) {
    ScratchFolder folder;
    const std::string target = folder.Path() + "file.bin";
    std::vector<unsigned char> file(13151);
    for (size_t i = 0; i < file.size(); ++i) {
        file[i] = static_cast<unsigned char>(i * i / 7);
    }
    std::vector<unsigned char> stored;
    const PackedBlock good = Packed(file, stored);
    EXPECT_EQ(InflateIntoMemory(good), file);
    std::vector<unsigned char> changed = stored;
    changed[changed.size() / 2] ^= 0x10;
    std::vector<unsigned char> trailing = stored;
    trailing.push_back(0);
    const std::vector<unsigned char> old(100, 'o');
    ASSERT_TRUE(WriteWholeFile(target, old));
    const std::pair<const char*, PackedBlock> cases[] = {
        {"a byte changed", {changed.data(), good.storedSize, good.size, 0}},
        {"cut short", {stored.data(), good.storedSize - 10, good.size, 0}},
        {"longer than its size", {stored.data(), good.storedSize, good.size - 1, 0}},
        {"shorter than its size", {stored.data(), good.storedSize, good.size + 1, 0}},
        {"a byte after its end", {trailing.data(), good.storedSize + 1, good.size, 0}},
    };
    for (const auto& [what, block] : cases) {
        SCOPED_TRACE(what);
        EXPECT_EQ(WritePayloadItem({block, "file.bin", "", ""}, folder.Path()), 0);
        EXPECT_EQ(ReadWholeFile(target).bytes, old);
        EXPECT_EQ(folder.Entries(), std::vector<std::string>{"file.bin"}) << "no copy is left";
        EXPECT_TRUE(InflateIntoMemory(block).empty());
    }
    // Whole, over a target held without sharing (read-only does not stop an administrator).
    {
        const OwnedFile holder(CreateFileA(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                           FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(holder);
        EXPECT_EQ(WritePayloadItem({good, "file.bin", "", ""}, folder.Path()), 0);
    }
    EXPECT_EQ(ReadWholeFile(target).bytes, old);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"file.bin"});
}

} // namespace
