#include "setup/agreement_window.h"

#include "runtime/ui/app_windows.h"
#include "runtime/ui/container_panel.h"
#include "runtime/ui/gadget_list.h"
#include "runtime/ui/gadgets.h"
#include "runtime/ui/window_placement.h"
#include "setup/welcome_banner.h"

namespace {

constexpr const char* kAgreementIntro =
    "Diese Programm ist unter deutschem Recht entstanden. Bei Problemen und Wünschen wenden Sie "
    "sich bitte an den Autor der Software.";

} // namespace

bool OpenAgreementWindow(AgreementWindow& agreement) {
    const int32_t window =
        CreateAppWindow(-1, 0, 0, 500, 330, "LIZENZVEREINBARUNG", WS_CAPTION | kCentreOnScreen,
                        AppWindowHandle(kBackdropWindow));
    agreement.window = window > 0 ? window : 0;
    agreement.built = false;
    return agreement.window != 0;
}

bool BuildAgreementWindow(AgreementWindow& agreement, const SetupFonts& fonts,
                          const Text& agreementText, const Text& webAddress) {
    if (AttachGadgetList(AppWindowHandle(agreement.window)) == nullptr) {
        return false;
    }
    ApplyGadgetFont(-1, fonts.content);
    CreateContainerPanel(-1, 4, 4, 492, 290, kPanelSingleBorder);
    CreateTextLabel(-1, 10, 10, 470, 40, kAgreementIntro);
    const int32_t editor = CreateEditorField(-1, 10, 60, 470, 220, kEditorReadOnly);
    WriteGadgetText(editor, agreementText);
    CloseGadgetContainer();
    agreement.acceptButton = CreatePushButton(-1, 4, 300, 100, 24, "Akzeptieren");
    agreement.cancelButton = CreatePushButton(-1, 396, 300, 100, 24, "Abbruch");
    ApplyGadgetFont(-1, fonts.base);
    CreateTextLabel(-1, 110, 302, 280, 14, webAddress, kLabelCentred);
    ApplyGadgetFont(-1, -1);
    agreement.built = true;
    return true;
}

void CloseAgreementWindow(AgreementWindow& agreement) {
    if (agreement.window != 0 && AppWindowExists(agreement.window)) {
        DestroyAppWindow(agreement.window);
    }
    agreement.window = 0;
    agreement.built = false;
}
