// The welcome line typed onto the setup backdrop one character per timer tick; the tick that
// completes it opens the setup dialog window.
#pragma once

#include "runtime/base/text.h"

#include <cstdint>

constexpr const char* kWelcomeText = "Willkommen zum Setup von:";

struct WelcomeTick {
    Text bannerText;               // what the banner shows after this tick
    bool opensSetupDialog = false; // the line is complete: open the dialog, stop the timer
    int32_t counter = 0;           // the typewriter counter after this tick
};

// One tick, given the typewriter counter before it. The counter starts again at 0 once the
// line is complete.
WelcomeTick NextWelcomeTick(int32_t counter);
