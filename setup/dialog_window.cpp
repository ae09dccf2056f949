#include "setup/dialog_window.h"

#include "runtime/graphics/images.h"
#include "runtime/ui/container_panel.h"
#include "runtime/ui/gadget_list.h"
#include "runtime/ui/gadgets.h"
#include "setup/side_picture.h"

namespace {

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

// Hides the options and shows why the setup cannot go on.
void ShowBlockMessage(const DialogGadgets& gadgets, const char* text) {
    SetGadgetDisabled(gadgets.update, 1);
    SetGadgetDisabled(gadgets.uninstall, 1);
    for (int32_t gadget : {gadgets.install, gadgets.update, gadgets.uninstall, gadgets.shortcut,
                           gadgets.shortcutFrame}) {
        SetGadgetHidden(gadget, 1);
    }
    SetGadgetHidden(gadgets.messagePanel, 0);
    WriteGadgetText(gadgets.message, text);
}

} // namespace

DialogGadgets CreateDialogGadgets(const DialogLines& lines, const SetupFonts& fonts,
                                  bool sidePicture, bool uninstallLocked) {
    DialogGadgets gadgets;
    if (sidePicture) {
        CreatePictureBox(-1, 0, 0, kSidePictureWidth, kSidePictureHeight,
                         ImageBitmapHandle(kSidePictureImage));
    } else {
        CreateTextLabel(-1, 0, 0, kSidePictureWidth, kSidePictureHeight, "kein Bild geladen");
    }
    ApplyGadgetFont(-1, fonts.content);
    CreateContainerPanel(-1, 112, 0, 369, 300, kPanelSingleBorder);
    CreateTextLabel(-1, 4, 6, 350, 18, lines.program);
    CreateGroupFrame(-1, 2, 20, 364, 70, "");
    CreateTextLabel(-1, 10, 30, 350, 18, lines.setupVersion);
    CreateTextLabel(-1, 10, 50, 350, 18, lines.setupDate);
    CreateTextLabel(-1, 10, 70, 350, 18, lines.copyright);
    CreateGroupFrame(-1, 2, 90, 364, 50, "");
    CreateTextLabel(-1, 10, 100, 350, 18, lines.installedVersion);
    CreateTextLabel(-1, 10, 120, 350, 18, lines.installedDate);
    gadgets.messagePanel = CreateContainerPanel(-1, 6, 160, 356, 100, kPanelSingleBorder);
    SetGadgetHidden(gadgets.messagePanel, 1);
    gadgets.message = CreateTextLabel(-1, 6, 8, 340, 82, "");
    CloseGadgetContainer();
    CreateGroupFrame(-1, 2, 148, 364, 149, "");
    gadgets.install = CreateOptionButton(-1, 10, 160, 90, 18, "installieren");
    gadgets.update = CreateOptionButton(-1, 10, 184, 140, 18, kUpdateCaption);
    gadgets.uninstall = CreateOptionButton(-1, 10, 208, 110, 18, "deinstallieren");
    gadgets.shortcutFrame = CreateGroupFrame(-1, 5, 221, 358, 37, "");
    gadgets.shortcut = CreateCheckBox(-1, 10, 234, 200, 18, "Desktop Shortcut erstellen");
    if (uninstallLocked) {
        SetGadgetDisabled(gadgets.uninstall, 1);
    }
    gadgets.next = CreatePushButton(-1, 10, 266, 100, 24, "Weiter");
    gadgets.cancel = CreatePushButton(-1, 260, 266, 100, 24, "Abbruch");
    ApplyGadgetFont(-1, fonts.base);
    CreateTextLabel(-1, 4, 140, 200, 14, "Bitte eine Option wählen ...");
    CloseGadgetContainer();
    CreateTextLabel(-1, sidePicture ? 0 : 112, 300, 370, 14, lines.footer);
    // Only the choice update enables it, and only for the install option.
    SetGadgetDisabled(gadgets.shortcut, 1);
    return gadgets;
}

void ApplySetupOffer(const SetupOffer& offer, const DialogGadgets& gadgets) {
    if (offer.blockMessage != 0) {
        ShowBlockMessage(gadgets, offer.blockText);
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

SetupResult UpdateDialogChoice(const DialogGadgets& gadgets, bool shortcutAllowed) {
    const SetupChoiceState next =
        UpdateSetupChoice(ReadSelectedOption(gadgets), shortcutAllowed,
                          ReadGadgetState(gadgets.shortcut) != 0, ReadGadgetText(gadgets.update));
    SetGadgetDisabled(gadgets.next, next.nextEnabled ? 0 : 1);
    SetGadgetDisabled(gadgets.shortcut, next.shortcutEnabled ? 0 : 1);
    if (next.clearShortcutTick) {
        WriteGadgetState(gadgets.shortcut, 0);
    }
    return next.choice;
}
