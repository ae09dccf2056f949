#include "installer/install_run.h"

#include "host/host_discovery.h"
#include "installer/install_constants.h"
#include "installer/install_log.h"
#include "installer/payload.h"
#include "installer/payload_writer.h"
#include "installer/version_record.h"
#include "runtime/graphics/images.h"
#include "runtime/runtime_lifecycle.h"
#include "runtime/system/files.h"
#include "runtime/system/requesters.h"
#include "runtime/ui/app_windows.h"
#include "runtime/ui/events.h"
#include "runtime/ui/gadget_list.h"
#include "runtime/ui/gadgets.h"
#include "runtime/ui/window_placement.h"
#include "setup/setup_dialog.h"
#include "setup/side_picture.h"
#include "setup/version_number.h"

namespace {

constexpr int32_t kProgressWindow = 1;
constexpr int32_t kLogField = 100;
constexpr int32_t kFinishButton = 101;
constexpr int32_t kStepPauseMs = 100;

constexpr const char* kChooserTitle = "Wählen Sie einen Pfad aus, angezeigt wird der gefundene "
                                      "Pfad zur aktuell aktiven Version von PureBasic";

void LoadDialogPicture() {
    const PayloadItem& picture = PayloadItemAt(kDialogPictureItem);
    // Without the picture the setup dialog falls back to one of its own.
    if (LoadImageFromMemory(kSidePictureImage, picture.bytes, picture.size) != 0) {
        ScaleImage(kSidePictureImage, kSidePictureWidth, kSidePictureHeight);
    }
}

void CloseBackdrop() {
    if (AppWindowExists(kBackdropWindow)) {
        DestroyAppWindow(kBackdropWindow);
    }
}

// The progress window with its log field and finish button; false when it cannot be opened,
// in which case the run ends without a word.
bool OpenProgressWindow() {
    // Centred, with a title bar only: the run's end is the finish button.
    if (CreateAppWindow(kProgressWindow, 0, 0, 300, 284, "Fortschritt ...", kCentreOnScreen,
                        AppWindowHandle(kBackdropWindow)) == 0) {
        CloseBackdrop();
        return false;
    }
    if (AttachGadgetList(AppWindowHandle(kProgressWindow)) == 0) {
        CloseBackdrop();
        DestroyAppWindow(kProgressWindow);
        return false;
    }
    CreateEditorField(kLogField, 10, 10, 280, 230, kEditorReadOnly);
    CreatePushButton(kFinishButton, 10, 250, 280, 24, "Fertig");
    return true;
}

// No events are processed while the files are written: the log is shown by setting its text,
// then the user gets a moment to read it.
void ShowLog(const InstallLog& log) {
    WriteGadgetText(kLogField, log.Get());
    Pause(kStepPauseMs);
}

void WriteCarriedFile(PayloadIndex index, const Text& installDirectory, InstallLog& log) {
    const PayloadItem& item = PayloadItemAt(index);
    log.AddFileResult(WritePayloadItem(item, installDirectory) == 1, item.successText,
                      item.failureText);
}

void CreateLoggedDirectory(const char* name, const Text& installDirectory, InstallLog& log) {
    log.AddDirectoryResult(DirectoryCreate(installDirectory + name) == 1, name);
}

void ExtractCarriedFiles(const Text& installDirectory, InstallLog& log) {
    WriteCarriedFile(kLibraryItem, installDirectory, log);
    ShowLog(log);
    DirectoryCreate(installDirectory + "Help");
    WriteCarriedFile(kHelpItem, installDirectory, log);
    ShowLog(log);
    CreateLoggedDirectory("Examples", installDirectory, log);
    CreateLoggedDirectory("Examples\\ZentLibs", installDirectory, log);
    ShowLog(log);
    WriteCarriedFile(kExample1Item, installDirectory, log);
    ShowLog(log);
    WriteCarriedFile(kExample2Item, installDirectory, log);
    ShowLog(log);
    CreateLoggedDirectory("Examples\\ZentLibs\\Bilder", installDirectory, log);
    ShowLog(log);
    WriteCarriedFile(kExamplePictureItem, installDirectory, log);
    ShowLog(log);
}

// A closed window or any other event does not end the run; only "Fertig" does.
void WaitForFinishButton() {
    while (!(WaitForEvent() == kEventGadget && LastEventGadget() == kFinishButton)) {
    }
}

// Warns when the chosen folder holds no PureBasic and prepares the library folders, which no
// later step creates.
void CheckHost(const Text& installDirectory) {
    if (FileSizeOf(installDirectory + "purebasic.exe") > 0) {
        return;
    }
    ShowMessage("Achtung", "Im angegebenen Pfad befindet sich keine PureBasic.exe.\r"
                           "Möglicherweise wird die Installation unvollständig ausgeführt.");
    DirectoryCreate(installDirectory + "PureLibraries");
    DirectoryCreate(installDirectory + "PureLibraries\\UserLibraries");
}

// Install, update, repair and time-stamp update write the carried files the same way.
bool GoesOnToInstall(SetupResult result) {
    switch (result) {
    case SetupResult::kInstall:
    case SetupResult::kUpdate:
    case SetupResult::kRepair:
    case SetupResult::kRefresh:
        return true;
    case SetupResult::kCancelled:
        return false;
    // Never returned to this installer: its request locks the uninstall option and does not
    // allow the shortcut, so the dialog cannot offer either. Should one arrive, the run ends.
    case SetupResult::kUninstall:
    case SetupResult::kInstallWithShortcut:
        return false;
    }
    return false;
}

void RunInstallSequence() {
    const Text hostDirectory = FindHostDirectory();
    const int32_t setupVersion = VersionNumberFromText(kSetupVersionText);
    LoadDialogPicture();
    const VersionRecord installed = ReadInstalledVersion(hostDirectory);

    const SetupRequest request{.title = kProductTitle,
                               .setupVersion = setupVersion,
                               .setupDateText = kSetupDateText,
                               .author = kAuthorText,
                               .webAddress = kAuthorWebAddress,
                               .agreementText = kDescriptionText,
                               .installedVersion = installed.version,
                               .installedDateText = installed.date,
                               .topPaletteNumber = kTopPaletteNumber,
                               .bottomPaletteNumber = kBottomPaletteNumber,
                               .uninstallLocked = kUninstallLocked,
                               .shortcutAllowed = kShortcutAllowed,
                               .backdropOnTop = kBackdropOnTop};
    if (!GoesOnToInstall(SetupDialog(request))) {
        return;
    }

    const Text installDirectory = ChooseDirectory(kChooserTitle, hostDirectory);
    if (installDirectory.empty()) {
        ShowMessage("Abbruch", "falscher Pfad - bitte wiederholen");
        return;
    }
    CheckHost(installDirectory);

    if (!OpenProgressWindow()) {
        return;
    }
    InstallLog log;
    ExtractCarriedFiles(installDirectory, log);
    log.AddVerdict();
    WriteInstalledVersion(setupVersion, kSetupDateText);
    log.AddClosingAdvice();
    WriteGadgetText(kLogField, log.Get());

    WaitForFinishButton();
    CloseBackdrop();
}

} // namespace

int RunInstaller() {
    StartRuntime();
    RunInstallSequence();
    EndRuntime();
    return 0;
}
