// Screenshots for the demo's walk-through, saved as Windows bitmap files.
#pragma once

#include "support/window_driver.h"

// Saves the driver's current window with a margin of what lies around it (the whole screen for
// a maximised window) once the window has painted itself anew; false when it cannot.
bool SaveScreenshot(const driver::Driver& user, const std::string& path);
