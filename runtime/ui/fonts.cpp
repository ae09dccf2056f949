#include "runtime/ui/fonts.h"

#include "runtime/base/never_destroyed.h"
#include "runtime/base/numbered_table.h"
#include "runtime/system/owned_handle.h"
#include "runtime/ui/displays.h"

namespace {

struct Font {
    OwnedGdiObject handle;
};

NeverDestroyed<NumberedTable<Font>> g_fonts;

constexpr int32_t kUsualPixelsPerInch = 96;

int32_t FontPixelHeight(int32_t pointSize) {
    const int32_t pixelsPerInch = DesktopPixelsPerInch();
    return -MulDiv(pointSize, pixelsPerInch > 0 ? pixelsPerInch : kUsualPixelsPerInch, 72);
}

} // namespace

int32_t CreateFontObject(int32_t number, const Text& face, int32_t pointSize, int32_t flags) {
    const int32_t claimed = g_fonts->Claim(number);
    if (claimed < 0) {
        return 0;
    }
    HFONT font = CreateFontA(
        FontPixelHeight(pointSize), 0, 0, 0, (flags & kFontBold) ? FW_BOLD : FW_NORMAL,
        (flags & kFontItalic) ? TRUE : FALSE, (flags & kFontUnderline) ? TRUE : FALSE,
        (flags & kFontStrikeOut) ? TRUE : FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
        CLIP_DEFAULT_PRECIS, (flags & kFontProofQuality) ? PROOF_QUALITY : DEFAULT_QUALITY,
        DEFAULT_PITCH | FF_DONTCARE, face.c_str());
    if (font == nullptr) {
        return 0;
    }
    g_fonts->Store(claimed, Font{OwnedGdiObject(font)});
    return CreateResult(number, claimed, font);
}

HFONT FontObjectHandle(int32_t number) {
    Font* font = g_fonts->Find(number);
    return font != nullptr ? static_cast<HFONT>(font->handle.Get()) : nullptr;
}

void ReleaseAllFonts() {
    g_fonts->Clear();
}
