// The picture on the left of the setup dialog window: the carried one, or a stand-in made of
// the backdrop gradient.
#pragma once

#include <windows.h>

#include <cstdint>

constexpr int32_t kGradientImage = 0;
constexpr int32_t kSidePictureImage = 1;
constexpr int32_t kSidePictureWidth = 110;
constexpr int32_t kSidePictureHeight = 300;

// Image 1 scaled to 110 x 300 when it exists; else image 0 (the gradient) scaled to that size
// with "Setup" written on it in white and copied to image 1. False when neither can be had.
bool PrepareSidePicture(HFONT bannerFont);
