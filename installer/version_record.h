// The record of the installed version: the registry of the current user holds it; an older
// marker file in the host's examples folder is read once and then removed.
#pragma once

#include "runtime/base/text.h"

#include <cstdint>

struct VersionRecord {
    int32_t version = 0; // 0 when none is recorded
    Text date;           // "12.07.2007"; "" when none is recorded
};

// Where the record lives: HKEY_CURRENT_USER, this key, REG_SZ values "Version" and "Date".
constexpr const char* kVersionRecordKey = "Software\\Velkadia\\Qorp400\\";

// The marker file below the host directory.
Text VersionMarkerPath(const Text& hostDirectory);

// The marker file's version and date when there is one, else the registry's record; missing
// parts read as 0 and "". A marker is removed once its record is safe in the registry.
VersionRecord ReadInstalledVersion(const Text& hostDirectory);

// Stores version and date in the registry, creating the key when needed. True only when both
// values were written.
bool WriteInstalledVersion(int32_t version, const Text& date);
