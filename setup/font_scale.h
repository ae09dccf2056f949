// The setup fonts keep their 96-dpi pixel heights on other desktops: the runtime turns point
// sizes into pixels with the display's resolution, so the sizes shrink by 96 / pixels-per-inch.
#pragma once

#include <cstdint>

// 96 / pixelsPerInch as a 32-bit float; 1 when the resolution is unknown (0 or less).
float SetupFontScale(int32_t pixelsPerInch);
// baseSize x scale, rounded to the nearest integer, halves to even.
int32_t ScaledFontSize(int32_t baseSize, float scale);
