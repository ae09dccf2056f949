// Turning the bytes of a registry value into a text: the one rule for every reader.
// Platform-free.
#pragma once

#include "runtime/base/text.h"

#include <string_view>

enum class ValueBytes {
    // A string value: every zero byte is left out (the terminator, and those inside the data,
    // whose pieces are joined).
    ZeroBytesLeftOut,
    // Data of any type: up to the first zero byte, or all of it.
    UpToZeroByte,
    // The last byte is the terminator, whatever it is: up to the first zero byte before it.
    LastByteTerminates,
};

Text ValueText(std::string_view bytes, ValueBytes form);
