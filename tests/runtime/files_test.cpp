#include "runtime/file_write_hook.h"
#include "runtime/files.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

void RemoveTree(const std::string& path) {
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((path + "\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..") {
                continue;
            }
            const std::string child = path + "\\" + name;
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                DeleteFileA(child.c_str());
            }
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryA(path.c_str());
}

// A fresh folder under the temporary folder for each test, removed afterwards.
class ScratchFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        dir_ = std::string(temp) + "quorrel-files-" + std::to_string(GetCurrentProcessId()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        RemoveTree(dir_);
        ASSERT_TRUE(CreateDirectoryA(dir_.c_str(), nullptr)) << dir_;
    }
    void TearDown() override {
        FileCloseAll();
        SetFileWriteFunctionForTesting(nullptr);
        RemoveTree(dir_);
    }

    std::string Path(const std::string& name) const { return dir_ + "\\" + name; }

    static void WriteRaw(const std::string& path, const std::string& bytes) {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
        ASSERT_EQ(written, bytes.size());
    }

    static std::string ReadRaw(const std::string& path) {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            return "<missing>";
        }
        std::string bytes;
        char chunk[8192];
        DWORD read = 0;
        while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0) {
            bytes.append(chunk, read);
        }
        CloseHandle(file);
        return bytes;
    }

    static int32_t WriteText(int32_t number, const std::string& text) {
        int32_t taken = 0;
        for (char c : text) {
            taken += FileWriteByte(number, static_cast<unsigned char>(c));
        }
        return taken;
    }

    std::string dir_;
};

using FileWriting = ScratchFolder;

TEST_F(FileWriting, CreatedFileHoldsExactlyTheBytesWritten) {
    const std::string path = Path("new.bin");
    ASSERT_NE(FileCreate(1, path), 0);
    const std::string bytes = std::string("ab\0\xFF\r\n", 6) + std::string(9000, 'z');
    EXPECT_EQ(WriteText(1, bytes), static_cast<int32_t>(bytes.size()));
    EXPECT_EQ(FileWriteByte(1, 0x141), 1); // only the low 8 bits count
    EXPECT_EQ(FileClose(1), 1);
    EXPECT_EQ(ReadRaw(path), bytes + "A");
}

TEST_F(FileWriting, ExistingFileIsTruncatedEvenWhenHidden) {
    for (DWORD attributes : {FILE_ATTRIBUTE_NORMAL, FILE_ATTRIBUTE_HIDDEN}) {
        const std::string path = Path("old.txt");
        WriteRaw(path, "a long old content that must go");
        ASSERT_TRUE(SetFileAttributesA(path.c_str(), attributes));
        ASSERT_NE(FileCreate(1, path), 0) << attributes;
        WriteText(1, "new");
        EXPECT_EQ(FileClose(1), 1);
        EXPECT_EQ(ReadRaw(path), "new") << attributes;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

// The second attempt opens for writing only: it is what lets Windows overwrite a hidden file,
// and here a file that another program keeps from being read.
TEST_F(FileWriting, FileThatCannotBeOpenedForReadingIsStillWritten) {
    const std::string path = Path("write-only.txt");
    WriteRaw(path, "old content");
    // A reader that lets others write but not read.
    HANDLE holder = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    HANDLE probe = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_EQ(probe, INVALID_HANDLE_VALUE) << "reading is still allowed; the test proves nothing";

    ASSERT_NE(FileCreate(1, path), 0);
    WriteText(1, "new");
    EXPECT_EQ(FileClose(1), 1);
    CloseHandle(holder);
    EXPECT_EQ(ReadRaw(path), "new");
}

TEST_F(FileWriting, FileThatCannotBeWrittenIsReportedAtCreate) {
    const std::string path = Path("locked.txt");
    WriteRaw(path, "keep");
    // Held without sharing: a read-only attribute alone does not stop an administrator.
    HANDLE holder = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    HANDLE probe = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_EQ(probe, INVALID_HANDLE_VALUE) << "the file is still writable; the test proves nothing";

    EXPECT_EQ(FileCreate(1, path), 0);
    EXPECT_EQ(FileWriteByte(1, 'x'), 0);
    EXPECT_EQ(FileClose(1), 0);
    CloseHandle(holder);
    EXPECT_EQ(ReadRaw(path), "keep");
    EXPECT_EQ(FileCreate(1, Path("missing\\file.txt")), 0);
    EXPECT_EQ(FileCreate(1, ""), 0);
}

TEST_F(FileWriting, ReusedNumberAndProgramEndWriteWhatWasBuffered) {
    ASSERT_NE(FileCreate(1, Path("first.txt")), 0);
    WriteText(1, "first");
    ASSERT_NE(FileCreate(1, Path("second.txt")), 0);
    WriteText(1, "second");
    ASSERT_NE(FileCreate(0, Path("third.txt")), 0);
    WriteText(0, "third");
    EXPECT_EQ(ReadRaw(Path("first.txt")), "first");
    FileCloseAll();
    EXPECT_EQ(ReadRaw(Path("second.txt")), "second");
    EXPECT_EQ(ReadRaw(Path("third.txt")), "third");
    EXPECT_EQ(FileClose(1), 0); // already closed
}

TEST_F(FileWriting, NumbersThatAreNotOpenOrOutOfRangeAreRefused) {
    EXPECT_EQ(FileWriteByte(3, 'x'), 0);
    EXPECT_EQ(FileReadLine(3), "");
    EXPECT_EQ(FileClose(3), 0);
    WriteRaw(Path("n.txt"), "n");
    for (int32_t number : {-1, -2147483647 - 1, kFileNumberLimit, 2147483647}) {
        EXPECT_EQ(FileCreate(number, Path("n.txt")), 0) << number;
        EXPECT_EQ(FileOpenRead(number, Path("n.txt")), 0) << number;
        EXPECT_EQ(FileWriteByte(number, 'x'), 0) << number;
        EXPECT_EQ(FileReadLine(number), "") << number;
        EXPECT_EQ(FileClose(number), 0) << number;
    }
    EXPECT_EQ(ReadRaw(Path("n.txt")), "n");
}

// Write faults: a full disk or a lost share must never be reported as success.
std::vector<DWORD> g_writeSizes;
DWORD g_failFromCall = 0; // 0: never

BOOL WINAPI RecordingWrite(HANDLE file, LPCVOID data, DWORD size, LPDWORD written,
                           LPOVERLAPPED overlapped) {
    g_writeSizes.push_back(size);
    if (g_failFromCall != 0 && g_writeSizes.size() >= g_failFromCall) {
        *written = 0;
        SetLastError(ERROR_DISK_FULL);
        return FALSE;
    }
    return WriteFile(file, data, size, written, overlapped);
}

// Reports success but writes one byte less, as a full disk may.
BOOL WINAPI ShortWrite(HANDLE file, LPCVOID data, DWORD size, LPDWORD written,
                       LPOVERLAPPED overlapped) {
    return WriteFile(file, data, size > 0 ? size - 1 : 0, written, overlapped);
}

class FileWriteFaults : public ScratchFolder {
  protected:
    void SetUp() override {
        ScratchFolder::SetUp();
        g_writeSizes.clear();
        g_failFromCall = 0;
        SetFileWriteFunctionForTesting(RecordingWrite);
    }
};

TEST_F(FileWriteFaults, SystemSeesWritesOfAtMostOneBuffer) {
    ASSERT_NE(FileCreate(1, Path("big.bin")), 0);
    EXPECT_EQ(WriteText(1, std::string(10000, 'q')), 10000);
    EXPECT_EQ(FileClose(1), 1);
    EXPECT_EQ(g_writeSizes, (std::vector<DWORD>{4096, 4096, 1808}));
    EXPECT_EQ(FileSizeOf(Path("big.bin")), 10000);
}

TEST_F(FileWriteFaults, FailedFinalFlushMakesCloseFail) {
    g_failFromCall = 1;
    ASSERT_NE(FileCreate(1, Path("small.bin")), 0);
    EXPECT_EQ(WriteText(1, "short payload"), 13); // still buffered
    EXPECT_EQ(FileClose(1), 0);
}

TEST_F(FileWriteFaults, FailedBufferWriteStopsEveryLaterByte) {
    g_failFromCall = 2;
    ASSERT_NE(FileCreate(1, Path("large.bin")), 0);
    EXPECT_EQ(WriteText(1, std::string(4096, 'a')), 4096);
    EXPECT_EQ(WriteText(1, std::string(4095, 'b')), 4095);
    EXPECT_EQ(FileWriteByte(1, 'c'), 0); // completes the buffer, whose write fails
    EXPECT_EQ(FileWriteByte(1, 'd'), 0);
    EXPECT_EQ(FileClose(1), 0);
    EXPECT_EQ(g_writeSizes.size(), 2u); // nothing more is tried after the failure
}

TEST_F(FileWriteFaults, ShortWriteCountsAsFailure) {
    SetFileWriteFunctionForTesting(ShortWrite);
    ASSERT_NE(FileCreate(1, Path("short.bin")), 0);
    WriteText(1, "abc");
    EXPECT_EQ(FileClose(1), 0);
}

using FileReading = ScratchFolder;

struct LineCase {
    const char* name;
    std::string content;
    std::vector<std::string> lines;
};

TEST_F(FileReading, EveryLineEndFormGivesTheSameLines) {
    const std::string y4095(4095, 'y');
    const std::string x5000(5000, 'x');
    const LineCase cases[] = {
        {"version record", "1005\r\n01.06.2007", {"1005", "01.06.2007"}},
        {"LF", "a\nb\n", {"a", "b"}},
        {"lone CR", "a\rb\r", {"a", "b"}},
        {"lone CR then X", "a\rXb", {"a", "Xb"}},
        {"zero byte", std::string("a\0b", 3), {"a", "b"}},
        {"no final line end", "only", {"only"}},
        {"empty lines", "\r\n\nz", {"", "", "z"}},
        {"empty file", "", {}},
        {"long line", x5000 + "\r\ntail", {x5000, "tail"}},
        {"CR at buffer end, X after it", y4095 + "\rX", {y4095, "X"}},
        {"CR LF across the buffer end", y4095 + "\r\nz", {y4095, "z"}},
        {"CR as the last byte", "end\r", {"end"}},
        {"Windows-1252 bytes", "f\xFCr\r\n\xE4", {"f\xFCr", "\xE4"}},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = Path("lines.txt");
        WriteRaw(path, c.content);
        ASSERT_NE(FileOpenRead(2, path), 0);
        for (const std::string& line : c.lines) {
            EXPECT_EQ(FileReadLine(2), line);
        }
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(FileReadLine(2), ""); // at the end every later read is empty
        }
        EXPECT_EQ(FileClose(2), 1);
    }
}

TEST_F(FileReading, MissingFileCannotBeOpened) {
    EXPECT_EQ(FileOpenRead(2, Path("absent.txt")), 0);
    EXPECT_EQ(FileReadLine(2), "");
    EXPECT_EQ(FileOpenRead(2, dir_), 0);
}

// A drive letter that is not mapped, or 0 when all are.
char UnusedDrive() {
    const DWORD drives = GetLogicalDrives();
    for (char letter = 'Q'; letter <= 'Y'; ++letter) {
        if ((drives & (1u << (letter - 'A'))) == 0) {
            return letter;
        }
    }
    return 0;
}

using FileSystem = ScratchFolder;

TEST_F(FileSystem, SizeTellsFilesFoldersAndDrivesApart) {
    WriteRaw(Path("empty.txt"), "");
    WriteRaw(Path("five.txt"), "12345");
    const struct {
        std::string path;
        int64_t size;
    } cases[] = {
        {Path("five.txt"), 5},
        {Path("five.txt") + "\\", 5},
        {Path("empty.txt"), 0},
        {Path("absent.txt"), -1},
        {Path("absent\\deeper.txt"), -1},
        {"", -1},
        {"\\", -1},
        {Path("*.txt"), -1},
        {dir_, -2},
        {dir_ + "\\", -2},
        {"C:", -2},
        {"C:\\", -2},
        {"c:", -2},
        {std::string(5000, 'a'), -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileSizeOf(c.path), c.size) << c.path.substr(0, 80);
    }
    if (const char drive = UnusedDrive()) {
        EXPECT_EQ(FileSizeOf(std::string(1, drive) + ":"), -1);
        EXPECT_EQ(FileSizeOf(std::string(1, drive) + ":\\"), -1);
    }
}

TEST_F(FileSystem, DirectoryCreateMakesOneLevel) {
    EXPECT_EQ(DirectoryCreate(Path("a")), 1);
    EXPECT_EQ(FileSizeOf(Path("a")), -2);
    EXPECT_EQ(DirectoryCreate(Path("a")), 0); // exists already
    EXPECT_EQ(DirectoryCreate(Path("a\\b\\")), 1);
    EXPECT_EQ(FileSizeOf(Path("a\\b")), -2);
    EXPECT_EQ(DirectoryCreate(Path("c /\\  ")), 1);
    EXPECT_EQ(FileSizeOf(Path("c")), -2);
    EXPECT_EQ(DirectoryCreate(Path("x\\y")), 0); // no intermediate levels
    EXPECT_EQ(FileSizeOf(Path("x")), -1);
    EXPECT_EQ(DirectoryCreate(""), 0);
    EXPECT_EQ(DirectoryCreate(" \\/ "), 0);
}

TEST_F(FileSystem, AttributesAndDeleteActOnExistingFilesOnly) {
    const std::string path = Path("attributes.txt");
    const DWORD hiddenReadOnly = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY;
    WriteRaw(path, "x");
    EXPECT_NE(FileSetAttributes(path, hiddenReadOnly), 0);
    EXPECT_EQ(GetFileAttributesA(path.c_str()) & hiddenReadOnly, hiddenReadOnly);
    EXPECT_NE(FileSetAttributes(path, kNormalAttributes), 0);
    EXPECT_EQ(GetFileAttributesA(path.c_str()) & hiddenReadOnly, 0u);
    EXPECT_EQ(FileDelete(path), 1);
    EXPECT_EQ(FileSizeOf(path), -1);
    EXPECT_EQ(FileDelete(path), 0);
    EXPECT_EQ(FileSetAttributes(path, kNormalAttributes), 0);
    EXPECT_EQ(FileDelete(""), 0);
}

} // namespace
