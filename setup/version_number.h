// Version numbers: the integer form of a dotted version text ("1.06" is 1006), which is what
// the installer compares and stores. 0 means none is recorded.
#pragma once

#include "runtime/base/text.h"

#include <cstdint>

// The first character, then the third and fourth padded to three digits with "0": "1.06" and
// "1.6" give 1006, "2.1" gives 2001, "" gives 0. The second character is never looked at.
int32_t VersionNumberFromText(const Text& text);

// The digits right-justified to nine places with "0" in three groups: 1006 is "000.001.006".
Text VersionDisplayText(int32_t versionNumber);
