// The agreement page shown before a fresh install: accepting it ends the setup dialog with the
// install choice, refusing it cancels the setup.
#pragma once

#include "runtime/base/text.h"
#include "setup/setup_fonts.h"

#include <cstdint>

struct AgreementButtons {
    int32_t accept = -1;
    int32_t cancel = -1;
};

// Opens the window, visible and owned by the backdrop; its number, or 0 when it cannot be opened.
int32_t OpenAgreementWindow();
// Creates its gadgets on the current gadget list (the agreement window's).
AgreementButtons CreateAgreementGadgets(const SetupFonts& fonts, const Text& agreementText,
                                        const Text& webAddress);
// Closes the window if it is open; 0 stands for none.
void CloseAgreementWindow(int32_t window);
