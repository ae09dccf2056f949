// The displays attached to the desktop; the primary display is display 0.
#pragma once

#include <cstdint>

int32_t CountDisplays();
// Current size in pixels, or 0 when n is out of range.
int32_t DisplayWidth(int32_t n);
int32_t DisplayHeight(int32_t n);
