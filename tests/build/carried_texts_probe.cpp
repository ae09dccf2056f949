// The product's text constants as data of an object file of their own, compiled with the
// product's settings, so a build check can read their bytes without running anything.
#include "installer/install_constants.h"
#include "installer/payload_seal.h"
#include "installer/version_record.h"
#include "setup/option_rules.h"
#include "setup/welcome_banner_text.h"

extern const char* const kCarriedTextsProbe[] = {
    kDescriptionText,  kProductTitle,  kVersionRecordKey, kBlockMessages[0], kBlockMessages[1],
    kBlockMessages[2], kRepairCaption, kRefreshCaption,   kWelcomeText,      kDamagedSetupText};
