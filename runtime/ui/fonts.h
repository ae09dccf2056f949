// Numbered fonts.
#pragma once

#include "runtime/base/text.h"

#include <windows.h>

#include <cstdint>

constexpr int32_t kFontUnderline = 4;
constexpr int32_t kFontStrikeOut = 8;
constexpr int32_t kFontProofQuality = 0x10;
constexpr int32_t kFontBold = 0x100;
constexpr int32_t kFontItalic = 0x200;

// Height -(pointSize * the desktop's pixels per inch / 72), rounded as MulDiv does; 96 pixels per
// inch when the desktop cannot be asked. Returns the handle (fixed number), the allocated number
// (-1), or 0.
int32_t CreateFontObject(int32_t number, const Text& face, int32_t pointSize, int32_t flags = 0);
HFONT FontObjectHandle(int32_t number);

// For the end of the program.
void ReleaseAllFonts();
