// Texts: 8-bit Windows-1252 strings with value semantics and 1-based positions.
// A text never holds a zero byte; a single CR is the line break inside multi-line texts.
// Nothing here includes <windows.h>.
#pragma once

#include <cstdint>
#include <string>

using Text = std::string;

int32_t TextLength(const Text& text);
Text TextLeft(const Text& text, int32_t n);
Text TextRight(const Text& text, int32_t n);
Text TextMid(const Text& text, int32_t start, int32_t n);
Text TextPadLeft(const Text& text, int32_t width, const Text& pad);
Text TextSpaces(int32_t n);
Text TextFromByte(int32_t byte);
Text TextUpper(const Text& text);
Text TextLower(const Text& text);
int32_t TextFind(const Text& text, const Text& part, int32_t start = 1);
Text TextRemove(const Text& text, const Text& part, int32_t flags = 0);
int32_t TextEquals(const Text& a, const Text& b);
int32_t TextToInt(const Text& text);
Text IntToText(int32_t value);
Text DirectoryPart(const Text& path);
Text TextFromMemory(const void* address);
int32_t ByteAt(const void* address);

constexpr int32_t kIgnoreCase = 1; // flag bit of TextRemove
