#include "setup/agreement_window.h"

#include "runtime/ui/app_windows.h"
#include "runtime/ui/container_panel.h"
#include "runtime/ui/gadget_list.h"
#include "runtime/ui/gadgets.h"
#include "runtime/ui/window_placement.h"
#include "setup/backdrop_window.h"

namespace {

constexpr const char* kAgreementIntro =
    "Diese Programm ist unter deutschem Recht entstanden. Bei Problemen und Wünschen wenden Sie "
    "sich bitte an den Autor der Software.";

} // namespace

int32_t OpenAgreementWindow() {
    const int32_t window =
        CreateAppWindow(-1, 0, 0, 500, 330, "LIZENZVEREINBARUNG", WS_CAPTION | kCentreOnScreen,
                        AppWindowHandle(kBackdropWindow));
    return window > 0 ? window : 0;
}

AgreementButtons CreateAgreementGadgets(const SetupFonts& fonts, const Text& agreementText,
                                        const Text& webAddress) {
    ApplyGadgetFont(-1, fonts.content);
    CreateContainerPanel(-1, 4, 4, 492, 290, kPanelSingleBorder);
    CreateTextLabel(-1, 10, 10, 470, 40, kAgreementIntro);
    const int32_t editor = CreateEditorField(-1, 10, 60, 470, 220, kEditorReadOnly);
    WriteGadgetText(editor, agreementText);
    CloseGadgetContainer();
    AgreementButtons buttons;
    buttons.accept = CreatePushButton(-1, 4, 300, 100, 24, "Akzeptieren");
    buttons.cancel = CreatePushButton(-1, 396, 300, 100, 24, "Abbruch");
    ApplyGadgetFont(-1, fonts.base);
    CreateTextLabel(-1, 110, 302, 280, 14, webAddress, kLabelCentred);
    ApplyGadgetFont(-1, -1);
    return buttons;
}

void CloseAgreementWindow(int32_t window) {
    if (window != 0 && AppWindowExists(window)) {
        DestroyAppWindow(window);
    }
}
