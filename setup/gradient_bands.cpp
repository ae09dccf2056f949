#include "setup/gradient_bands.h"

#include "runtime/base/colours.h"

#include <algorithm>
#include <cstdlib>

namespace {

int32_t BandPart(int32_t top, int32_t bottom, int32_t band, int32_t steps) {
    return top + MulDivRounded(band, bottom - top, steps);
}

} // namespace

int32_t ClampGradientSteps(int32_t steps) {
    return std::clamp(steps, kMinGradientSteps, kMaxGradientSteps);
}

int32_t MulDivRounded(int32_t number, int32_t numerator, int32_t denominator) {
    if (denominator == 0) {
        return -1;
    }
    const int64_t product = static_cast<int64_t>(number) * numerator;
    const int64_t divisor = std::abs(static_cast<int64_t>(denominator));
    const int64_t magnitude = (std::abs(product) + divisor / 2) / divisor;
    const int64_t result = (product < 0) != (denominator < 0) ? -magnitude : magnitude;
    if (result > INT32_MAX || result < INT32_MIN) {
        return -1;
    }
    return static_cast<int32_t>(result);
}

GradientPictureSize GradientPictureSizeFor(int32_t direction, int32_t width, int32_t height) {
    if (direction == kGradientLeftToRight) {
        return {width, std::min(height, 1)};
    }
    return {std::min(width, 1), height};
}

GradientBand GradientBandAt(int32_t topColour, int32_t bottomColour, int32_t steps,
                            int32_t direction, int32_t width, int32_t height, int32_t band) {
    const int32_t n = ClampGradientSteps(steps);
    GradientBand result;
    result.colour =
        ColourFromParts(BandPart(RedPart(topColour), RedPart(bottomColour), band, n),
                        BandPart(GreenPart(topColour), GreenPart(bottomColour), band, n),
                        BandPart(BluePart(topColour), BluePart(bottomColour), band, n));
    if (direction == kGradientLeftToRight) {
        result.left = MulDivRounded(band, width, n);
        result.right = MulDivRounded(band + 1, width, n);
        result.bottom = height;
    } else {
        result.top = MulDivRounded(band, height, n);
        result.bottom = MulDivRounded(band + 1, height, n);
        result.right = width;
    }
    return result;
}
