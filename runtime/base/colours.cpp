#include "runtime/base/colours.h"

int32_t ColourFromParts(int32_t red, int32_t green, int32_t blue) {
    // Parts are not masked; the sum wraps in 32 bits instead of overflowing.
    return static_cast<int32_t>(static_cast<uint32_t>(red) + static_cast<uint32_t>(green) * 256u +
                                static_cast<uint32_t>(blue) * 65536u);
}

int32_t RedPart(int32_t colour) {
    return colour & 0xFF;
}
int32_t GreenPart(int32_t colour) {
    return (colour >> 8) & 0xFF;
}
int32_t BluePart(int32_t colour) {
    return (colour >> 16) & 0xFF;
}
