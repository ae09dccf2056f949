// Runs the whole installer in this process (a second thread plays the user through a fresh
// install) and counts the GDI and USER objects that the program's code created and did not
// release: once when the run returns, once more after the static objects are destroyed at exit.
// Also notes the working set at each stage, to show where memory goes. Prints key=value lines.
#include "installer/install_run.h"
#include "object_ledger.h"
#include "support/scratch_folder.h"
#include "support/shown_texts.h"
#include "support/window_driver.h"

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

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

// A step that notes the working set once the current window shows.
driver::Step Noting(const char* stage) {
    return {"await", stage, "noted", [stage](HWND) {
                NoteWorkingSet(stage);
                return std::string("noted");
            }};
}

// "installieren", the agreement, the preselected host folder, then "Fertig" once all is written.
std::vector<driver::Step> FreshInstall(const ScratchFolder& host) {
    const std::string trimmed = host.Path().substr(0, host.Path().size() - 1);
    const auto logEnded = [](HWND progress) {
        if (driver::TextOf(driver::Find(progress, "#100")).find("einzubinden.") ==
            std::string::npos) {
            return std::string("writing");
        }
        NoteWorkingSet("progress");
        return std::string("written");
    };
    return {{"window", "SETUP"},
            Noting("backdrop"),
            {"window", "SETUP", "Weiter"},
            Noting("dialog"),
            {"click", "installieren"},
            {"click", "Weiter"},
            {"window", "LIZENZVEREINBARUNG"},
            {"click", "Akzeptieren"},
            {"window", "", shown::kChooserPrompt},
            {"tree", trimmed.substr(trimmed.rfind('\\') + 1)},
            {"click", "#1"},
            {"window", "Fortschritt ...", "Fertig"},
            {"await", "the log's last line", "written", logEnded},
            {"click", "Fertig"}};
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
    const int exitCode = driver::PlayWhile(FreshInstall(host), RunInstaller);
    const bool installed =
        GetFileAttributesA((host.Path() + "examples\\ZentLibs\\Bilder\\printer_image.jpg").c_str()) !=
        INVALID_FILE_ATTRIBUTES;
    std::printf("run exit_code=%d installed=%d\n", exitCode, installed ? 1 : 0);
    std::fputs(ledger::Report("run_end").c_str(), stdout);

    RegDeleteTreeA(HKEY_CLASSES_ROOT, "Applications\\PureBasic.exe");
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Velkadia");
    return exitCode == 0 && installed ? 0 : 1;
}
