#include "setup/side_picture.h"

#include "runtime/graphics/drawing.h"
#include "runtime/graphics/images.h"

namespace {

constexpr int32_t kWhite = 0xFFFFFF;

} // namespace

bool PrepareSidePicture(HFONT bannerFont) {
    if (ImageExists(kSidePictureImage) &&
        ScaleImage(kSidePictureImage, kSidePictureWidth, kSidePictureHeight) != nullptr) {
        return true;
    }
    if (!ImageExists(kGradientImage) ||
        ScaleImage(kGradientImage, kSidePictureWidth, kSidePictureHeight) == nullptr) {
        return false;
    }
    if (BeginImageDrawing(kGradientImage) != 0) {
        SetDrawingFont(bannerFont);
        SetDrawingMode(kDrawTransparentText);
        DrawTextAt(10, 10, "Setup", kWhite);
        EndDrawing();
    }
    return DuplicateImage(kGradientImage, kSidePictureImage) != 0;
}
