// Runs the whole installer in this process (a second thread plays the user through a fresh
// install) and counts the GDI and USER objects that the program's code created and did not
// release: once when the run returns, once more after the static objects are destroyed at exit.
// Also notes the working set at each stage, to show where memory goes. Prints key=value lines.
#include "installer/install_run.h"
#include "object_ledger.h"
#include "support/scratch_folder.h"
#include "support/window_driver.h"

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <fstream>
#include <thread>

namespace {

constexpr const char* kOpenCommandKey = "Applications\\PureBasic.exe\\shell\\open\\command";

void NoteWorkingSet(const char* stage) {
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    K32GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    std::printf("memory at=%s working_set=%zu peak_working_set=%zu\n", stage,
                static_cast<size_t>(memory.WorkingSetSize),
                static_cast<size_t>(memory.PeakWorkingSetSize));
}

void ReportAtExit() {
    std::fputs(ledger::Report("exit").c_str(), stdout);
    std::fflush(stdout);
}

// Registered before any static object of the program is made, so it runs after all of them
// are destroyed.
__attribute__((constructor(101))) void RegisterExitReport() {
    std::atexit(ReportAtExit);
}

// "installieren", the agreement, the preselected host folder, then "Fertig" once all is written.
void PlayFreshInstall(const ScratchFolder& host) {
    using driver::Require;
    Require(driver::WaitForWindow("", "SETUP"), "setup backdrop");
    NoteWorkingSet("backdrop");
    HWND dialog =
        Require(driver::WaitForWindowHolding("SETUP", "Button", "Weiter"), "setup dialog");
    NoteWorkingSet("dialog");
    driver::PostClick(
        Require(driver::FindDescendant(dialog, "Button", "installieren"), "install option"));
    HWND next = driver::FindDescendant(dialog, "Button", "Weiter");
    if (!driver::WaitUntil([&] { return IsWindowEnabled(next) != FALSE; })) {
        Require(nullptr, "\"Weiter\" enabled");
    }
    driver::PostClick(next);
    HWND agreement = Require(
        driver::WaitForWindowHolding("LIZENZVEREINBARUNG", "Button", "Akzeptieren"), "agreement");
    driver::PostClick(driver::FindDescendant(agreement, "Button", "Akzeptieren"));

    HWND chooser = Require(driver::WaitForWindow("#32770", ""), "folder chooser");
    const std::string trimmed = host.Path().substr(0, host.Path().size() - 1);
    const std::string name = trimmed.substr(trimmed.rfind('\\') + 1);
    if (!driver::WaitUntil([&] { return driver::SelectedTreeText(chooser) == name; })) {
        Require(nullptr, "preselected host folder");
    }
    driver::PressButton(chooser, IDOK);

    HWND progress = Require(driver::WaitForWindow("", "Fortschritt ..."), "progress window");
    HWND logField = Require(driver::WaitForControl(progress, 100), "log field");
    HWND finish = Require(driver::WaitForControl(progress, 101), "finish button");
    driver::WaitUntil(
        [&] { return driver::WindowText(logField).find("einzubinden.") != std::string::npos; });
    NoteWorkingSet("progress");
    driver::PostClick(finish);
}

} // namespace

int main() {
    ledger::Install();

    ScratchFolder host;
    host.MakeFolders("PureLibraries\\UserLibraries");
    std::ofstream(host.Path() + "PureBasic.exe", std::ios::binary) << "MZ PureBasic";
    host.Entries(); // Wine's folder browser finds a new folder only once it was listed
    const std::string command = "\"" + host.Path() + "PureBasic.exe\" \"%1\"";
    RegSetKeyValueA(HKEY_CLASSES_ROOT, kOpenCommandKey, nullptr, REG_SZ, command.c_str(),
                    static_cast<DWORD>(command.size() + 1));
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Velkadia");

    NoteWorkingSet("start");
    std::thread user([&] { PlayFreshInstall(host); });
    const int exitCode = RunInstaller();
    user.join();
    const bool installed =
        GetFileAttributesA((host.Path() + "examples\\ZentLibs\\Bilder\\printer_image.jpg").c_str()) !=
        INVALID_FILE_ATTRIBUTES;
    std::printf("run exit_code=%d installed=%d\n", exitCode, installed ? 1 : 0);
    std::fputs(ledger::Report("run_end").c_str(), stdout);

    RegDeleteTreeA(HKEY_CLASSES_ROOT, "Applications\\PureBasic.exe");
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Velkadia");
    return exitCode == 0 && installed ? 0 : 1;
}
