#include "setup/backdrop_gradient.h"

#include "registry/last_error_text.h"
#include "runtime/graphics/drawing.h"
#include "runtime/graphics/images.h"
#include "runtime/system/owned_handle.h"
#include "runtime/ui/app_windows.h"
#include "setup/gradient_bands.h"

namespace {

// Lives until the next successful call or the end of the process.
OwnedGdiObject g_gradientBrush;

HBITMAP Fail() {
    SetLastErrorText("ERROR, can´t create gradient");
    return nullptr;
}

bool PaintBands(int32_t topColour, int32_t bottomColour, int32_t steps, int32_t direction,
                int32_t imageNumber, int32_t width, int32_t height) {
    if (BeginImageDrawing(imageNumber) == 0) {
        return false;
    }
    for (int32_t band = 0; band < steps; ++band) {
        const GradientBand area =
            GradientBandAt(topColour, bottomColour, steps, direction, width, height, band);
        if (area.right > area.left && area.bottom > area.top) {
            FillBox(area.left, area.top, area.right - area.left, area.bottom - area.top,
                    area.colour);
        }
    }
    EndDrawing();
    return true;
}

} // namespace

HBITMAP GradientBackground(int32_t topColour, int32_t bottomColour, int32_t steps,
                           int32_t direction, int32_t windowNumber, int32_t imageNumber) {
    HWND window = AppWindowHandle(windowNumber);
    ClearLastErrorText();
    steps = ClampGradientSteps(steps);
    if (imageNumber < 0 || windowNumber < 0 || window == nullptr) {
        return Fail();
    }
    const int32_t width = AppWindowInnerWidth(windowNumber);
    const int32_t height = AppWindowInnerHeight(windowNumber);
    if (CreateBlankImage(imageNumber, width, height) == 0 ||
        !PaintBands(topColour, bottomColour, steps, direction, imageNumber, width, height)) {
        return Fail();
    }
    HBITMAP bitmap = ImageBitmapHandle(imageNumber);
    OwnedGdiObject brush(bitmap != nullptr ? CreatePatternBrush(bitmap) : nullptr);
    if (!brush) {
        return Fail();
    }
    // The old brush goes only once the new one is the class background, so no failure can leave
    // the class pointing at a deleted brush.
    SetClassLongPtrA(window, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush.Get()));
    g_gradientBrush = std::move(brush);
    InvalidateRect(window, nullptr, TRUE);
    return bitmap;
}

HBRUSH CurrentGradientBrush() {
    return static_cast<HBRUSH>(g_gradientBrush.Get());
}
