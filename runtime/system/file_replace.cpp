#include "runtime/system/file_replace.h"

#include <windows.h>

int32_t FileReplace(const Text& source, const Text& target) {
    // Rewriting a file in place keeps these attributes, so replacing it does too.
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    const DWORD old = GetFileAttributesA(target.c_str());
    if (old != INVALID_FILE_ATTRIBUTES && (old & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
        (old & kKept) != 0) {
        SetFileAttributesA(source.c_str(), old & kKept);
    }
    return MoveFileExA(source.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? 1
               : 0;
}
