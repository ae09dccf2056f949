// The setup's one interactive decision: the backdrop with the typed welcome line, the setup
// dialog window offering the actions that fit the installed copy, and the agreement page.
#pragma once

#include "runtime/base/text.h"

#include <cstdint>

// Returns the setup result (0 cancelled, 1 install, 2 update, 3 repair, 4 time-stamp update,
// 5 uninstall, 6 install with shortcut). With a choice the backdrop, window 0, stays open for
// the caller's later windows; with 0 every window of the dialog is closed.
int32_t SetupDialog(const Text& title, int32_t setupVersion, const Text& setupDateText,
                    const Text& author, const Text& webAddress, const Text& agreementText,
                    int32_t installedVersion, const Text& installedDateText,
                    int32_t topPaletteNumber, int32_t bottomPaletteNumber, int32_t uninstallLocked,
                    int32_t shortcutAllowed, int32_t backdropOnTop);
