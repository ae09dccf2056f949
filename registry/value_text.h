// Turning the bytes of a registry string value into a text.
#pragma once

#include "runtime/base/text.h"

#include <cstddef>

// The bytes in order with every zero byte left out: the terminator goes, and the pieces of a
// value with zero bytes inside are joined.
Text TextWithoutZeroBytes(const char* bytes, size_t count);
