#include "setup/setup_dialog.h"

#include "runtime/base/dates.h"
#include "runtime/ui/app_windows.h"
#include "runtime/ui/displays.h"
#include "runtime/ui/events.h"
#include "runtime/ui/gadget_list.h"
#include "runtime/ui/gadgets.h"
#include "setup/agreement_window.h"
#include "setup/backdrop_gradient.h"
#include "setup/colour_callbacks.h"
#include "setup/credit_links.h"
#include "setup/dialog_window.h"
#include "setup/gradient_palette.h"
#include "setup/option_rules.h"
#include "setup/setup_fonts.h"
#include "setup/setup_info_lines.h"
#include "setup/side_picture.h"
#include "setup/welcome_banner.h"

namespace {

constexpr int32_t kBackdropFlags = WS_CAPTION | WS_SYSMENU | WS_MAXIMIZE;

// The stages of one call, in this order; the call may end in any of them.
enum class SetupStage {
    kWelcome,   // the welcome line is typed on the backdrop; only its close box ends the call
    kDialog,    // the line's last tick opened the setup dialog window; the next loop pass builds it
    kAgreement, // "Weiter" chose a fresh install: the agreement window is open
    kDecided,   // the choice is final
};

// Everything one call of the setup dialog holds and decides. It lives on the call's stack; the
// welcome timer and the dialog window's colour callback, which run inside the event wait, reach
// it through g_session.
class SetupSession {
  public:
    explicit SetupSession(const SetupRequest& request);
    SetupSession(const SetupSession&) = delete;
    SetupSession& operator=(const SetupSession&) = delete;

    // The whole call. g_session points to this session from its start to its end, whichever way
    // the call ends.
    SetupResult Run();

    // Inside the event wait.
    void TypeWelcomeCharacter();
    LRESULT ColourDialogWindow(UINT message, WPARAM wParam, LPARAM lParam) const;

  private:
    // Everything up to the first event wait; false when a font, the backdrop or its gadget list
    // cannot be made.
    bool Start();
    SetupResult RunLoop();
    // Handles one event; true when the call ends with `result`.
    bool HandleEvent(int32_t event, SetupResult& result);
    bool BuildDialogWindow();
    bool BuildAgreementWindow();
    SetupResult Finish(SetupResult result);
    // Closes every window of the dialog: the setup is cancelled.
    SetupResult CancelAll();

    const SetupRequest request_;
    const int32_t setupDate_; // date values of the two date texts; 0 for an empty text
    const int32_t installedDate_;
    SetupFonts fonts_;
    int32_t bannerGadget_ = -1;
    CreditLinks creditLinks_;
    int32_t typewriterCounter_ = 0;
    int32_t dialogWindow_ = 0; // from the line's last tick until "Weiter"; 0 otherwise
    bool sidePicture_ = false;
    bool dialogBuilt_ = false;
    DialogGadgets gadgets_;
    int32_t agreementWindow_ = 0; // 0 while none is open
    bool agreementBuilt_ = false;
    AgreementButtons agreementButtons_;
    SetupResult choice_ = SetupResult::kCancelled;
    SetupStage stage_ = SetupStage::kWelcome;
};

// The call in progress; nullptr outside SetupDialog.
SetupSession* g_session = nullptr;

void CALLBACK OnWelcomeTimer(HWND window, UINT, UINT_PTR timer, DWORD) {
    if (g_session != nullptr) {
        g_session->TypeWelcomeCharacter();
    } else {
        KillTimer(window, timer);
    }
}

LRESULT OnDialogWindowColours(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
    return g_session != nullptr ? g_session->ColourDialogWindow(message, wParam, lParam)
                                : kProcessNormally;
}

int32_t ParseDateText(const Text& text) {
    return text.empty() ? 0 : DateFromText(kSetupDateMask, text);
}

int32_t ClampedPaletteColour(int32_t paletteNumber) {
    return GradientPaletteColour(ClampPaletteNumber(paletteNumber));
}

SetupSession::SetupSession(const SetupRequest& request)
    : request_(request), setupDate_(ParseDateText(request.setupDateText)),
      installedDate_(ParseDateText(request.installedDateText)) {}

SetupResult SetupSession::Run() {
    g_session = this;
    const SetupResult result = Start() ? RunLoop() : SetupResult::kCancelled;
    g_session = nullptr;
    return result;
}

bool SetupSession::Start() {
    const int32_t displayWidth = DisplayWidth(0);
    if (!LoadSetupFonts(fonts_)) {
        return false;
    }
    ApplyGadgetFont(-1, fonts_.base);
    if (CreateAppWindow(kBackdropWindow, 0, 0, 100, 100, "SETUP", kBackdropFlags) == 0 ||
        AttachGadgetList(AppWindowHandle(kBackdropWindow)) == nullptr) {
        return false;
    }
    // Before the credit links: Wine leaves a shown window that owns a tooltip off the top.
    SetAppWindowTopmost(kBackdropWindow, request_.backdropOnTop ? 1 : 0);
    bannerGadget_ = CreateWelcomeBanner(displayWidth, fonts_.banner);
    creditLinks_ = CreateCreditLinks(fonts_.credit);
    GradientBackground(ClampedPaletteColour(request_.topPaletteNumber),
                       ClampedPaletteColour(request_.bottomPaletteNumber), 255, 0, kBackdropWindow,
                       kGradientImage);
    sidePicture_ = PrepareSidePicture(fonts_.banner);

    SetAppWindowHidden(kBackdropWindow, 0);
    SetAppWindowHook(BackdropColourCallback, kBackdropWindow);
    SetTimer(AppWindowHandle(kBackdropWindow), kWelcomeTimerId, kWelcomeTickMs, OnWelcomeTimer);
    return true;
}

void SetupSession::TypeWelcomeCharacter() {
    if (stage_ != SetupStage::kWelcome) {
        return; // a tick that was already on its way when the last one stopped the timer
    }
    const WelcomeTick tick = NextWelcomeTick(typewriterCounter_);
    typewriterCounter_ = tick.counter;
    const int32_t dialog = ShowWelcomeTick(bannerGadget_, tick);
    if (tick.opensSetupDialog) {
        dialogWindow_ = dialog;
        stage_ = SetupStage::kDialog;
    }
}

LRESULT SetupSession::ColourDialogWindow(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ColourMessageText(gadgets_.message, message, wParam, lParam);
}

bool SetupSession::BuildDialogWindow() {
    if (AttachGadgetList(AppWindowHandle(dialogWindow_)) == nullptr) {
        return false;
    }
    const DialogLines lines{ProgramLine(request_.title),
                            SetupVersionLine(request_.setupVersion),
                            SetupDateLine(setupDate_),
                            CopyrightLine(request_.author),
                            InstalledVersionLine(request_.installedVersion),
                            InstalledDateLine(request_.installedVersion, installedDate_),
                            request_.webAddress};
    gadgets_ = CreateDialogGadgets(lines, fonts_, sidePicture_, request_.uninstallLocked);
    SetAppWindowHidden(dialogWindow_, 0);
    const SetupOffer offer = DecideSetupOffer(request_.setupVersion, request_.installedVersion,
                                              setupDate_, installedDate_, request_.uninstallLocked);
    ApplySetupOffer(offer, gadgets_);
    if (offer.blockMessage != 0) {
        SetAppWindowHook(OnDialogWindowColours, dialogWindow_);
    }
    dialogBuilt_ = true;
    // "Weiter" is usable only once an option is selected, from the first moment on.
    choice_ = UpdateDialogChoice(gadgets_, request_.shortcutAllowed);
    return true;
}

bool SetupSession::BuildAgreementWindow() {
    if (AttachGadgetList(AppWindowHandle(agreementWindow_)) == nullptr) {
        return false;
    }
    agreementButtons_ = CreateAgreementGadgets(fonts_, request_.agreementText, request_.webAddress);
    agreementBuilt_ = true;
    return true;
}

SetupResult SetupSession::Finish(SetupResult result) {
    ApplyGadgetFont(-1, -1); // new gadgets of the caller get the system font again
    return result;
}

SetupResult SetupSession::CancelAll() {
    if (dialogWindow_ != 0 && AppWindowExists(dialogWindow_)) {
        DestroyAppWindow(dialogWindow_);
    }
    dialogWindow_ = 0;
    CloseAgreementWindow(agreementWindow_);
    agreementWindow_ = 0;
    if (AppWindowExists(kBackdropWindow)) {
        DestroyAppWindow(kBackdropWindow);
    }
    return Finish(SetupResult::kCancelled);
}

bool SetupSession::HandleEvent(int32_t event, SetupResult& result) {
    if (event == kEventCloseRequest) {
        if (LastEventWindow() != kBackdropWindow) {
            return false; // only the backdrop has a close box
        }
        result = CancelAll();
        return true;
    }
    if (event != kEventGadget) {
        return false;
    }
    const int32_t gadget = LastEventGadget();
    if (OpenCreditLink(creditLinks_, gadget)) {
        return false;
    }
    if (stage_ == SetupStage::kDialog && dialogBuilt_) {
        if (gadget == gadgets_.next) {
            // Hidden, not closed: the window goes with its owner, the backdrop.
            SetAppWindowHidden(dialogWindow_, 1);
            dialogWindow_ = 0;
            const bool freshInstall =
                choice_ == SetupResult::kInstall || choice_ == SetupResult::kInstallWithShortcut;
            if (freshInstall) {
                agreementWindow_ = OpenAgreementWindow();
            }
            stage_ = freshInstall ? SetupStage::kAgreement : SetupStage::kDecided;
        } else if (gadget == gadgets_.cancel) {
            result = CancelAll();
            return true;
        }
    } else if (stage_ == SetupStage::kAgreement && agreementBuilt_) {
        if (gadget == agreementButtons_.accept) {
            CloseAgreementWindow(agreementWindow_);
            agreementWindow_ = 0;
            stage_ = SetupStage::kDecided;
        } else if (gadget == agreementButtons_.cancel) {
            result = CancelAll();
            return true;
        }
    }
    return false;
}

SetupResult SetupSession::RunLoop() {
    for (;;) {
        SetupResult result = SetupResult::kCancelled;
        if (HandleEvent(WaitForEvent(), result)) {
            return result;
        }
        if (stage_ == SetupStage::kDialog && dialogWindow_ != 0 && AppWindowExists(dialogWindow_)) {
            if (dialogBuilt_) {
                choice_ = UpdateDialogChoice(gadgets_, request_.shortcutAllowed);
            } else if (!BuildDialogWindow()) {
                return Finish(SetupResult::kCancelled);
            }
        }
        if (stage_ == SetupStage::kAgreement && agreementWindow_ != 0 &&
            AppWindowExists(agreementWindow_) && !agreementBuilt_ && !BuildAgreementWindow()) {
            return Finish(SetupResult::kCancelled);
        }
        if (stage_ == SetupStage::kDecided) {
            // A cancelled result always leaves no window of the dialog behind.
            return choice_ == SetupResult::kCancelled ? CancelAll() : Finish(choice_);
        }
    }
}

} // namespace

SetupResult SetupDialog(const SetupRequest& request) {
    SetupSession session(request);
    return session.Run();
}
