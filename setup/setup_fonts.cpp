#include "setup/setup_fonts.h"

#include "runtime/ui/displays.h"
#include "runtime/ui/fonts.h"
#include "setup/font_scale.h"

namespace {

constexpr int32_t kBaseFontNumber = 0;

HFONT LoadArial(int32_t number, int32_t baseSize, float scale, int32_t flags = 0) {
    const int32_t result =
        CreateFontObject(number, "Arial", ScaledFontSize(baseSize, scale), flags);
    if (result == 0) {
        return nullptr;
    }
    return FontObjectHandle(number < 0 ? result : number);
}

} // namespace

bool LoadSetupFonts(SetupFonts& fonts) {
    const float scale = SetupFontScale(DesktopPixelsPerInch());
    fonts.base = LoadArial(kBaseFontNumber, 8, scale);
    if (fonts.base == nullptr) {
        return false;
    }
    fonts.banner = LoadArial(-1, 24, scale, kFontBold | kFontItalic | kFontUnderline);
    if (fonts.banner == nullptr) {
        return false;
    }
    fonts.content = LoadArial(-1, 10, scale, kFontBold);
    if (fonts.content == nullptr) {
        return false;
    }
    fonts.credit = LoadArial(-1, 7, scale);
    return fonts.credit != nullptr;
}
