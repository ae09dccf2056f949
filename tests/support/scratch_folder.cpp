#include "support/scratch_folder.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder() {
    static int counter = 0;
    std::error_code error;
    const fs::path path = fs::temp_directory_path(error) /
                          ("quorrel-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                           std::to_string(GetTickCount()) + "-" + std::to_string(++counter));
    path_ = fs::create_directory(path, error) ? path.string() + "\\" : "";
}

ScratchFolder::~ScratchFolder() {
    std::error_code error;
    // Read-only files would stop the removal.
    for (fs::recursive_directory_iterator at(path_, error), end; !error && at != end;
         at.increment(error)) {
        SetFileAttributesW(at->path().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    fs::remove_all(path_, error);
}

bool ScratchFolder::MakeFolders(const std::string& relative) const {
    std::error_code error;
    fs::create_directories(path_ + relative, error);
    return !error && fs::is_directory(path_ + relative, error);
}

std::vector<std::string> ScratchFolder::Entries() const {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator at(path_, error), end; !error && at != end; at.increment(error)) {
        names.push_back(at->path().filename().string());
    }
    return names;
}

FileBytes ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {file.is_open(), {std::istreambuf_iterator<char>(file), {}}};
}

bool WriteWholeFile(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    return !file.fail();
}
