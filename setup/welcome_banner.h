// The welcome line typed onto the setup backdrop, one character per timer tick.
#pragma once

#include "setup/welcome_banner_text.h"

#include <windows.h>

#include <cstdint>

constexpr UINT_PTR kWelcomeTimerId = 0;
constexpr UINT kWelcomeTickMs = 50;

// Creates the empty banner on the current gadget list (the backdrop's), in the banner font.
int32_t CreateWelcomeBanner(int32_t displayWidth, HFONT font);

// Shows one tick on the banner. The tick that completes the line opens the setup dialog window
// (invisible, owned by the backdrop), stops the timer and returns the window's number; every
// other tick, and a window that cannot be opened, gives 0.
int32_t ShowWelcomeTick(int32_t bannerGadget, const WelcomeTick& tick);
