// Writing one carried file into an install directory: inflated beside the target first, over it
// only when whole. Writing every carried file byte for byte is proven by the install run's tests.
#include "installer/payload_writer.h"

#include "installer/payload_copy_path.h"
#include "installer/payload_inflate.h"
#include "installer/payload_seal.h"
#include "runtime/system/file_write_hook.h"
#include "runtime/system/files.h"
#include "runtime/system/owned_handle.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <tuple>

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

PayloadItem ItemWritingTo(const char* target, const PackedBlock& block) {
    return {block, target, "", ""};
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(PayloadWriting, AHiddenFileIsReplacedAndATargetThatCannotBeReplacedKeepsItsBytes) {
    ScratchFolder folder;
    const std::vector<unsigned char> block(5000, 'n');
    std::vector<unsigned char> stored;
    const PayloadItem item = ItemWritingTo("file.bin", Packed(block, stored));
    const std::vector<unsigned char> old(100, 'o');
    const std::string target = folder.Path() + "file.bin";
    const auto write = [&] { return WritePayloadItem(item, folder.Path()); };

    ASSERT_TRUE(WriteWholeFile(target, old) &&
                SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(write(), 1);
    EXPECT_EQ(ReadWholeFile(target).bytes, block);
    EXPECT_NE(GetFileAttributesA(target.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);

    ASSERT_TRUE(SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL) &&
                WriteWholeFile(target, old));
    {
        // Read-only does not stop an administrator under Wine; a handle without sharing does.
        OwnedFile holder(CreateFileA(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(holder);
        EXPECT_EQ(write(), 0);
    }
    EXPECT_EQ(ReadWholeFile(target).bytes, old);
    // A folder in the file's place is no file to replace.
    ASSERT_TRUE(DeleteFileA(target.c_str()) && folder.MakeFolders("file.bin"));
    EXPECT_EQ(write(), 0);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"file.bin"}) << "no copy is left behind";
}

// What a user may keep under the name of the first copy: the run never opens, moves or deletes
// it, and writes its copy under the next free name.
TEST(PayloadWriting, AUsersOwnFileOrFolderUnderACopyNameIsLeftAlone) {
    ScratchFolder folder;
    const std::vector<unsigned char> block(5000, 'n');
    const std::vector<unsigned char> mine(100, 'u');
    const std::string target = folder.Path() + "ostrel.pb";
    const std::string first = PayloadCopyPath(target, 0);
    std::vector<unsigned char> stored;
    const PayloadItem item = ItemWritingTo("ostrel.pb", Packed(block, stored));
    const auto write = [&] { return WritePayloadItem(item, folder.Path()); };
    const auto entries = [&] {
        std::vector<std::string> names = folder.Entries();
        std::sort(names.begin(), names.end());
        return names;
    };
    enum class Mine { File, LockedFile, Folder };
    for (const Mine kind : {Mine::File, Mine::LockedFile, Mine::Folder}) {
        SCOPED_TRACE(static_cast<int>(kind));
        ASSERT_TRUE(kind == Mine::Folder ? folder.MakeFolders("~strel.pb")
                                         : WriteWholeFile(first, mine));
        OwnedFile holder;
        if (kind == Mine::LockedFile) {
            // Stands in for a read-only file, which does not stop an administrator under Wine.
            holder.Reset(CreateFileA(first.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
            ASSERT_TRUE(holder);
            ASSERT_FALSE(OwnedFile(CreateFileA(first.c_str(), GENERIC_WRITE,
                                               FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
        }
        EXPECT_EQ(write(), 1);
        holder.Reset();
        EXPECT_EQ(ReadWholeFile(target).bytes, block);
        EXPECT_EQ(entries(), (std::vector<std::string>{"ostrel.pb", "~strel.pb"}));
        if (kind == Mine::Folder) {
            ASSERT_TRUE(RemoveDirectoryA(first.c_str()));
        } else {
            EXPECT_EQ(ReadWholeFile(first).bytes, mine);
            ASSERT_TRUE(DeleteFileA(first.c_str()));
        }
    }
    // With every name taken the item fails as a failed write does, and nothing changes.
    ASSERT_TRUE(WriteWholeFile(target, mine));
    std::vector<std::string> names{"ostrel.pb"};
    for (int32_t attempt = 0; !PayloadCopyPath(target, attempt).empty(); ++attempt) {
        ASSERT_TRUE(WriteWholeFile(PayloadCopyPath(target, attempt), mine));
        names.push_back(PayloadCopyPath(target, attempt).substr(folder.Path().size()));
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(write(), 0);
    EXPECT_EQ(entries(), names);
    for (const std::string& name : names) {
        EXPECT_EQ(ReadWholeFile(folder.Path() + name).bytes, mine) << name;
    }
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

TEST(PayloadWriting, ADiskFillingInTheMiddleOrAtTheFinalFlushKeepsThePreviousFile) {
    static_assert(kFileBufferSize == 4096, "the cases below are laid out for 4096-byte buffers");
    ScratchFolder folder;
    // The dialog picture is only shown, never written.
    EXPECT_EQ(WritePayloadItem(PayloadItemAt(kDialogPictureItem), folder.Path()), 0);
    EXPECT_TRUE(folder.Entries().empty());
    const std::string target = folder.Path() + "full.bin";
    std::vector<unsigned char> previous(20000);
    for (size_t i = 0; i < previous.size(); ++i) {
        previous[i] = static_cast<unsigned char>(i * 7);
    }
    ASSERT_TRUE(WriteWholeFile(target, previous));
    // Full in the second buffer of a larger file, or at the flush of the only buffer at close.
    const std::tuple<int32_t, DWORD, bool> cases[] = {{13151, 5000, false},
                                                      {13151, 5000, true},
                                                      {13151, 12288, false},
                                                      {1000, 0, false},
                                                      {1000, 100, true}};
    for (const auto& [size, room, quiet] : cases) {
        SCOPED_TRACE(std::to_string(size) + " bytes, room for " + std::to_string(room));
        const std::vector<unsigned char> block(static_cast<size_t>(size), 'b');
        std::vector<unsigned char> stored;
        const PayloadItem item = ItemWritingTo("full.bin", Packed(block, stored));
        g_room = room;
        g_quiet = quiet;
        SetFileWriteFunctionForTesting(WriteUntilDiskFull);
        EXPECT_EQ(WritePayloadItem(item, folder.Path()), 0);
        SetFileWriteFunctionForTesting(nullptr);
        EXPECT_EQ(g_room, 0u) << "the write never reached the full disk";
        EXPECT_EQ(ReadWholeFile(target).bytes, previous);
        // The half-written copy was closed and removed.
        EXPECT_FALSE(Exists(PayloadCopyPath(target, 0)));
    }
    // With room again the same write replaces the file.
    const std::vector<unsigned char> block(13151, 'b');
    std::vector<unsigned char> stored;
    EXPECT_EQ(WritePayloadItem(ItemWritingTo("full.bin", Packed(block, stored)), folder.Path()), 1);
    EXPECT_EQ(ReadWholeFile(target).bytes, block);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"full.bin"});
}

int g_writeCalls = 0;

BOOL WINAPI CountingWriteFile(HANDLE file, LPCVOID data, DWORD length, LPDWORD written,
                              LPOVERLAPPED overlapped) {
    ++g_writeCalls;
    return WriteFile(file, data, length, written, overlapped);
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
    std::vector<unsigned char> changed = stored;
    changed[changed.size() / 2] ^= 0x10;
    std::vector<unsigned char> trailing = stored;
    trailing.push_back(0);
    const std::vector<unsigned char> old(100, 'o');
    ASSERT_TRUE(WriteWholeFile(target, old));
    EXPECT_TRUE(BlockIntact(good));
    EXPECT_FALSE(BlockIntact({changed.data(), good.storedSize, good.size, good.storedCrc}));

    const std::pair<const char*, PackedBlock> cases[] = {
        {"a byte changed", {changed.data(), good.storedSize, good.size, 0}},
        {"cut short", {stored.data(), good.storedSize - 10, good.size, 0}},
        {"longer than its size", {stored.data(), good.storedSize, good.size - 1, 0}},
        {"shorter than its size", {stored.data(), good.storedSize, good.size + 1, 0}},
        {"a byte after its end", {trailing.data(), good.storedSize + 1, good.size, 0}},
    };
    for (const auto& [what, block] : cases) {
        SCOPED_TRACE(what);
        EXPECT_EQ(WritePayloadItem(ItemWritingTo("file.bin", block), folder.Path()), 0);
        EXPECT_EQ(ReadWholeFile(target).bytes, old);
        EXPECT_EQ(folder.Entries(), std::vector<std::string>{"file.bin"}) << "no copy is left";
        EXPECT_TRUE(InflateIntoMemory(block).empty());
    }

    // Whole, it is written with one system write per full buffer, as byte by byte.
    g_writeCalls = 0;
    SetFileWriteFunctionForTesting(CountingWriteFile);
    EXPECT_EQ(WritePayloadItem(ItemWritingTo("file.bin", good), folder.Path()), 1);
    SetFileWriteFunctionForTesting(nullptr);
    EXPECT_EQ(g_writeCalls, 4);
    EXPECT_EQ(ReadWholeFile(target).bytes, file);
    EXPECT_EQ(InflateIntoMemory(good), file);
}

} // namespace

// The seal and the streams' own check use zlib's checksums as zlib defines them; values from
// Python's zlib, also across Adler-32's modulo runs.
TEST(PayloadWriting, ChecksumsAreZlibs) {
    const std::string digits = "123456789";
    const std::vector<unsigned char> ones(100000, 0xFF);
    EXPECT_EQ(crc32(0, reinterpret_cast<const Bytef*>(digits.data()), 9), 0xCBF43926u);
    EXPECT_EQ(crc32(0, ones.data(), 100000), 0x68C6CEC4u);
    EXPECT_EQ(adler32(1, reinterpret_cast<const Bytef*>("Wikipedia"), 9), 0x11E60398u);
    EXPECT_EQ(adler32(1, ones.data(), 100000), 0x149A302Cu);
}
