#include "installer/install_run.h"
#include "installer/payload.h"
#include "runtime/system/owned_handle.h"
#include "support/scratch_folder.h"
#include "support/window_driver.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <utility>

// Each case runs the whole installer in this process while a second thread plays the user.

namespace {

using driver::Require;

// A PureBasic folder in the temp directory, registered as the shell's PureBasic for the run.
class ScratchHost {
  public:
    explicit ScratchHost(const char* exe = "MZ PureBasic", bool libraryFolders = true) {
        const std::string command = "\"" + Path() + "PureBasic.exe\" \"%1\"";
        RegSetKeyValueA(HKEY_CLASSES_ROOT, "Applications\\PureBasic.exe\\shell\\open\\command",
                        nullptr, REG_SZ, command.c_str(), static_cast<DWORD>(command.size() + 1));
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Velkadia");
        if (exe != nullptr) {
            std::ofstream(Path() + "PureBasic.exe", std::ios::binary) << exe;
        }
        if (libraryFolders) {
            folder_.MakeFolders("PureLibraries\\UserLibraries");
        }
        folder_.Entries(); // Wine's folder browser finds a new folder only once it was listed
    }
    ~ScratchHost() {
        RegDeleteTreeA(HKEY_CLASSES_ROOT, "Applications\\PureBasic.exe");
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Velkadia");
    }
    const std::string& Path() const { return folder_.Path(); }
    // Windows finds a path in any letter case; this asks for the case the user will see.
    bool Has(const std::string& relative) const {
        std::filesystem::path at = Path();
        for (const std::filesystem::path& part : std::filesystem::path(relative)) {
            std::error_code error;
            std::filesystem::directory_iterator entries(at, error);
            if (error || std::none_of(begin(entries), end(entries), [&](const auto& entry) {
                    return entry.path().filename().string() == part.string();
                })) {
                return false;
            }
            at /= part;
        }
        return true;
    }
    // The folder's own name, as the chooser's tree shows it.
    std::string Name() const {
        const std::string trimmed = Path().substr(0, Path().size() - 1);
        return trimmed.substr(trimmed.rfind('\\') + 1);
    }

  private:
    ScratchFolder folder_;
};

// What the simulated user saw.
struct Seen {
    std::string warning;
    std::string cancelMessage;
    std::string log;
};

std::string AnswerMessageBox(const char* title) {
    HWND box = Require(driver::WaitForWindow("#32770", title), title);
    const std::string text = driver::NormaliseLineEnds(driver::StaticTexts(box));
    driver::PressButton(box, IDOK);
    return text;
}

// Takes the action the setup dialog offers: "installieren" through the agreement window on a
// fresh host, "reparieren ..." once this version is recorded.
void AnswerSetupDialog() {
    HWND dialog =
        Require(driver::WaitForWindowHolding("SETUP", "Button", "Weiter"), "setup dialog");
    HWND option = driver::FindDescendant(dialog, "Button", "installieren");
    const bool freshInstall = option != nullptr && IsWindowEnabled(option);
    if (!freshInstall) {
        option = driver::FindDescendant(dialog, "Button",
                                        "reparieren (Setup-Version gleich der installierten)");
    }
    driver::PostClick(Require(option, "an offered setup option"));
    HWND next = driver::FindDescendant(dialog, "Button", "Weiter");
    if (!driver::WaitUntil([&] { return IsWindowEnabled(next) != FALSE; })) {
        Require(nullptr, "\"Weiter\" enabled after choosing an option");
    }
    driver::PostClick(next);
    if (freshInstall) {
        HWND agreement =
            Require(driver::WaitForWindowHolding("LIZENZVEREINBARUNG", "Button", "Akzeptieren"),
                    "agreement window");
        driver::PostClick(driver::FindDescendant(agreement, "Button", "Akzeptieren"));
    }
}

// Chooses the preselected host folder (or cancels) and answers what follows.
void PlayUser(const ScratchHost& host, Seen& seen, bool accept, bool expectWarning = false) {
    AnswerSetupDialog();
    HWND chooser = Require(driver::WaitForWindow("#32770", ""), "folder chooser");
    if (driver::StaticTexts(chooser).find("Wählen Sie einen Pfad aus") == std::string::npos) {
        Require(nullptr, "chooser title");
    }
    if (!accept) {
        driver::PressButton(chooser, IDCANCEL);
        seen.cancelMessage = AnswerMessageBox("Abbruch");
        return;
    }
    // Pressing OK on anything but the host folder would send the files somewhere unknown.
    if (!driver::WaitUntil([&] { return driver::SelectedTreeText(chooser) == host.Name(); })) {
        Require(nullptr, "preselected host folder");
    }
    driver::PressButton(chooser, IDOK);
    if (expectWarning) {
        seen.warning = AnswerMessageBox("Achtung");
    }
    HWND progress = Require(driver::WaitForWindow("", "Fortschritt ..."), "progress window");
    HWND logField = Require(driver::WaitForControl(progress, 100), "log field");
    HWND finish = Require(driver::WaitForControl(progress, 101), "finish button");
    driver::WaitUntil(
        [&] { return driver::WindowText(logField).find("einzubinden.") != std::string::npos; });
    seen.log = driver::NormaliseLineEnds(driver::WindowText(logField));
    // A close request is no answer: the run keeps waiting for "Fertig".
    PostMessageA(progress, WM_CLOSE, 0, 0);
    Sleep(200);
    Require(IsWindow(progress) ? progress : nullptr, "progress window after a close request");
    driver::PostClick(finish);
}

int RunWithUser(const ScratchHost& host, Seen& seen, bool accept, bool expectWarning = false) {
    std::thread user([&] { PlayUser(host, seen, accept, expectWarning); });
    const int exitCode = RunInstaller();
    user.join();
    return exitCode;
}

const char* const kCleanLog = "Starte die Installation ...\n\nLibrary entpackt\n"
                              "Library Hilfe entpackt\nDirectory <Examples> erstellt\n"
                              "Directory <Examples\\ZentLibs> erstellt\nBeispiel 1 entpackt\n"
                              "Beispiel 2 entpackt\n"
                              "Directory <Examples\\ZentLibs\\Bilder> erstellt\nBild entpackt\n"
                              "\nInstallation erfolgreich abgeschlossen\n\n"
                              "Sollte PureBasic laufen, starten Sie bitte neu\n"
                              "um die Library und deren Hilfe einzubinden.";

std::string RecordedVersion() {
    char value[64] = {};
    DWORD size = sizeof value - 1;
    RegGetValueA(HKEY_CURRENT_USER, "Software\\Velkadia\\Qorp400", "Version", RRF_RT_REG_SZ,
                 nullptr, value, &size);
    return value;
}

// Each written file equals the file the build packed.
void ExpectCarriedFilesIn(const ScratchHost& host) {
    const std::pair<PayloadIndex, const char*> carried[] = {
        {kLibraryItem, "Quorrel_400"},
        {kHelpItem, "Quorrel400.chm"},
        {kExample1Item, "ostrel.pb"},
        {kExample2Item, "ostrel_using_sample.pb"},
        {kExamplePictureItem, "printer_image.jpg"}};
    for (const auto& [index, name] : carried) {
        const char* target = PayloadItemAt(index).target;
        const FileBytes written = ReadWholeFile(host.Path() + target);
        const FileBytes packed = ReadWholeFile(std::string(QUORREL_PAYLOAD_DIR "/") + name);
        EXPECT_TRUE(written.ok && packed.ok && written.bytes == packed.bytes) << target;
    }
}

} // namespace

TEST(InstallRun, FreshAndRepeatedInstallsWriteEveryFileAndRecordTheVersion) {
    ScratchHost host;
    Seen first, second;
    EXPECT_EQ(RunWithUser(host, first, true), 0);
    EXPECT_EQ(first.log, kCleanLog);
    ExpectCarriedFilesIn(host);
    EXPECT_FALSE(host.Has("setup_picture.bmp"));
    EXPECT_EQ(RecordedVersion(), "1006");

    // The folders exist now: the second run logs no directory and overwrites the files.
    EXPECT_EQ(RunWithUser(host, second, true), 0);
    EXPECT_EQ(second.log.find("Directory"), std::string::npos);
    EXPECT_NE(second.log.find("\nInstallation erfolgreich abgeschlossen\n"), std::string::npos);
    ExpectCarriedFilesIn(host);
}

TEST(InstallRun, ALockedLibraryFileIsLoggedAndTheRunStillCompletes) {
    ScratchHost host;
    const std::string library = host.Path() + PayloadItemAt(kLibraryItem).target;
    std::ofstream(library) << "old";
    // Held open without sharing, the file cannot be replaced (the read-only attribute does not
    // stop an administrator).
    OwnedFile lock(
        CreateFileA(library.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(lock.Valid());

    Seen seen;
    EXPECT_EQ(RunWithUser(host, seen, true), 0);
    EXPECT_NE(seen.log.find("\nLibrary nicht entpackt\nLibrary Hilfe entpackt\n"),
              std::string::npos)
        << seen.log;
    EXPECT_NE(seen.log.find("\nBild entpackt\n\nInstallation mit Fehlern beendet\n"),
              std::string::npos);
    EXPECT_EQ(RecordedVersion(), "1006"); // recorded whatever the extraction said
}

TEST(InstallRun, AFolderWithoutPureBasicIsWarnedAboutAndPrepared) {
    for (const char* exe : {static_cast<const char*>(nullptr), ""}) { // missing, or 0 bytes
        ScratchHost host(exe, false);
        Seen seen;
        EXPECT_EQ(RunWithUser(host, seen, true, true), 0);
        EXPECT_EQ(seen.warning, "Im angegebenen Pfad befindet sich keine PureBasic.exe.\n"
                                "Möglicherweise wird die Installation unvollständig ausgeführt.");
        EXPECT_TRUE(host.Has("PureLibraries\\UserLibraries"));
        EXPECT_EQ(seen.log, kCleanLog);
    }
}

TEST(InstallRun, CancellingTheChooserEndsTheRunWithNothingWritten) {
    ScratchHost host;
    Seen seen;
    EXPECT_EQ(RunWithUser(host, seen, false), 0);
    EXPECT_EQ(seen.cancelMessage, "falscher Pfad - bitte wiederholen");
    EXPECT_FALSE(host.Has("Help"));
    EXPECT_FALSE(host.Has("Examples"));
    EXPECT_EQ(RecordedVersion(), "");
    EXPECT_EQ(driver::FindOwnWindow("", "Fortschritt ..."), nullptr);
}
