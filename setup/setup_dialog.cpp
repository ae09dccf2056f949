#include "setup/setup_dialog.h"

#include "runtime/base/dates.h"
#include "runtime/graphics/drawing.h"
#include "runtime/graphics/images.h"
#include "runtime/system/owned_handle.h"
#include "runtime/ui/app_windows.h"
#include "runtime/ui/container_panel.h"
#include "runtime/ui/displays.h"
#include "runtime/ui/events.h"
#include "runtime/ui/gadget_list.h"
#include "runtime/ui/gadgets.h"
#include "setup/agreement_window.h"
#include "setup/backdrop_gradient.h"
#include "setup/colour_callbacks.h"
#include "setup/gradient_palette.h"
#include "setup/option_rules.h"
#include "setup/setup_fonts.h"
#include "setup/setup_info_lines.h"
#include "setup/setup_state.h"
#include "setup/side_picture.h"
#include "setup/welcome_banner.h"

namespace {

constexpr int32_t kBackdropFlags = WS_CAPTION | WS_SYSMENU | WS_MAXIMIZE;

// Created the first time a dialog is blocked; kept for the process, like the window using it.
OwnedGdiObject g_messageBrush;

// What one call of the dialog was given and what it decided so far.
struct DialogInput {
    Text title;
    int32_t setupVersion;
    int32_t setupDate;
    Text author;
    Text webAddress;
    Text agreementText;
    int32_t installedVersion;
    int32_t installedDate;
    bool uninstallLocked;
    bool shortcutAllowed;
};

struct DialogGadgets {
    int32_t install = -1;
    int32_t update = -1;
    int32_t uninstall = -1;
    int32_t shortcut = -1;
    int32_t shortcutFrame = -1;
    int32_t messagePanel = -1;
    int32_t next = -1;
    int32_t cancel = -1;
};

int32_t ClampedPaletteColour(int32_t paletteNumber) {
    return GradientPaletteColour(ClampPaletteNumber(paletteNumber));
}

// Hides the options and shows why the setup cannot go on, magenta on light green.
void ShowBlockMessage(const DialogGadgets& gadgets, int32_t dialogWindow, const char* text) {
    SetGadgetDisabled(gadgets.update, 1);
    SetGadgetDisabled(gadgets.uninstall, 1);
    for (int32_t gadget : {gadgets.install, gadgets.update, gadgets.uninstall, gadgets.shortcut,
                           gadgets.shortcutFrame}) {
        SetGadgetHidden(gadget, 1);
    }
    SetGadgetHidden(gadgets.messagePanel, 0);
    SetupSharedState& state = SharedSetupState();
    WriteGadgetText(state.messageGadget, text);
    state.messageTextColour = RGB(255, 0, 255);
    if (!g_messageBrush) {
        g_messageBrush.Reset(CreateSolidBrush(RGB(225, 245, 170)));
    }
    state.messageBrush = static_cast<HBRUSH>(g_messageBrush.Get());
    SetAppWindowHook(MessageColourCallback, dialogWindow);
}

void ApplySetupOffer(const SetupOffer& offer, const DialogGadgets& gadgets, int32_t dialogWindow) {
    if (offer.blockMessage != 0) {
        ShowBlockMessage(gadgets, dialogWindow, offer.blockText);
        return;
    }
    if (!offer.installEnabled) {
        SetGadgetDisabled(gadgets.install, 1);
    }
    if (!offer.updateEnabled) {
        SetGadgetDisabled(gadgets.update, 1);
    }
    if (!offer.uninstallEnabled) {
        SetGadgetDisabled(gadgets.uninstall, 1);
    }
    if (offer.updateCaption != nullptr) {
        WriteGadgetText(gadgets.update, offer.updateCaption);
        MoveGadget(gadgets.update, kKeepValue, kKeepValue, offer.updateWidth, kKeepValue);
    }
}

SelectedOption ReadSelectedOption(const DialogGadgets& gadgets) {
    if (ReadGadgetState(gadgets.install) != 0) {
        return SelectedOption::kInstall;
    }
    if (ReadGadgetState(gadgets.update) != 0) {
        return SelectedOption::kUpdate;
    }
    if (ReadGadgetState(gadgets.uninstall) != 0) {
        return SelectedOption::kUninstall;
    }
    return SelectedOption::kNone;
}

class SetupDialogRun {
  public:
    SetupDialogRun(DialogInput input, const SetupFonts& fonts)
        : input_(std::move(input)), fonts_(fonts) {}

    // Everything up to the first event wait; false when a window or gadget list failed.
    bool Start(int32_t topColour, int32_t bottomColour, int32_t displayWidth, bool onTop);
    SetupResult RunLoop();

  private:
    SetupResult Finish(SetupResult result);
    SetupResult CancelAll();
    bool BuildDialogWindow(int32_t window);
    void UpdateChoice();
    // Handles one event; true when the dialog ends with `result`.
    bool HandleEvent(int32_t event, SetupResult& result);

    DialogInput input_;
    SetupFonts fonts_;
    DialogGadgets gadgets_;
    AgreementWindow agreement_;
    bool sidePicture_ = false;
    bool dialogBuilt_ = false;
    bool done_ = false;
    SetupResult choice_ = SetupResult::kCancelled;
};

bool SetupDialogRun::Start(int32_t topColour, int32_t bottomColour, int32_t displayWidth,
                           bool onTop) {
    if (CreateAppWindow(kBackdropWindow, 0, 0, 100, 100, "SETUP", kBackdropFlags) == 0 ||
        AttachGadgetList(AppWindowHandle(kBackdropWindow)) == nullptr) {
        return false;
    }
    // Before the credit links: Wine leaves a shown window that owns a tooltip off the top.
    SetAppWindowTopmost(kBackdropWindow, onTop ? 1 : 0);
    SetupSharedState& state = SharedSetupState();
    state.dialogWindow = 0;
    state.bannerGadget = CreateTextLabel(-1, 40, 120, displayWidth - 50, 40, "");
    ApplyGadgetFont(state.bannerGadget, fonts_.banner);
    CreateCreditLinks(fonts_.credit);
    GradientBackground(topColour, bottomColour, 255, 0, kBackdropWindow, kGradientImage);
    sidePicture_ = PrepareSidePicture(fonts_.banner);

    SetAppWindowHidden(kBackdropWindow, 0);
    state.bannerTextColour = RGB(255, 255, 255);
    state.hollowBrush = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    SetAppWindowHook(BackdropColourCallback, kBackdropWindow);
    SetTimer(AppWindowHandle(kBackdropWindow), kWelcomeTimerId, kWelcomeTickMs, TypeWelcomeText);
    return true;
}

bool SetupDialogRun::BuildDialogWindow(int32_t window) {
    if (AttachGadgetList(AppWindowHandle(window)) == nullptr) {
        return false;
    }
    if (sidePicture_) {
        CreatePictureBox(-1, 0, 0, kSidePictureWidth, kSidePictureHeight,
                         ImageBitmapHandle(kSidePictureImage));
    } else {
        CreateTextLabel(-1, 0, 0, kSidePictureWidth, kSidePictureHeight, "kein Bild geladen");
    }
    ApplyGadgetFont(-1, fonts_.content);
    CreateContainerPanel(-1, 112, 0, 369, 300, kPanelSingleBorder);
    CreateTextLabel(-1, 4, 6, 350, 18, ProgramLine(input_.title));
    CreateGroupFrame(-1, 2, 20, 364, 70, "");
    CreateTextLabel(-1, 10, 30, 350, 18, SetupVersionLine(input_.setupVersion));
    CreateTextLabel(-1, 10, 50, 350, 18, SetupDateLine(input_.setupDate));
    CreateTextLabel(-1, 10, 70, 350, 18, CopyrightLine(input_.author));
    CreateGroupFrame(-1, 2, 90, 364, 50, "");
    CreateTextLabel(-1, 10, 100, 350, 18, InstalledVersionLine(input_.installedVersion));
    CreateTextLabel(-1, 10, 120, 350, 18,
                    InstalledDateLine(input_.installedVersion, input_.installedDate));
    gadgets_.messagePanel = CreateContainerPanel(-1, 6, 160, 356, 100, kPanelSingleBorder);
    SetGadgetHidden(gadgets_.messagePanel, 1);
    SharedSetupState().messageGadget = CreateTextLabel(-1, 6, 8, 340, 82, "");
    CloseGadgetContainer();
    CreateGroupFrame(-1, 2, 148, 364, 149, "");
    gadgets_.install = CreateOptionButton(-1, 10, 160, 90, 18, "installieren");
    gadgets_.update = CreateOptionButton(-1, 10, 184, 140, 18, kUpdateCaption);
    gadgets_.uninstall = CreateOptionButton(-1, 10, 208, 110, 18, "deinstallieren");
    gadgets_.shortcutFrame = CreateGroupFrame(-1, 5, 221, 358, 37, "");
    gadgets_.shortcut = CreateCheckBox(-1, 10, 234, 200, 18, "Desktop Shortcut erstellen");
    if (input_.uninstallLocked) {
        SetGadgetDisabled(gadgets_.uninstall, 1);
    }
    if (!input_.shortcutAllowed) {
        SetGadgetDisabled(gadgets_.shortcut, 1);
    }
    gadgets_.next = CreatePushButton(-1, 10, 266, 100, 24, "Weiter");
    gadgets_.cancel = CreatePushButton(-1, 260, 266, 100, 24, "Abbruch");
    ApplyGadgetFont(-1, fonts_.base);
    CreateTextLabel(-1, 4, 140, 200, 14, "Bitte eine Option wählen ...");
    CloseGadgetContainer();
    CreateTextLabel(-1, sidePicture_ ? 0 : 112, 300, 370, 14, input_.webAddress);
    SetGadgetDisabled(gadgets_.shortcut, 1);

    SetAppWindowHidden(window, 0);
    ApplySetupOffer(DecideSetupOffer(input_.setupVersion, input_.installedVersion, input_.setupDate,
                                     input_.installedDate, input_.uninstallLocked),
                    gadgets_, window);
    dialogBuilt_ = true;
    // "Weiter" is usable only once an option is selected, from the first moment on.
    UpdateChoice();
    return true;
}

void SetupDialogRun::UpdateChoice() {
    const SetupChoiceState next =
        UpdateSetupChoice(ReadSelectedOption(gadgets_), input_.shortcutAllowed,
                          ReadGadgetState(gadgets_.shortcut) != 0, ReadGadgetText(gadgets_.update));
    SetGadgetDisabled(gadgets_.next, next.nextEnabled ? 0 : 1);
    SetGadgetDisabled(gadgets_.shortcut, next.shortcutEnabled ? 0 : 1);
    if (next.clearShortcutTick) {
        WriteGadgetState(gadgets_.shortcut, 0);
    }
    choice_ = next.choice;
}

SetupResult SetupDialogRun::Finish(SetupResult result) {
    ApplyGadgetFont(-1, -1);
    SharedSetupState().typewriterCounter = 0;
    return result;
}

// Closes every window of the dialog; the setup is cancelled.
SetupResult SetupDialogRun::CancelAll() {
    SetupSharedState& state = SharedSetupState();
    if (state.dialogWindow != 0 && AppWindowExists(state.dialogWindow)) {
        DestroyAppWindow(state.dialogWindow);
    }
    state.dialogWindow = 0;
    CloseAgreementWindow(agreement_);
    if (AppWindowExists(kBackdropWindow)) {
        DestroyAppWindow(kBackdropWindow);
    }
    return Finish(SetupResult::kCancelled);
}

bool SetupDialogRun::HandleEvent(int32_t event, SetupResult& result) {
    SetupSharedState& state = SharedSetupState();
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
    if (OpenCreditLink(gadget)) {
        return false;
    }
    if (dialogBuilt_ && gadget == gadgets_.next) {
        SetAppWindowHidden(state.dialogWindow, 1);
        state.dialogWindow = 0;
        if (choice_ == SetupResult::kInstall || choice_ == SetupResult::kInstallWithShortcut) {
            OpenAgreementWindow(agreement_);
        } else {
            dialogBuilt_ = false;
            done_ = true;
        }
    } else if (dialogBuilt_ && gadget == gadgets_.cancel && state.dialogWindow != 0) {
        result = CancelAll();
        return true;
    } else if (agreement_.built && gadget == agreement_.acceptButton) {
        CloseAgreementWindow(agreement_);
        done_ = true;
    } else if (agreement_.built && gadget == agreement_.cancelButton) {
        result = CancelAll();
        return true;
    }
    return false;
}

SetupResult SetupDialogRun::RunLoop() {
    SetupSharedState& state = SharedSetupState();
    for (;;) {
        SetupResult result = SetupResult::kCancelled;
        if (HandleEvent(WaitForEvent(), result)) {
            return result;
        }
        const bool dialogOpen = state.dialogWindow != 0 && AppWindowExists(state.dialogWindow);
        if (dialogOpen && dialogBuilt_) {
            UpdateChoice();
        } else if (dialogOpen && !BuildDialogWindow(state.dialogWindow)) {
            return Finish(SetupResult::kCancelled);
        }
        if (agreement_.window != 0 && AppWindowExists(agreement_.window) && !agreement_.built &&
            !BuildAgreementWindow(agreement_, fonts_, input_.agreementText, input_.webAddress)) {
            return Finish(SetupResult::kCancelled);
        }
        if (done_) {
            // A result of 0 always leaves no window of the dialog behind.
            return choice_ == SetupResult::kCancelled ? CancelAll() : Finish(choice_);
        }
    }
}

int32_t ParseDateText(const Text& text) {
    return text.empty() ? 0 : DateFromText(kSetupDateMask, text);
}

} // namespace

SetupResult SetupDialog(const SetupRequest& request) {
    DialogInput input{request.title,
                      request.setupVersion,
                      ParseDateText(request.setupDateText),
                      request.author,
                      request.webAddress,
                      request.agreementText,
                      request.installedVersion,
                      ParseDateText(request.installedDateText),
                      request.uninstallLocked,
                      request.shortcutAllowed};
    CountDisplays();
    const int32_t displayWidth = DisplayWidth(0);
    SetupFonts fonts;
    if (!LoadSetupFonts(fonts)) {
        return SetupResult::kCancelled;
    }
    ApplyGadgetFont(-1, fonts.base);
    SetupDialogRun run(std::move(input), fonts);
    if (!run.Start(ClampedPaletteColour(request.topPaletteNumber),
                   ClampedPaletteColour(request.bottomPaletteNumber), displayWidth,
                   request.backdropOnTop)) {
        return SetupResult::kCancelled;
    }
    return run.RunLoop();
}
