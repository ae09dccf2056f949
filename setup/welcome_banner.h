// The welcome line typed onto the setup backdrop, and the credit links beside it.
#pragma once

#include <windows.h>

#include <cstdint>

constexpr int32_t kBackdropWindow = 0;
constexpr UINT_PTR kWelcomeTimerId = 0;
constexpr UINT kWelcomeTickMs = 50;

// Timer procedure on window 0: types one more character; the last one opens the (invisible)
// setup dialog window, stores its number in the shared state and stops the timer.
void CALLBACK TypeWelcomeText(HWND, UINT, UINT_PTR, DWORD);

// Creates the two credit links on the current gadget list (window 0) in the given font.
void CreateCreditLinks(HFONT font);
// Opens the clicked credit link's address with the program registered for web pages; false
// when the gadget is no credit link.
bool OpenCreditLink(int32_t gadget);
