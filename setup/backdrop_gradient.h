// Paints a two-colour gradient into a numbered image and makes it a window's background.
#pragma once

#include <windows.h>

#include <cstdint>

// Colours are red + green * 256 + blue * 65536. The image is one pixel across the bands and as
// long as the client area along them; the window's background brush repeats it. Returns the
// image's bitmap, or 0 when the numbers are negative or the image cannot be made or painted; a
// failed call leaves the window's background and its brush as they were.
HBITMAP GradientBackground(int32_t topColour, int32_t bottomColour, int32_t steps,
                           int32_t direction, int32_t windowNumber, int32_t imageNumber);

// Deletes the last gradient's brush, for the end of the program once no window shows it.
void ReleaseGradientBackground();
