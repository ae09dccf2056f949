#include "support/scratch_folder.h"

#include "runtime/owned_handle.h"

#include <windows.h>

namespace {

void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA entry;
    const HANDLE search = FindFirstFileA((folder + "*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..") {
                continue;
            }
            const std::string path = folder + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path + "\\");
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

} // namespace

ScratchFolder::ScratchFolder() {
    char temp[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(sizeof temp, temp);
    if (length == 0 || length > MAX_PATH) {
        return;
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = std::string(temp) + "quorrel-test-" +
                                      std::to_string(GetCurrentProcessId()) + "-" +
                                      std::to_string(GetTickCount() + attempt);
        if (CreateDirectoryA(candidate.c_str(), nullptr)) {
            path_ = candidate + "\\";
            return;
        }
    }
}

ScratchFolder::~ScratchFolder() {
    if (Valid()) {
        RemoveTree(path_);
    }
}

bool ScratchFolder::MakeFolders(const std::string& relative) const {
    std::string sofar = path_;
    size_t start = 0;
    while (start <= relative.size()) {
        const size_t end = relative.find('\\', start);
        sofar += relative.substr(start, end - start);
        if (!CreateDirectoryA(sofar.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
            return false;
        }
        if (end == std::string::npos) {
            break;
        }
        sofar += "\\";
        start = end + 1;
    }
    return true;
}

std::vector<std::string> ScratchFolder::Entries() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    const HANDLE search = FindFirstFileA((path_ + "*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        const std::string name = entry.cFileName;
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return names;
}

FileBytes ReadWholeFile(const std::string& path) {
    FileBytes result;
    OwnedFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return result;
    }
    unsigned char chunk[65536];
    DWORD read = 0;
    while (ReadFile(file.Get(), chunk, sizeof chunk, &read, nullptr)) {
        if (read == 0) {
            result.ok = true;
            break;
        }
        result.bytes.insert(result.bytes.end(), chunk, chunk + read);
    }
    return result;
}

bool WriteWholeFile(const std::string& path, const std::vector<unsigned char>& bytes) {
    OwnedFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file &&
           WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                     nullptr) &&
           written == bytes.size() && file.Close();
}
