// Paints a two-colour gradient into a numbered image and makes it a window's background.
#pragma once

#include <windows.h>

#include <cstdint>

// Colours are red + green * 256 + blue * 65536. Returns the image's bitmap, or 0 with
// "ERROR, can´t create gradient" in the last error text; a failed call leaves the window's
// background and the current gradient brush as they were.
HBITMAP GradientBackground(int32_t topColour, int32_t bottomColour, int32_t steps,
                           int32_t direction, int32_t windowNumber, int32_t imageNumber);

// The pattern brush that is the background of the last window painted; nullptr before.
HBRUSH CurrentGradientBrush();
