// Where the parts of a bitmap or icon file image lie, checked against the data's size before
// any of it is handed to the system. Plain bytes only.
#pragma once

#include <cstddef>
#include <cstdint>

struct BitmapFileLayout {
    bool valid = false;
    int32_t width = 0;
    int32_t height = 0;     // as stored: negative for top-down pictures
    size_t infoOffset = 14; // bitmap information header, colour masks, colour table
    size_t infoBytes = 0;
    size_t pixelOffset = 0;
    size_t pixelBytes = 0;
};

// A "BM" file image whose header, colour table and pixel data all lie inside `size` bytes.
BitmapFileLayout ReadBitmapFileLayout(const uint8_t* data, size_t size);

struct IconFileLayout {
    bool valid = false;
    size_t imageOffset = 0; // the first picture of the icon file
    size_t imageBytes = 0;
};

// An icon file image (reserved word 0, type 1) whose first picture lies inside `size` bytes.
IconFileLayout ReadIconFileLayout(const uint8_t* data, size_t size);
