// How the flags of a new application window become its style and position. Plain values only.
#pragma once

#include <cstdint>

constexpr int32_t kCentreOnScreen = 1;
constexpr int32_t kCentreOnOwner = 2;
constexpr int32_t kCreateInvisible = 0x10000000;

struct WindowStyleChoice {
    uint32_t style; // handed to CreateWindowExA
    bool invisible; // left hidden after creation
    bool centreOnScreen;
    bool centreOnOwner;
    bool maximised; // shown maximised
};

WindowStyleChoice WindowStyleFromFlags(int32_t flags);

// Offset that centres `size` in an area: (area - size) / 2, truncating toward zero.
int32_t CentredOffset(int32_t areaSize, int32_t size);

struct WindowRectangle {
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
};

// Outer rectangle of a window centred on the screen; the size is first clamped to the screen.
WindowRectangle CentreOnScreen(int32_t outerWidth, int32_t outerHeight, int32_t screenWidth,
                               int32_t screenHeight);

// Outer rectangle of a window centred on another window's rectangle; negative positions
// become 0.
WindowRectangle CentreOnWindow(int32_t outerWidth, int32_t outerHeight, const WindowRectangle& on);
