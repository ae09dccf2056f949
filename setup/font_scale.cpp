#include "setup/font_scale.h"

#include <cmath>

float SetupFontScale(int32_t pixelsPerInch) {
    if (pixelsPerInch < 1) {
        return 1.0f;
    }
    return 96.0f / static_cast<float>(pixelsPerInch);
}

int32_t ScaledFontSize(int32_t baseSize, float scale) {
    // nearbyint rounds halves to even in the default rounding mode.
    return static_cast<int32_t>(std::nearbyint(static_cast<float>(baseSize) * scale));
}
