#include "setup/backdrop_gradient.h"

#include "runtime/base/never_destroyed.h"
#include "runtime/graphics/drawing.h"
#include "runtime/graphics/images.h"
#include "runtime/system/owned_handle.h"
#include "runtime/ui/app_windows.h"
#include "setup/gradient_bands.h"

namespace {

// The class background of the last window painted: lives until the next successful call or the
// end of the program, after the window that shows it.
NeverDestroyed<OwnedGdiObject> g_gradientBrush;

bool PaintBands(int32_t topColour, int32_t bottomColour, int32_t steps, int32_t direction,
                int32_t imageNumber, GradientPictureSize size) {
    if (BeginImageDrawing(imageNumber) == 0) {
        return false;
    }
    for (int32_t band = 0; band < steps; ++band) {
        const GradientBand area = GradientBandAt(topColour, bottomColour, steps, direction,
                                                 size.width, size.height, band);
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
    steps = ClampGradientSteps(steps);
    if (imageNumber < 0 || windowNumber < 0 || window == nullptr) {
        return nullptr;
    }
    const GradientPictureSize size = GradientPictureSizeFor(
        direction, AppWindowInnerWidth(windowNumber), AppWindowInnerHeight(windowNumber));
    if (CreateBlankImage(imageNumber, size.width, size.height) == 0 ||
        !PaintBands(topColour, bottomColour, steps, direction, imageNumber, size)) {
        return nullptr;
    }
    HBITMAP bitmap = ImageBitmapHandle(imageNumber);
    OwnedGdiObject brush(bitmap != nullptr ? CreatePatternBrush(bitmap) : nullptr);
    if (!brush) {
        return nullptr;
    }
    // The old brush goes only once the new one is the class background, so no failure can leave
    // the class pointing at a deleted brush.
    SetClassLongPtrA(window, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush.Get()));
    *g_gradientBrush = std::move(brush);
    InvalidateRect(window, nullptr, TRUE);
    return bitmap;
}

void ReleaseGradientBackground() {
    g_gradientBrush->Close();
}
