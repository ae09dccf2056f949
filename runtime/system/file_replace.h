// Putting a finished file in the place of another in one step.
#pragma once

#include "runtime/base/text.h"

#include <cstdint>

// Moves source over target, replacing a file that is there, and returns once the move is on
// the disk. A hidden or system target passes those attributes on. Non-zero on success; on
// failure both files stay as they were.
int32_t FileReplace(const Text& source, const Text& target);
