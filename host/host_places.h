// The registry places host discovery reads. Platform-free.
#pragma once

#include "registry/root_keys.h"

struct RegistryPlace {
    RootKey root;
    const char* path;
};

// Road 1: the open command of PureBasic.exe among the shell's applications. Windows 9x kept
// it under HKEY_LOCAL_MACHINE, the NT family shows it in HKEY_CLASSES_ROOT.
RegistryPlace DirectRoadPlace(bool ntPlatform);

// Road 2: the same entry spelt "Purebasic.exe"; on NT the very key of road 1.
RegistryPlace ToolkitRoadPlace(bool ntPlatform);

// Road 3 searches below this key for the first key of this name.
constexpr RootKey kSearchRoadRoot = kHkeyClassesRoot;
constexpr const char* kSearchRoadStart = "PureBasic.exe";
constexpr const char* kSearchRoadKeyName = "command";

// Road 4 asks for the program of this file extension.
constexpr const char* kHostFileExtension = "pb";
