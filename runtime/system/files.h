// Numbered files with a 4096-byte buffer each, and file-system helpers.
#pragma once

#include "runtime/base/text.h"

#include <cstdint>

constexpr int32_t kFileBufferSize = 4096;
constexpr int32_t kNormalAttributes = 128;
// File numbers run from 0 to one below this; others are refused.
constexpr int32_t kFileNumberLimit = 256;

// Non-zero on success, 0 on failure. Opening a number in use closes its file first.
int32_t FileCreate(int32_t number, const Text& path);
// Creates a file that is not there yet, like FileCreate, but never opens one that is: Exists
// when a file or folder has the name already, Failed on any other failure.
enum class FileCreation { Created, Exists, Failed };
FileCreation FileCreateNew(int32_t number, const Text& path);
int32_t FileOpenRead(int32_t number, const Text& path);
Text FileReadLine(int32_t number);
// Returns 1 when the byte was taken, 0 when the number is not open or a write of this file
// (including the one this byte completed) has failed.
int32_t FileWriteByte(int32_t number, int32_t value);
// For a producer that writes straight into an open file's buffer (an inflater): the free room
// at the buffer's end, never empty while the file is open and no write of it has failed (else
// size 0). FileWriteTaken then takes the first `count` bytes of that room as FileWriteByte takes
// them one by one: a full buffer is written out; the result is as FileWriteByte's.
struct FileWriteRoom {
    unsigned char* bytes = nullptr;
    int32_t size = 0;
};
FileWriteRoom FileWriteRoomOf(int32_t number);
int32_t FileWriteTaken(int32_t number, int32_t count);
// Writes what remains buffered and closes. Returns 1 when every write of the file, the final
// flush and the close succeeded; 0 otherwise or when the number is not open.
int32_t FileClose(int32_t number);
// Closes every open file, as FileClose does; the runtime's end calls it.
void FileCloseAll();

// 64-bit size of a file; -1 when the path is empty or names nothing, -2 for a directory or a
// drive ("C:", "C:\"). A trailing backslash is ignored.
int64_t FileSizeOf(const Text& path);
// Strips trailing spaces, "\" and "/", then creates that one folder: 1 when it was created.
int32_t DirectoryCreate(const Text& path);
int32_t FileDelete(const Text& path);
int32_t FileSetAttributes(const Text& path, int32_t attributes);
