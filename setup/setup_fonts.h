// The four fonts of the setup front end, scaled so they keep their 96-dpi pixel heights.
#pragma once

#include <windows.h>

struct SetupFonts {
    HFONT base = nullptr;    // font number 0: Arial 8
    HFONT banner = nullptr;  // Arial 24 bold, italic, underlined
    HFONT content = nullptr; // Arial 10 bold
    HFONT credit = nullptr;  // Arial 7
};

// Loads them in that order; false as soon as one cannot be loaded.
bool LoadSetupFonts(SetupFonts& fonts);
