// The agreement page shown before a fresh install: accepting it ends the setup dialog with the
// install choice, refusing it cancels the setup.
#pragma once

#include "runtime/base/text.h"
#include "setup/setup_fonts.h"

#include <cstdint>

struct AgreementWindow {
    int32_t window = 0; // 0 while none is open
    bool built = false;
    int32_t acceptButton = -1;
    int32_t cancelButton = -1;
};

// Opens the window (visible, owned by the backdrop); false when it cannot be opened.
bool OpenAgreementWindow(AgreementWindow& agreement);
// Creates its gadgets once; false when its gadget list cannot be made current.
bool BuildAgreementWindow(AgreementWindow& agreement, const SetupFonts& fonts,
                          const Text& agreementText, const Text& webAddress);
void CloseAgreementWindow(AgreementWindow& agreement);
