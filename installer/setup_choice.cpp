#include "installer/setup_choice.h"

// The setup dialog takes this place; until then every start proceeds as a plain install.
int32_t AskSetupChoice(int32_t, const VersionRecord&) {
    return kSetupInstall;
}
