// The gadgets of the setup dialog window, and how the option rules' decisions show on them.
#pragma once

#include "runtime/base/text.h"
#include "setup/option_rules.h"
#include "setup/setup_fonts.h"

#include <cstdint>

// What the window shows, ready formatted (setup/setup_info_lines.h).
struct DialogLines {
    Text program;
    Text setupVersion;
    Text setupDate;
    Text copyright;
    Text installedVersion;
    Text installedDate;
    Text footer; // the author's web address
};

// The gadgets that are read or changed after the window is built.
struct DialogGadgets {
    int32_t install = -1;
    int32_t update = -1;
    int32_t uninstall = -1;
    int32_t shortcut = -1;
    int32_t shortcutFrame = -1;
    int32_t messagePanel = -1;
    int32_t message = -1; // the text of the message panel
    int32_t next = -1;
    int32_t cancel = -1;
};

// Creates the window's gadgets on the current gadget list: the side picture (image 1) or, without
// one, "kein Bild geladen"; the information panel with its lines, the hidden message panel, the
// three options, the shortcut check box, "Weiter" and "Abbruch"; the footer. The shortcut check
// box starts disabled, the uninstall option too when it is locked.
DialogGadgets CreateDialogGadgets(const DialogLines& lines, const SetupFonts& fonts,
                                  bool sidePicture, bool uninstallLocked);

// Disables what the offer leaves out and renames the update option; a blocked offer hides the
// options and shows its message instead.
void ApplySetupOffer(const SetupOffer& offer, const DialogGadgets& gadgets);

// Reads the selection, switches "Weiter" and the shortcut check box to match, and returns what
// "Weiter" would give.
SetupResult UpdateDialogChoice(const DialogGadgets& gadgets, bool shortcutAllowed);
