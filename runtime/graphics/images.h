// Numbered in-memory images: bitmaps (display-compatible or 32-bit sections) and icons.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

constexpr int32_t kDisplayCompatible = 128; // flag byte of an image made like the display

// A bitmap file image ("BM") becomes a 32-bit section, an icon file image an icon. The whole
// file must lie inside `size` bytes. Returns the handle (fixed number), the allocated number
// (-1), or 0 with the number left free.
int32_t LoadImageFromMemory(int32_t number, const void* address, size_t size);
// Smooth scaling. Same size: the handle unchanged. If no new bitmap can be made: 0, image kept.
// If the copy into the new bitmap fails: 0, and the image is gone.
HBITMAP ScaleImage(int32_t number, int32_t width, int32_t height);
// A black bitmap as deep as the display.
int32_t CreateBlankImage(int32_t number, int32_t width, int32_t height);
// A copy of the source (same size, depth and kind) under the given or an allocated number.
int32_t DuplicateImage(int32_t source, int32_t number);
int32_t ImageExists(int32_t number);
// The bitmap (for an icon image: the icon) or nullptr.
HBITMAP ImageBitmapHandle(int32_t number);
int32_t ImageWidth(int32_t number);
int32_t ImageHeight(int32_t number);

// For the end of the program.
void ReleaseAllImages();
