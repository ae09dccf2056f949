#include "support/scratch_folder.h"

#include <windows.h>

#include <fstream>
#include <iterator>

namespace {

std::vector<std::string> NamesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    const HANDLE search = FindFirstFileA((folder + "*").c_str(), &entry);
    for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &entry)) {
        if (entry.cFileName != std::string(".") && entry.cFileName != std::string("..")) {
            names.push_back(entry.cFileName);
        }
    }
    FindClose(search);
    return names;
}

void RemoveTree(const std::string& folder) {
    for (const std::string& name : NamesIn(folder)) {
        SetFileAttributesA((folder + name).c_str(), FILE_ATTRIBUTE_NORMAL);
        if (!DeleteFileA((folder + name).c_str())) {
            RemoveTree(folder + name + "\\");
        }
    }
    RemoveDirectoryA(folder.c_str());
}

} // namespace

ScratchFolder::ScratchFolder() {
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(sizeof temp, temp);
    for (int attempt = 0; path_.empty() && temp[0] != '\0' && attempt < 100; ++attempt) {
        const std::string candidate = std::string(temp) + "quorrel-test-" +
                                      std::to_string(GetCurrentProcessId()) + "-" +
                                      std::to_string(GetTickCount() + attempt);
        path_ = CreateDirectoryA(candidate.c_str(), nullptr) ? candidate + "\\" : "";
    }
}

ScratchFolder::~ScratchFolder() {
    if (Valid()) {
        RemoveTree(path_);
    }
}

bool ScratchFolder::MakeFolders(const std::string& relative) const {
    for (size_t end = 0; end != std::string::npos;) {
        end = relative.find('\\', end + 1);
        if (!CreateDirectoryA((path_ + relative.substr(0, end)).c_str(), nullptr) &&
            GetLastError() != ERROR_ALREADY_EXISTS) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> ScratchFolder::Entries() const {
    return NamesIn(path_);
}

FileBytes ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {file.is_open(), {std::istreambuf_iterator<char>(file), {}}};
}

bool WriteWholeFile(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    file.close();
    return !file.fail();
}
