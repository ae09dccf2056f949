#include "setup/gradient_bands.h"

#include "runtime/base/colours.h"

#include <algorithm>

namespace {

uint32_t Magnitude(int32_t value) {
    return value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
}

int32_t BandPart(int32_t top, int32_t bottom, int32_t band, int32_t steps) {
    return top + MulDivRounded(band, bottom - top, steps);
}

} // namespace

int32_t ClampGradientSteps(int32_t steps) {
    return std::clamp(steps, kMinGradientSteps, kMaxGradientSteps);
}

// Without a 64-bit division, which the 32-bit build would take from the compiler's library. The
// magnitudes are at most 2^31, so the product plus half the divisor stays below 2^63 and is made
// by one 32 x 32 -> 64 bit multiplication. When its high word is at least the divisor the quotient
// is 2^32 or more and cannot fit. Otherwise the quotient is found one bit at a time, high bit
// first; the remainder stays below the divisor (at most 2^31), so twice it plus one bit fits 32
// bits.
int32_t MulDivRounded(int32_t number, int32_t numerator, int32_t denominator) {
    if (denominator == 0) {
        return -1;
    }
    const uint32_t divisor = Magnitude(denominator);
    const uint64_t dividend =
        static_cast<uint64_t>(Magnitude(number)) * Magnitude(numerator) + divisor / 2;
    const uint32_t low = static_cast<uint32_t>(dividend);
    uint32_t remainder = static_cast<uint32_t>(dividend >> 32);
    if (remainder >= divisor) {
        return -1;
    }
    uint32_t quotient = 0;
    for (int bit = 31; bit >= 0; --bit) {
        remainder = (remainder << 1) | ((low >> bit) & 1);
        quotient <<= 1;
        if (remainder >= divisor) {
            remainder -= divisor;
            quotient |= 1;
        }
    }
    // A negative result reaches one further than a positive one: -2^31 fits, 2^31 does not.
    const bool negative = quotient != 0 && ((number < 0) != (numerator < 0)) != (denominator < 0);
    if (quotient > static_cast<uint32_t>(INT32_MAX) + (negative ? 1 : 0)) {
        return -1;
    }
    return static_cast<int32_t>(negative ? 0u - quotient : quotient);
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
