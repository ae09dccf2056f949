// State that the setup dialog's loop shares with the callbacks that run inside its event wait:
// the welcome timer and the two window colour callbacks. One thread, no locks.
#pragma once

#include <windows.h>

#include <cstdint>

struct SetupSharedState {
    int32_t dialogWindow = 0; // number of the setup dialog window; 0 while there is none
    int32_t typewriterCounter = 0;
    int32_t bannerGadget = -1;
    int32_t firstCreditGadget = -1;
    int32_t secondCreditGadget = -1;
    int32_t messageGadget = -1;
    COLORREF bannerTextColour = RGB(255, 255, 255);
    HBRUSH hollowBrush = nullptr;
    COLORREF messageTextColour = RGB(255, 0, 255);
    HBRUSH messageBrush = nullptr;
};

SetupSharedState& SharedSetupState();
