#include "installer/install_run.h"
#include "installer/payload.h"
#include "runtime/owned_handle.h"
#include "support/scratch_folder.h"
#include "support/window_driver.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

// Each case runs the whole installer in this process while a second thread plays the user.
// A driver that cannot find what it waits for ends the process, so a hung run fails at once
// instead of blocking the suite.

namespace {

constexpr const char* kHostCommandKey = "Applications\\PureBasic.exe\\shell\\open\\command";
constexpr const char* kChooserClass = "#32770";

[[noreturn]] void GiveUp(const char* what) {
    std::fprintf(stderr, "install run driver: %s\n", what);
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 3);
    std::abort();
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A PureBasic folder in the temp directory, registered as the shell's PureBasic for the run.
class ScratchHost {
  public:
    ScratchHost() {
        const std::string command = "\"" + Path() + "PureBasic.exe\" \"%1\"";
        RegSetKeyValueA(HKEY_CLASSES_ROOT, kHostCommandKey, nullptr, REG_SZ, command.c_str(),
                        static_cast<DWORD>(command.size() + 1));
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Velkadia");
        // Wine's folder browser finds a new folder only after it has been listed once.
        WIN32_FIND_DATAA entry;
        HANDLE find = FindFirstFileA((Path() + "*").c_str(), &entry);
        if (find != INVALID_HANDLE_VALUE) {
            FindClose(find);
        }
    }
    ~ScratchHost() {
        RegDeleteTreeA(HKEY_CLASSES_ROOT, "Applications\\PureBasic.exe");
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Velkadia");
    }
    const std::string& Path() const { return folder_.Path(); }
    // The last name of the folder, as the chooser's tree shows it.
    std::string Name() const {
        const std::string trimmed = Path().substr(0, Path().size() - 1);
        return trimmed.substr(trimmed.rfind('\\') + 1);
    }

    void AddPureBasicExe(const char* content = "MZ PureBasic") const {
        std::ofstream(Path() + "PureBasic.exe", std::ios::binary) << content;
    }
    void AddLibraryFolders() const { folder_.MakeFolders("PureLibraries\\UserLibraries"); }

  private:
    ScratchFolder folder_;
};

// What the simulated user saw.
struct Seen {
    std::string chooserTitle;
    std::string warning;
    std::string cancelMessage;
    std::string log;
};

HWND WaitForChooser() {
    HWND chooser = driver::WaitForWindow(kChooserClass, "");
    if (chooser == nullptr) {
        GiveUp("no folder chooser");
    }
    return chooser;
}

std::string SelectedFolderName(HWND chooser) {
    HWND tree = FindWindowExA(chooser, nullptr, WC_TREEVIEWA, nullptr);
    for (HWND child = GetWindow(chooser, GW_CHILD); tree == nullptr && child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        tree = FindWindowExA(child, nullptr, WC_TREEVIEWA, nullptr);
    }
    const auto item =
        reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    char name[MAX_PATH] = {};
    TVITEMA query = {};
    query.mask = TVIF_TEXT;
    query.hItem = item;
    query.pszText = name;
    query.cchTextMax = MAX_PATH;
    if (tree == nullptr || item == nullptr ||
        !SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&query))) {
        return "";
    }
    return name;
}

// Accepts the folder chooser once its tree shows the host folder preselected; anything else
// would send the files somewhere unknown.
void AcceptChooser(Seen& seen, const ScratchHost& host) {
    HWND chooser = WaitForChooser();
    seen.chooserTitle = driver::StaticTexts(chooser);
    if (!driver::WaitUntil([&] { return SelectedFolderName(chooser) == host.Name(); })) {
        GiveUp("the chooser did not preselect the host folder");
    }
    driver::PressButton(chooser, IDOK);
}

void CancelChooser(Seen& seen) {
    HWND chooser = WaitForChooser();
    seen.chooserTitle = driver::StaticTexts(chooser);
    driver::PressButton(chooser, IDCANCEL);
}

std::string AnswerMessageBox(const char* title) {
    HWND box = driver::WaitForWindow(kChooserClass, title);
    if (box == nullptr) {
        GiveUp(title);
    }
    const std::string text = driver::StaticTexts(box);
    driver::PressButton(box, IDOK);
    return text;
}

void FinishProgress(Seen& seen) {
    HWND progress = driver::WaitForWindow("", "Fortschritt ...");
    if (progress == nullptr) {
        GiveUp("no progress window");
    }
    HWND logField = driver::WaitForControl(progress, 100);
    HWND finish = driver::WaitForControl(progress, 101);
    if (logField == nullptr || finish == nullptr) {
        GiveUp("no log field or finish button");
    }
    if (!driver::WaitUntil([&] {
            return driver::WindowText(logField).find("um die Library") != std::string::npos;
        })) {
        GiveUp("the log never reached its end");
    }
    seen.log = driver::NormaliseLineEnds(driver::WindowText(logField));
    // The run must still be waiting: a close request is not an answer.
    PostMessageA(progress, WM_CLOSE, 0, 0);
    Sleep(200);
    if (!IsWindow(progress)) {
        GiveUp("the progress window closed without Fertig");
    }
    driver::PostClick(finish);
}

template <typename Play> int RunWithUser(Play play) {
    std::thread user(play);
    const int exitCode = RunInstaller();
    user.join();
    return exitCode;
}

const char* const kCleanLog = "Starte die Installation ...\n"
                              "\n"
                              "Library entpackt\n"
                              "Library Hilfe entpackt\n"
                              "Directory <Examples> erstellt\n"
                              "Directory <Examples\\ZentLibs> erstellt\n"
                              "Beispiel 1 entpackt\n"
                              "Beispiel 2 entpackt\n"
                              "Directory <Examples\\ZentLibs\\Bilder> erstellt\n"
                              "Bild entpackt\n"
                              "\n"
                              "Installation erfolgreich abgeschlossen\n"
                              "\n"
                              "Sollte PureBasic laufen, starten Sie bitte neu\n"
                              "um die Library und deren Hilfe einzubinden.";

std::string RecordValue(const char* name) {
    char value[64] = {};
    DWORD size = sizeof value - 1;
    if (RegGetValueA(HKEY_CURRENT_USER, "Software\\Velkadia\\Qorp400", name, RRF_RT_REG_SZ, nullptr,
                     value, &size) != ERROR_SUCCESS) {
        return "<none>";
    }
    return value;
}

void ExpectCarriedFilesIn(const std::string& dir) {
    for (PayloadIndex index :
         {kLibraryItem, kHelpItem, kExample1Item, kExample2Item, kExamplePictureItem}) {
        const PayloadItem& item = PayloadItemAt(index);
        const FileBytes written = ReadWholeFile(dir + item.target);
        ASSERT_TRUE(written.ok) << item.target;
        EXPECT_TRUE(written.bytes == std::vector<unsigned char>(item.bytes, item.bytes + item.size))
            << item.target;
    }
}

} // namespace

TEST(InstallRun, FreshInstallWritesTheFilesLogsEveryStepAndRecordsTheVersion) {
    ScratchHost host;
    host.AddPureBasicExe();
    host.AddLibraryFolders();

    Seen seen;
    EXPECT_EQ(RunWithUser([&] {
                  AcceptChooser(seen, host);
                  FinishProgress(seen);
              }),
              0);
    EXPECT_NE(seen.chooserTitle.find("Wählen Sie einen Pfad aus"), std::string::npos);
    EXPECT_EQ(seen.log, kCleanLog);
    ExpectCarriedFilesIn(host.Path());
    EXPECT_FALSE(Exists(host.Path() + "setup_picture.bmp"));
    EXPECT_EQ(RecordValue("Version"), "1006");
    EXPECT_EQ(RecordValue("Date"), "12.07.2007");

    // A second run into the same folder overwrites the files and creates no directory.
    Seen again;
    EXPECT_EQ(RunWithUser([&] {
                  AcceptChooser(again, host);
                  FinishProgress(again);
              }),
              0);
    EXPECT_EQ(again.log.find("Directory"), std::string::npos);
    EXPECT_NE(again.log.find("\nInstallation erfolgreich abgeschlossen\n"), std::string::npos);
    ExpectCarriedFilesIn(host.Path());
}

TEST(InstallRun, ALockedLibraryFileIsLoggedAndTheRunStillCompletes) {
    ScratchHost host;
    host.AddPureBasicExe();
    host.AddLibraryFolders();
    const std::string library = host.Path() + PayloadItemAt(kLibraryItem).target;
    std::ofstream(library) << "old";
    // Held open without sharing, the file cannot be replaced (the read-only attribute does
    // not stop an administrator).
    OwnedFile lock(
        CreateFileA(library.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(lock.Valid());
    ASSERT_EQ(CreateFileA(library.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                          nullptr, OPEN_EXISTING, 0, nullptr),
              INVALID_HANDLE_VALUE);

    Seen seen;
    EXPECT_EQ(RunWithUser([&] {
                  AcceptChooser(seen, host);
                  FinishProgress(seen);
              }),
              0);
    EXPECT_NE(seen.log.find("\nLibrary nicht entpackt\n"), std::string::npos) << seen.log;
    EXPECT_NE(seen.log.find("\nLibrary Hilfe entpackt\n"), std::string::npos);
    EXPECT_NE(seen.log.find("\nBild entpackt\n"), std::string::npos);
    EXPECT_NE(seen.log.find("\n\nInstallation mit Fehlern beendet\n"), std::string::npos);
    EXPECT_EQ(RecordValue("Version"), "1006"); // recorded whatever the extraction said
}

TEST(InstallRun, AFolderWithoutPureBasicIsWarnedAboutAndPrepared) {
    for (const char* exe : {static_cast<const char*>(""), static_cast<const char*>(nullptr)}) {
        ScratchHost host;
        if (exe != nullptr) {
            host.AddPureBasicExe(exe); // a 0-byte program counts as missing
        }
        Seen seen;
        EXPECT_EQ(RunWithUser([&] {
                      AcceptChooser(seen, host);
                      seen.warning = AnswerMessageBox("Achtung");
                      FinishProgress(seen);
                  }),
                  0);
        EXPECT_EQ(driver::NormaliseLineEnds(seen.warning),
                  "Im angegebenen Pfad befindet sich keine PureBasic.exe.\n"
                  "Möglicherweise wird die Installation unvollständig ausgeführt.");
        EXPECT_TRUE(Exists(host.Path() + "PureLibraries\\UserLibraries"));
        EXPECT_EQ(seen.log, kCleanLog);
    }
}

TEST(InstallRun, CancellingTheChooserEndsTheRunWithNothingWritten) {
    ScratchHost host;
    host.AddPureBasicExe();
    Seen seen;
    EXPECT_EQ(RunWithUser([&] {
                  CancelChooser(seen);
                  seen.cancelMessage = AnswerMessageBox("Abbruch");
              }),
              0);
    EXPECT_EQ(seen.cancelMessage, "falscher Pfad - bitte wiederholen");
    EXPECT_FALSE(Exists(host.Path() + "Help"));
    EXPECT_FALSE(Exists(host.Path() + "Examples"));
    EXPECT_EQ(RecordValue("Version"), "<none>");
    EXPECT_EQ(driver::FindOwnWindow("", "Fortschritt ..."), nullptr);
}
