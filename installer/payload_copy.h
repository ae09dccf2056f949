// Creating the file a carried file is first written to, beside its target.
#pragma once

#include "runtime/base/text.h"

#include <cstdint>

// Creates the copy of target as a new numbered file under the first name of PayloadCopyPath
// that nothing has yet, and returns its path. A file or folder that is there is never opened,
// so the user's own files of those names stay as they are. "" when every name is taken or the
// file cannot be created (a missing folder, access denied).
Text CreatePayloadCopy(int32_t number, const Text& target);
