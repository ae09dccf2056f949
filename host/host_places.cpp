#include "host/host_places.h"

RegistryPlace DirectRoadPlace(bool ntPlatform) {
    if (ntPlatform) {
        return {kHkeyClassesRoot, "Applications\\PureBasic.exe\\shell\\open\\command"};
    }
    return {kHkeyLocalMachine, "Software\\Classes\\PureBasic.exe\\shell\\open\\command"};
}

RegistryPlace ToolkitRoadPlace(bool ntPlatform) {
    if (ntPlatform) {
        return {kHkeyClassesRoot, "Applications\\Purebasic.exe\\shell\\open\\command"};
    }
    return {kHkeyLocalMachine,
            "SOFTWARE\\Classes\\Applications\\Purebasic.exe\\shell\\open\\command"};
}
