// The names a carried file may be written under before it takes the place of the installed one.
#pragma once

#include "runtime/base/text.h"

#include <cstdint>

// The copy's name number attempt (from 0): beside the target, in the same folder, its name with
// the first character replaced by "~", "_", "$", "#", "!", "=", "+" or "-" in turn, leaving out
// the target's own first character; "" past the last name and for a target without a name. No
// carried file's name begins with any of them, and the path is exactly as long as the target's,
// so a target that fits the system's path limit lets its copy fit too.
Text PayloadCopyPath(const Text& target, int32_t attempt);
