// The colour bands of the backdrop gradient: which colour each band has and which part of the
// client area it covers. The window code paints them; nothing here draws.
#pragma once

#include <cstdint>

constexpr int32_t kMinGradientSteps = 2;
constexpr int32_t kMaxGradientSteps = 255;

// Direction 1 lays the bands from left to right; every other value from top to bottom.
constexpr int32_t kGradientLeftToRight = 1;

int32_t ClampGradientSteps(int32_t steps);

// number * numerator / denominator over a 64-bit product, rounded half away from zero, as the
// platform's MulDiv does; -1 when the denominator is 0 or the result does not fit 32 bits.
int32_t MulDivRounded(int32_t number, int32_t numerator, int32_t denominator);

// Band i covers [left, right) x [top, bottom). Bands meet without gaps and the last one reaches
// the far edge; a band can be empty when the area is smaller than the number of steps.
struct GradientBand {
    int32_t colour = 0; // red + green * 256 + blue * 65536
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

// The picture behind the gradient's pattern brush. The bands do not change along their length, so
// it is one pixel across them and as long as the area in the direction they follow each other;
// the brush repeats it over the whole area. A side of 0 or less stays as it is.
struct GradientPictureSize {
    int32_t width = 0;
    int32_t height = 0;
};
GradientPictureSize GradientPictureSizeFor(int32_t direction, int32_t width, int32_t height);

// Band `band` of the gradient from topColour to bottomColour over a width x height client area.
// Steps are clamped first. Each colour part moves band/steps of the way from top to bottom, so
// no band has exactly the bottom colour.
GradientBand GradientBandAt(int32_t topColour, int32_t bottomColour, int32_t steps,
                            int32_t direction, int32_t width, int32_t height, int32_t band);
