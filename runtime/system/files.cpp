#include "runtime/system/files.h"

#include "runtime/base/line_split.h"
#include "runtime/base/never_destroyed.h"
#include "runtime/system/file_write_hook.h"
#include "runtime/system/owned_handle.h"

#include <windows.h>

#include <array>
#include <memory>

namespace {

FileWriteFunction g_writeFile = ::WriteFile;

// The buffer holds either bytes read ahead of the caller or bytes waiting to be written.
enum class BufferUse { None, Reading, Writing };

struct NumberedFile {
    OwnedFile handle;
    std::array<unsigned char, kFileBufferSize> buffer{};
    DWORD filled = 0;   // bytes in the buffer
    DWORD position = 0; // next byte to hand out while reading
    BufferUse use = BufferUse::None;
    bool atEnd = false;
    // Set by the first failed write; the file can then never report success again.
    bool writeFailed = false;
};

// Writes what waits in the buffer. False when any write of this file has failed.
bool Flush(NumberedFile& file) {
    if (file.use == BufferUse::Writing && file.filled > 0 && !file.writeFailed) {
        DWORD written = 0;
        const BOOL ok =
            g_writeFile(file.handle.Get(), file.buffer.data(), file.filled, &written, nullptr);
        if (!ok || written != file.filled) {
            file.writeFailed = true;
        }
    }
    if (file.use == BufferUse::Writing) {
        file.filled = 0;
        file.use = BufferUse::None;
    }
    return !file.writeFailed;
}

// Bytes read ahead but not handed out are given back to the file before a write.
void DropReadAhead(NumberedFile& file) {
    if (file.use != BufferUse::Reading) {
        return;
    }
    const LONG unread = static_cast<LONG>(file.filled - file.position);
    if (unread > 0) {
        SetFilePointer(file.handle.Get(), -unread, nullptr, FILE_CURRENT);
    }
    file.filled = 0;
    file.position = 0;
    file.use = BufferUse::None;
}

// The open files by number, which the callers have checked to lie below kFileNumberLimit. The
// runtime's end closes those still open (FileCloseAll), writing their buffers first; no static
// destructor does it behind its back.
class FileTable {
  public:
    NumberedFile* Find(int32_t number) { return files_[number].get(); }

    void Put(int32_t number, OwnedFile handle) {
        auto file = std::make_unique<NumberedFile>();
        file->handle = std::move(handle);
        files_[number] = std::move(file);
    }

    bool Close(int32_t number) {
        NumberedFile* file = Find(number);
        if (file == nullptr) {
            return false;
        }
        const bool flushed = Flush(*file);
        const bool closed = file->handle.Close();
        files_[number].reset();
        return flushed && closed;
    }

    void CloseAll() {
        for (int32_t number = 0; number < kFileNumberLimit; ++number) {
            Close(number);
        }
    }

  private:
    std::unique_ptr<NumberedFile> files_[kFileNumberLimit];
};

FileTable& Files() {
    static NeverDestroyed<FileTable> table;
    return *table;
}

bool ValidNumber(int32_t number) {
    return number >= 0 && number < kFileNumberLimit;
}

int32_t OpenNumbered(int32_t number, OwnedFile handle) {
    if (!handle) {
        return 0;
    }
    Files().Put(number, std::move(handle));
    return 1;
}

// Next byte of the file, or -1 at its end (a read error counts as the end).
int ReadByte(NumberedFile& file) {
    if (file.use == BufferUse::Writing) {
        Flush(file);
    }
    if (file.use != BufferUse::Reading || file.position >= file.filled) {
        DWORD read = 0;
        if (!ReadFile(file.handle.Get(), file.buffer.data(), kFileBufferSize, &read, nullptr) ||
            read == 0) {
            file.filled = 0;
            file.position = 0;
            file.use = BufferUse::None;
            return -1;
        }
        file.filled = read;
        file.position = 0;
        file.use = BufferUse::Reading;
    }
    return file.buffer[file.position++];
}

// A numbered file as the line splitter reads it. A byte is given back only right after it was
// read, so it is still in the buffer.
class FileBytes final : public ByteSource {
  public:
    explicit FileBytes(NumberedFile& file) : file_(file) {}
    int NextByte() override { return ReadByte(file_); }
    void GiveBackByte() override { --file_.position; }

  private:
    NumberedFile& file_;
};

// Paths of the size and directory operations are used up to this many characters.
Text Clipped(const Text& path) {
    return path.substr(0, MAX_PATH);
}

} // namespace

void SetFileWriteFunctionForTesting(FileWriteFunction function) {
    g_writeFile = function != nullptr ? function : ::WriteFile;
}

int32_t FileCreate(int32_t number, const Text& path) {
    if (!ValidNumber(number)) {
        return 0;
    }
    Files().Close(number);
    OwnedFile handle(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                 nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle) {
        // Replacing a hidden or system file with normal attributes is refused; truncating
        // it in place is not.
        handle.Reset(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                 TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    }
    return OpenNumbered(number, std::move(handle));
}

FileCreation FileCreateNew(int32_t number, const Text& path) {
    if (!ValidNumber(number)) {
        return FileCreation::Failed;
    }
    Files().Close(number);
    const HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                      nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    const DWORD error = GetLastError();
    if (OpenNumbered(number, OwnedFile(handle)) != 0) {
        return FileCreation::Created;
    }
    return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? FileCreation::Exists
                                                                       : FileCreation::Failed;
}

int32_t FileOpenRead(int32_t number, const Text& path) {
    if (!ValidNumber(number)) {
        return 0;
    }
    Files().Close(number);
    return OpenNumbered(number,
                        OwnedFile(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
}

Text FileReadLine(int32_t number) {
    NumberedFile* file = ValidNumber(number) ? Files().Find(number) : nullptr;
    if (file == nullptr || file->atEnd) {
        return Text();
    }
    FileBytes bytes(*file);
    LineRead read = ReadLine(bytes);
    file->atEnd = read.reachedEnd;
    return std::move(read.line);
}

int32_t FileWriteByte(int32_t number, int32_t value) {
    NumberedFile* file = ValidNumber(number) ? Files().Find(number) : nullptr;
    if (file == nullptr || file->writeFailed) {
        return 0;
    }
    DropReadAhead(*file);
    file->use = BufferUse::Writing;
    file->atEnd = false;
    file->buffer[file->filled++] = static_cast<unsigned char>(value & 0xFF);
    if (file->filled == kFileBufferSize && !Flush(*file)) {
        return 0;
    }
    return 1;
}

FileWriteRoom FileWriteRoomOf(int32_t number) {
    NumberedFile* file = ValidNumber(number) ? Files().Find(number) : nullptr;
    if (file == nullptr || file->writeFailed) {
        return {};
    }
    DropReadAhead(*file);
    file->use = BufferUse::Writing;
    file->atEnd = false;
    return {file->buffer.data() + file->filled,
            static_cast<int32_t>(kFileBufferSize - file->filled)};
}

int32_t FileWriteTaken(int32_t number, int32_t count) {
    NumberedFile* file = ValidNumber(number) ? Files().Find(number) : nullptr;
    if (file == nullptr || file->writeFailed || file->use != BufferUse::Writing || count < 0 ||
        count > static_cast<int32_t>(kFileBufferSize - file->filled)) {
        return 0;
    }
    file->filled += static_cast<DWORD>(count);
    if (file->filled == kFileBufferSize && !Flush(*file)) {
        return 0;
    }
    return 1;
}

int32_t FileClose(int32_t number) {
    if (!ValidNumber(number)) {
        return 0;
    }
    return Files().Close(number) ? 1 : 0;
}

void FileCloseAll() {
    Files().CloseAll();
}

int64_t FileSizeOf(const Text& path) {
    Text clipped = Clipped(path);
    if (clipped.size() >= 2 && clipped.size() <= 3 && clipped[1] == ':') {
        // "C:" alone names the current folder of the drive, so ask about its root.
        const Text root = clipped.substr(0, 2) + "\\";
        return GetFileAttributesA(root.c_str()) != INVALID_FILE_ATTRIBUTES ? -2 : -1;
    }
    if (!clipped.empty() && clipped.back() == '\\') {
        clipped.pop_back();
    }
    if (clipped.empty()) {
        return -1;
    }
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(clipped.c_str(), GetFileExInfoStandard, &data)) {
        return -1;
    }
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        return -2;
    }
    return static_cast<int64_t>((static_cast<uint64_t>(data.nFileSizeHigh) << 32) |
                                data.nFileSizeLow);
}

int32_t DirectoryCreate(const Text& path) {
    Text clipped = Clipped(path);
    while (!clipped.empty() &&
           (clipped.back() == ' ' || clipped.back() == '\\' || clipped.back() == '/')) {
        clipped.pop_back();
    }
    if (clipped.empty()) {
        return 0;
    }
    return CreateDirectoryA(clipped.c_str(), nullptr) ? 1 : 0;
}

int32_t FileDelete(const Text& path) {
    if (path.empty()) {
        return 0;
    }
    return DeleteFileA(path.c_str()) ? 1 : 0;
}

int32_t FileSetAttributes(const Text& path, int32_t attributes) {
    if (path.empty()) {
        return 0;
    }
    return SetFileAttributesA(path.c_str(), static_cast<DWORD>(attributes)) ? 1 : 0;
}
