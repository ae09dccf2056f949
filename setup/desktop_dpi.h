// The desktop's horizontal resolution, for scaling the setup fonts.
#pragma once

#include <cstdint>

// Pixels per inch, or 0 with "ERROR, desktop size not found" in the last error text.
int32_t DesktopPixelsPerInch();
