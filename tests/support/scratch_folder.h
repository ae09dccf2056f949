// A fresh folder under the temporary directory, removed with everything in it at the end.
#pragma once

#include <string>
#include <vector>

class ScratchFolder {
  public:
    ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder();

    // Ends with a backslash, as the install directory does; "" when no folder could be made.
    const std::string& Path() const { return path_; }
    // Creates each level of a relative folder path such as "examples\ZentLibs\Bilder".
    bool MakeFolders(const std::string& relative) const;
    // Names directly inside the folder, without "." and "..".
    std::vector<std::string> Entries() const;

  private:
    std::string path_;
};

// A whole file read back with the system's own calls; ok is false when it could not be read.
struct FileBytes {
    bool ok = false;
    std::vector<unsigned char> bytes;
};
FileBytes ReadWholeFile(const std::string& path);
bool WriteWholeFile(const std::string& path, const std::vector<unsigned char>& bytes);
