// Where a carried file is written before it takes the place of the installed one.
#pragma once

#include "runtime/base/text.h"

// Beside the target, in the same folder: its name with the first character replaced by "~"
// ("_" when it already is one). No carried file's name begins with either, and the path is
// exactly as long as the target's, so a target that fits the system's path limit lets its
// copy fit too.
Text PayloadCopyPath(const Text& target);
