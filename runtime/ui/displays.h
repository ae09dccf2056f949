// The displays attached to the desktop; the primary display is display 0.
#pragma once

#include <cstdint>

// Current width in pixels, or 0 when n is out of range.
int32_t DisplayWidth(int32_t n);

// The desktop's pixels per inch, or 0 when the desktop cannot be asked. Fonts turn point sizes
// into pixels with it, and the setup scales its fonts by it.
int32_t DesktopPixelsPerInch();
