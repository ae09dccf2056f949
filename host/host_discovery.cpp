#include "host/host_discovery.h"

#include "host/command_cuts.h"
#include "host/host_places.h"
#include "registry/key_operations.h"
#include "registry/key_search.h"
#include "registry/value_text.h"

#include <windows.h>

namespace {

// Room for the direct read of the open command.
constexpr uint32_t kDirectCommandRoom = 522;
// Room for the file-type name and its open command.
constexpr uint32_t kAssociationRoom = 255;

// A failed read leaves no bytes, so the command is empty.
Text ReadDirectCommand(const RegistryPlace& place) {
    return ValueText(ReadRegistryValue(place.root, place.path, "", kDirectCommandRoom).bytes,
                     ValueBytes::UpToZeroByte);
}

Text ReadSearchedCommand() {
    const Text found = FindKeyPath(kSearchRoadRoot, kSearchRoadStart, kSearchRoadKeyName);
    if (found.empty()) {
        return Text();
    }
    return ReadStringValue(RootKeyFromPath(found), SubkeyPathOfFullPath(found), "");
}

// The file-type name and its open command: the last byte returned is their terminator.
bool ReadAssociationText(const Text& path, Text& text) {
    const RegistryValue value = ReadRegistryValue(kHkeyClassesRoot, path, "", kAssociationRoom);
    text = ValueText(value.bytes, ValueBytes::LastByteTerminates);
    return value.status == ValueReadStatus::Read;
}

} // namespace

bool IsNtPlatform() {
    // The top bit of GetVersion is clear on the NT family and set on Windows 9x. (The build
    // number byte is no safe test: NT builds such as 10240 have a zero low byte.)
    return (GetVersion() & 0x80000000u) == 0;
}

Text FindHostDirectory() {
    return FindHostDirectoryOn(IsNtPlatform());
}

Text FindHostDirectoryOn(bool ntPlatform) {
    Text directory = DirectCommandDirectory(ReadDirectCommand(DirectRoadPlace(ntPlatform)));
    if (!directory.empty()) {
        return directory;
    }
    const RegistryPlace toolkitPlace = ToolkitRoadPlace(ntPlatform);
    directory = ToolkitCommandDirectory(ReadStringValue(toolkitPlace.root, toolkitPlace.path, ""));
    if (!directory.empty()) {
        return directory;
    }
    directory = SearchedCommandDirectory(ReadSearchedCommand());
    if (!directory.empty()) {
        return directory;
    }
    return AssociatedProgramDirectory(FindAssociatedProgram(kHostFileExtension));
}

Text FindAssociatedProgram(const Text& extension) {
    Text fileType;
    Text command;
    if (!ReadAssociationText("." + extension, fileType) ||
        !ReadAssociationText(fileType + "\\Shell\\Open\\Command", command)) {
        return Text();
    }
    return ProgramOfOpenCommand(command);
}
