#include "runtime/graphics/drawing.h"

#include "runtime/base/colours.h"
#include "runtime/base/never_destroyed.h"
#include "runtime/graphics/images.h"
#include "runtime/system/owned_handle.h"

#include <memory>

namespace {

// Nothing changes the front colour: text and boxes in other colours set theirs for one call.
constexpr COLORREF kFrontColour = RGB(0, 0, 0);

// The selections are put back before the brush and the device context go (members are
// released in reverse order).
struct Drawing {
    OwnedMemoryDc dc;
    OwnedGdiObject blackBrush;
    DcSelection bitmap;
    DcSelection pen;
    DcSelection brush;
    DcSelection font;
    int32_t mode = 0;
};

// Present while a drawing is in progress.
NeverDestroyed<std::unique_ptr<Drawing>> g_drawing;

Drawing* CurrentDrawing() {
    return g_drawing->get();
}

} // namespace

int32_t BeginImageDrawing(int32_t number) {
    EndDrawing();
    HBITMAP bitmap = ImageBitmapHandle(number);
    if (bitmap == nullptr || GetObjectType(bitmap) != OBJ_BITMAP) {
        return 0;
    }
    auto drawing = std::make_unique<Drawing>();
    drawing->dc.Reset(CreateCompatibleDC(nullptr));
    drawing->blackBrush.Reset(CreateSolidBrush(RGB(0, 0, 0)));
    if (!drawing->dc || !drawing->blackBrush) {
        return 0;
    }
    HDC dc = drawing->dc.Get();
    drawing->bitmap = SelectInto(dc, bitmap);
    if (!drawing->bitmap) {
        return 0;
    }
    // Text is drawn at, and advances, the current position.
    SetTextAlign(dc, TA_UPDATECP);
    drawing->pen = SelectInto(dc, GetStockObject(BLACK_PEN));
    drawing->brush = SelectInto(dc, drawing->blackBrush.Get());
    SetTextColor(dc, kFrontColour);
    *g_drawing = std::move(drawing);
    return 1;
}

void EndDrawing() {
    g_drawing->reset();
}

void SetDrawingFont(HFONT font) {
    Drawing* drawing = CurrentDrawing();
    if (drawing == nullptr) {
        return;
    }
    // The font from before the drawing goes back first, so it is the one restored at the end.
    drawing->font.Close();
    drawing->font =
        SelectInto(drawing->dc.Get(), font != nullptr ? font : GetStockObject(SYSTEM_FONT));
}

void SetDrawingFont(int32_t fontHandle) {
    SetDrawingFont(fontHandle == -1 ? nullptr
                                    : reinterpret_cast<HFONT>(static_cast<intptr_t>(fontHandle)));
}

void SetDrawingMode(int32_t flags) {
    if (Drawing* drawing = CurrentDrawing()) {
        drawing->mode = flags;
    }
}

int32_t DrawTextAt(int32_t x, int32_t y, const Text& text, int32_t colour) {
    const Drawing* drawing = CurrentDrawing();
    if (drawing == nullptr) {
        return 0;
    }
    if (text.empty()) {
        return x;
    }
    HDC dc = drawing->dc.Get();
    MoveToEx(dc, x, y, nullptr);
    SetBkMode(dc, (drawing->mode & kDrawTransparentText) ? TRANSPARENT : OPAQUE);
    SetTextColor(dc, ColourRefOf(colour));
    TextOutA(dc, 0, 0, text.c_str(), static_cast<int>(text.size()));
    SetTextColor(dc, kFrontColour);
    POINT position{};
    GetCurrentPositionEx(dc, &position);
    return position.x;
}

int32_t FillBox(int32_t x, int32_t y, int32_t width, int32_t height, int32_t colour) {
    const Drawing* drawing = CurrentDrawing();
    if (drawing == nullptr) {
        return 0;
    }
    HDC dc = drawing->dc.Get();
    const bool outlineOnly = (drawing->mode & kDrawOutlineOnly) != 0;
    SetROP2(dc, (drawing->mode & kDrawXor) ? R2_XORPEN : R2_COPYPEN);
    const COLORREF wanted = ColourRefOf(colour);
    if (width == 1 || height == 1) {
        // GDI draws no rectangle one pixel thin; a pattern fill covers exactly those pixels.
        const OwnedGdiObject line(CreateSolidBrush(wanted));
        const DcSelection selected = SelectInto(dc, line.Get());
        const BOOL drawn =
            PatBlt(dc, x, y, width, height, (drawing->mode & kDrawXor) ? PATINVERT : PATCOPY);
        return drawn ? 1 : 0;
    }
    // A pen and brush of another colour exist for this one box only.
    OwnedGdiObject pen;
    OwnedGdiObject brush;
    if (wanted != kFrontColour) {
        pen.Reset(CreatePen(PS_SOLID, 0, wanted));
        if (!outlineOnly) {
            brush.Reset(CreateSolidBrush(wanted));
        }
    }
    HGDIOBJ usedPen = pen ? pen.Get() : GetStockObject(BLACK_PEN);
    HGDIOBJ usedBrush = outlineOnly ? GetStockObject(NULL_BRUSH)
                        : brush     ? brush.Get()
                                    : drawing->blackBrush.Get();
    const DcSelection penSelection = SelectInto(dc, usedPen);
    const DcSelection brushSelection = SelectInto(dc, usedBrush);
    const BOOL drawn = Rectangle(dc, x, y, x + width, y + height);
    return drawn ? 1 : 0;
}
