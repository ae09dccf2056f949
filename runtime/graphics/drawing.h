// Drawing on an image: one drawing at a time, between BeginImageDrawing and EndDrawing.
// Drawing operations outside a drawing do nothing and return 0.
#pragma once

#include "runtime/base/text.h"

#include <windows.h>

#include <cstdint>

constexpr int32_t kDrawTransparentText = 1;
constexpr int32_t kDrawXor = 2;
constexpr int32_t kDrawOutlineOnly = 4;

// Non-zero when the drawing started. Ends a drawing still in progress first.
int32_t BeginImageDrawing(int32_t number);
void EndDrawing();
// nullptr (or -1 in the other form) selects the stock SYSTEM_FONT.
void SetDrawingFont(HFONT font);
void SetDrawingFont(int32_t fontHandle);
void SetDrawingMode(int32_t flags);
// Returns the x just after the drawn text; colour is red + green * 256 + blue * 65536.
int32_t DrawTextAt(int32_t x, int32_t y, const Text& text, int32_t colour);
// Outlined and, unless kDrawOutlineOnly, filled in colour.
int32_t FillBox(int32_t x, int32_t y, int32_t width, int32_t height, int32_t colour);
