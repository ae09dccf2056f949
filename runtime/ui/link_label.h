// A static text that the layer draws as a link: hover colour while the pointer is over it, hand
// cursor, greyed when disabled, optional underline; releasing the left button on it is a gadget
// event of type 0.
#pragma once

#include <windows.h>

#include <cstdint>

constexpr int32_t kLinkUnderlined = 1;

// Takes over drawing and mouse handling of a static control.
bool MakeLinkLabel(HWND label, COLORREF hoverColour, int32_t flags);
