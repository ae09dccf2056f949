// Colour values (red + green * 256 + blue * 65536) as the system's COLORREF.
#pragma once

#include "runtime/base/text.h"

#include <windows.h>

#include <cstdint>

inline COLORREF ColourRefOf(int32_t colour) {
    return RGB(RedPart(colour), GreenPart(colour), BluePart(colour));
}
