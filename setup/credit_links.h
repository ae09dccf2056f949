// The two credit links in the setup backdrop's top-left corner. Each address is the link's
// tooltip and the page opened when it is clicked; they do not follow the author's web address.
#pragma once

constexpr const char* kSetupMakerLinkText = "setup     by Zent";
constexpr const char* kSetupMakerAddress = "http://www.zent.example/";

constexpr const char* kSecondCreditLinkText = "powered by Morrow";
constexpr const char* kSecondCreditAddress = "http://www.morrow.example/";
