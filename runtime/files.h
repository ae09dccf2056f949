// Numbered files with a 4096-byte buffer each, and file-system helpers.
#pragma once

#include "runtime/text.h"

#include <cstdint>

constexpr int32_t kFileBufferSize = 4096;
constexpr int32_t kNormalAttributes = 128;

// Non-zero on success, 0 on failure. Opening a number in use closes its file first.
int32_t FileCreate(int32_t number, const Text& path);
int32_t FileOpenRead(int32_t number, const Text& path);
Text FileReadLine(int32_t number);
// Returns 1 when the byte was taken, 0 when the number is not open or an earlier
// write of this file failed.
int32_t FileWriteByte(int32_t number, int32_t value);
// Writes what remains buffered and closes. Returns 1 when every write of the file, the final
// flush and the close succeeded; 0 otherwise or when the number is not open.
int32_t FileClose(int32_t number);
void FileCloseAll();

int64_t FileSizeOf(const Text& path);
int32_t DirectoryCreate(const Text& path);
int32_t FileDelete(const Text& path);
int32_t FileSetAttributes(const Text& path, int32_t attributes);
