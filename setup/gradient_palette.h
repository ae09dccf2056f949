// The fixed table of 256 colours from which the setup backdrop's gradient colours are picked
// by palette number.
#pragma once

#include <cstdint>

constexpr int32_t kPaletteSize = 256;

struct PaletteColour {
    int32_t red = 0;
    int32_t green = 0;
    int32_t blue = 0;
};

// Numbers below 0 act as 0, above 255 as 255.
int32_t ClampPaletteNumber(int32_t number);

// 0-215 a 6 x 6 x 6 colour cube (number = 36 g + 6 r + b, each level times 51), 216-240 greys
// from 10 to 250, 241-255 fixed colours. The number is clamped first.
PaletteColour GradientPaletteEntry(int32_t number);

// The entry as one colour value, red + green * 256 + blue * 65536.
int32_t GradientPaletteColour(int32_t number);
