// The two credit links in the setup backdrop's top-left corner. Each address is the link's
// tooltip and the page opened when it is clicked; they do not follow the author's web address.
#pragma once

#include <windows.h>

#include <cstdint>

constexpr const char* kSetupMakerLinkText = "setup     by Zent";
constexpr const char* kSetupMakerAddress = "http://www.zent.example/";

constexpr const char* kSecondCreditLinkText = "powered by Morrow";
constexpr const char* kSecondCreditAddress = "http://www.morrow.example/";

struct CreditLinks {
    int32_t first = -1; // gadget numbers; -1 when a link could not be made
    int32_t second = -1;
};

// Creates both links on the current gadget list (the backdrop's) in the given font.
CreditLinks CreateCreditLinks(HFONT font);

// Opens the clicked link's address with the program registered for web pages; false when the
// gadget is no credit link.
bool OpenCreditLink(const CreditLinks& links, int32_t gadget);
