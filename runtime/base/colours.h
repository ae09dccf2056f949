// Colour values: red + green * 256 + blue * 65536.
#pragma once

#include <cstdint>

int32_t ColourFromParts(int32_t red, int32_t green, int32_t blue);
int32_t RedPart(int32_t colour);
int32_t GreenPart(int32_t colour);
int32_t BluePart(int32_t colour);

// The value in the system's COLORREF layout (0x00BBGGRR), which is the colour's low 24 bits.
inline uint32_t ColourRefOf(int32_t colour) {
    return static_cast<uint32_t>(RedPart(colour) | GreenPart(colour) << 8 | BluePart(colour) << 16);
}
