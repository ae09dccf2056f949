#include "setup/welcome_banner.h"

#include "host/host_discovery.h"
#include "runtime/system/shell.h"
#include "runtime/ui/app_windows.h"
#include "runtime/ui/gadgets.h"
#include "runtime/ui/window_placement.h"
#include "setup/credit_links.h"
#include "setup/setup_state.h"
#include "setup/welcome_banner_text.h"

namespace {

constexpr int32_t kCreditHoverColour = 255; // red

struct CreditLink {
    int32_t x, y, width, height;
    const char* text;
    const char* address;
};

constexpr CreditLink kCreditLinks[] = {
    {4, 22, 80, 10, kSetupMakerLinkText, kSetupMakerAddress},
    {4, 32, 80, 10, kSecondCreditLinkText, kSecondCreditAddress},
};

int32_t MakeCreditLink(const CreditLink& link, HFONT font) {
    const int32_t gadget =
        CreateLinkLabel(-1, link.x, link.y, link.width, link.height, link.text, kCreditHoverColour);
    if (gadget != 0) {
        ApplyGadgetFont(gadget, font);
        SetGadgetTooltip(gadget, link.address);
    }
    return gadget != 0 ? gadget : -1;
}

} // namespace

void CALLBACK TypeWelcomeText(HWND, UINT, UINT_PTR, DWORD) {
    SetupSharedState& state = SharedSetupState();
    const WelcomeTick tick = NextWelcomeTick(state.typewriterCounter);
    state.typewriterCounter = tick.counter;
    WriteGadgetText(state.bannerGadget, tick.bannerText);
    if (!tick.opensSetupDialog) {
        return;
    }
    HWND backdrop = AppWindowHandle(kBackdropWindow);
    const int32_t dialog = CreateAppWindow(
        -1, 0, 0, 482, 314, "SETUP", WS_CAPTION | kCentreOnScreen | kCreateInvisible, backdrop);
    state.dialogWindow = dialog > 0 ? dialog : 0;
    KillTimer(backdrop, kWelcomeTimerId);
}

void CreateCreditLinks(HFONT font) {
    SetupSharedState& state = SharedSetupState();
    state.firstCreditGadget = MakeCreditLink(kCreditLinks[0], font);
    state.secondCreditGadget = MakeCreditLink(kCreditLinks[1], font);
}

bool OpenCreditLink(int32_t gadget) {
    const SetupSharedState& state = SharedSetupState();
    const CreditLink* link = gadget == state.firstCreditGadget    ? &kCreditLinks[0]
                             : gadget == state.secondCreditGadget ? &kCreditLinks[1]
                                                                  : nullptr;
    if (link == nullptr || gadget < 0) {
        return false;
    }
    const Text browser = FindAssociatedProgram("html");
    // The browser must be able to come to the front; the backdrop stays off the top from now on.
    SetAppWindowTopmost(kBackdropWindow, 0);
    // Nothing is reported when no browser is registered or it cannot start.
    OpenWithProgram(browser, link->address);
    return true;
}
