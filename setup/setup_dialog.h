// The setup's one interactive decision: the backdrop with the typed welcome line, the setup
// dialog window offering the actions that fit the installed copy, and the agreement page.
#pragma once

#include "runtime/base/text.h"
#include "setup/backdrop_window.h"
#include "setup/setup_result.h"

#include <cstdint>

// What the setup carries, what is installed, and how the dialog looks and behaves.
struct SetupRequest {
    Text title;
    int32_t setupVersion = 0;
    Text setupDateText;
    Text author;
    Text webAddress;
    Text agreementText;
    int32_t installedVersion = 0; // 0: none recorded
    Text installedDateText;       // empty: none recorded
    int32_t topPaletteNumber = 0; // backdrop colours, clamped to 0..255
    int32_t bottomPaletteNumber = 0;
    bool uninstallLocked = false; // the uninstall option stays disabled
    bool shortcutAllowed = false; // the install option may enable the shortcut check box
    bool backdropOnTop = false;   // the backdrop stays above other windows
};

// Runs the dialog's own event loop until the user decides. With a choice the backdrop
// (kBackdropWindow) stays open for the caller's later windows; with kCancelled every window of
// the dialog is closed. The caller may load the side picture beforehand (kSidePictureImage of
// setup/side_picture.h).
SetupResult SetupDialog(const SetupRequest& request);
