#include "setup/credit_links.h"

#include "host/host_discovery.h"
#include "runtime/system/shell.h"
#include "runtime/ui/app_windows.h"
#include "runtime/ui/gadgets.h"
#include "setup/backdrop_window.h"

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

CreditLinks CreateCreditLinks(HFONT font) {
    CreditLinks links;
    links.first = MakeCreditLink(kCreditLinks[0], font);
    links.second = MakeCreditLink(kCreditLinks[1], font);
    return links;
}

bool OpenCreditLink(const CreditLinks& links, int32_t gadget) {
    const CreditLink* link = gadget == links.first    ? &kCreditLinks[0]
                             : gadget == links.second ? &kCreditLinks[1]
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
