#include "runtime/system/file_write_hook.h"
#include "runtime/system/files.h"
#include "runtime/system/owned_handle.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <numeric>

namespace {

void Put(const std::string& path, const std::string& bytes) {
    ASSERT_TRUE(WriteWholeFile(path, {bytes.begin(), bytes.end()})) << path;
}

std::string Got(const std::string& path) {
    const FileBytes file = ReadWholeFile(path);
    return file.ok ? std::string(file.bytes.begin(), file.bytes.end()) : "<unreadable>";
}

OwnedFile Open(const std::string& path, DWORD access, DWORD share) {
    return OwnedFile(CreateFileA(path.c_str(), access, share, nullptr, OPEN_EXISTING, 0, nullptr));
}

int32_t WriteText(int32_t number, const std::string& text) {
    return std::accumulate(text.begin(), text.end(), 0, [=](int32_t taken, char c) {
        return taken + FileWriteByte(number, static_cast<unsigned char>(c));
    });
}

std::vector<DWORD> g_writeSizes;

// A full disk or a lost share from the second write on.
BOOL WINAPI FaultyWrite(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED) {
    g_writeSizes.push_back(size);
    *written = 0;
    return g_writeSizes.size() < 2 && WriteFile(file, data, size, written, nullptr);
}

class Files : public ::testing::Test {
  protected:
    void TearDown() override {
        FileCloseAll();
        SetFileWriteFunctionForTesting(nullptr);
    }
    std::string At(const std::string& name) const { return scratch_.Path() + name; }
    ScratchFolder scratch_;
};

TEST_F(Files, CreateReplacesOldAndHiddenFilesWithTheBytesWrittenAndRefusesLockedOnes) {
    const std::string bytes = std::string("ab\0\xFF\r\n", 6) + std::string(9000, 'z');
    const DWORD kinds[] = {FILE_ATTRIBUTE_NORMAL, FILE_ATTRIBUTE_HIDDEN};
    OwnedFile reader;
    for (DWORD attributes : kinds) {
        const std::string path = At(std::to_string(attributes));
        Put(path, std::string(20000, 'o'));
        ASSERT_TRUE(SetFileAttributesA(path.c_str(), attributes));
        if (attributes == FILE_ATTRIBUTE_HIDDEN) {
            // Wine replaces hidden files where Windows refuses; a reader that lets others write
            // but not read makes the first way fail here too.
            reader = Open(path, GENERIC_READ, FILE_SHARE_WRITE);
            ASSERT_FALSE(Open(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ));
        }
        // Reusing the number closes the file before, writing what it still buffers.
        ASSERT_NE(FileCreate(1, path), 0) << attributes;
        EXPECT_EQ(WriteText(1, bytes), static_cast<int32_t>(bytes.size()));
        EXPECT_EQ(FileWriteByte(1, 0x141), 1); // only the low 8 bits count
    }
    FileCloseAll(); // as at program end
    reader.Close();
    for (DWORD attributes : kinds) {
        EXPECT_EQ(Got(At(std::to_string(attributes))), bytes + "A") << attributes;
    }
    // Held without sharing: a read-only attribute alone does not stop an administrator.
    const std::string locked = At("locked.txt");
    Put(locked, "keep");
    reader = Open(locked, GENERIC_READ, 0);
    EXPECT_EQ(FileCreate(1, locked) + FileWriteByte(1, 'x') + FileClose(1), 0);
    reader.Close();
    EXPECT_EQ(FileCreate(-1, locked) + FileCreate(kFileNumberLimit, locked), 0);
    EXPECT_EQ(Got(locked), "keep");
    EXPECT_EQ(FileCreate(1, At("missing\\file.txt")) + FileOpenRead(2, At("absent.txt")), 0);
}

// Writes that succeed, a failing final flush and short writes: see the payload writer's tests.
TEST_F(Files, AFailedWriteIsReportedByTheByteThatMetItAndByClose) {
    SetFileWriteFunctionForTesting(FaultyWrite);
    ASSERT_NE(FileCreate(1, At("out.bin")), 0);
    EXPECT_EQ(WriteText(1, std::string(8193, 'q')), 8191);
    EXPECT_EQ(FileClose(1), 0);
    EXPECT_EQ(g_writeSizes, (std::vector<DWORD>{4096, 4096})) << "nothing is tried after it";
}

// Every line end form is read by the line splitter (its own tests); here a line crosses one
// buffer end and its CR ends the next buffer, so the byte after it is given back to a refill.
TEST_F(Files, LinesAreReadAcrossBufferRefills) {
    const std::string y8191(8191, 'y');
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {y8191 + "\rX", {y8191, "X"}},
        {y8191 + "\r\nz", {y8191, "z"}},
    };
    for (const auto& [content, lines] : cases) {
        Put(At("lines.txt"), content);
        ASSERT_NE(FileOpenRead(2, At("lines.txt")), 0);
        for (const std::string& line : lines) {
            EXPECT_EQ(FileReadLine(2), line) << content.substr(0, 12);
        }
        EXPECT_EQ(FileReadLine(2) + FileReadLine(2), "") << "every read at the end is empty";
        EXPECT_EQ(FileClose(2), 1);
    }
}

TEST_F(Files, SizeTellsFilesFoldersAndDrivesApartAndFoldersAreMadeOneLevelAtATime) {
    Put(At("five.txt"), "12345");
    EXPECT_EQ(DirectoryCreate(At("a")), 1);
    EXPECT_EQ(DirectoryCreate(At("a")), 0); // exists already
    EXPECT_EQ(DirectoryCreate(At("a\\b\\")) + DirectoryCreate(At("c /\\  ")), 2);
    EXPECT_EQ(DirectoryCreate(At("x\\y")) + DirectoryCreate("") + DirectoryCreate(" \\/ "), 0);
    const std::pair<std::string, int64_t> cases[] = {
        {At("five.txt"), 5}, {At("five.txt\\"), 5}, {"", -1},
        {At("a\\b"), -2},    {At("c\\"), -2},       {"C:", -2},
        {"c:\\", -2},        {At("x"), -1},         {At("absent\\deeper.txt"), -1}};
    for (const auto& [path, size] : cases) {
        EXPECT_EQ(FileSizeOf(path), size) << path.substr(0, 80);
    }
}

} // namespace
