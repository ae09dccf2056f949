// Drives the installer from outside through one scenario and says where it went wrong.
// Usage: quorrel-e2e-driver <setup program> <scenario file>
//
// A scenario (UTF-8) holds one step a line, the steps of tests/support/window_driver.h, each
// followed by the lines of its text ("| text", or "|" alone for an empty line; "\t" stands for
// a TAB):
//   window Abbruch
//   | falscher Pfad - bitte wiederholen
// and three steps of its own:
//   exit <code>        the program ends with that exit code
//   screenshot <file>  of the current window, once it is painted (a bitmap file)
//   timeout <seconds>  for the waits of the following steps
#include "support/window_driver.h"
#include "tests/e2e/driver/screenshot.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

OwnedHandle gProduct;

std::string Recode(const std::string& text, UINT from, UINT to) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(MultiByteToWideChar(from, 0, text.data(), text.size(), wide.data(), wide.size()));
    std::string result(wide.size() * 4, '\0');
    result.resize(WideCharToMultiByte(to, 0, wide.data(), wide.size(), result.data(), result.size(),
                                      nullptr, nullptr));
    return result;
}

// Prints a Windows-1252 line as UTF-8.
void Say(const std::string& text) {
    fputs(Recode(text + "\n", 1252, CP_UTF8).c_str(), stdout);
    fflush(stdout);
}

// Says why the run failed, then ends the product and the driver: a failed run leaves nothing
// behind that could block the next one.
[[noreturn]] void Fail(const std::string& why) {
    Say("FAILED: " + why);
    TerminateProcess(gProduct.Get(), 0xDEAD);
    WaitForSingleObject(gProduct.Get(), 5000);
    std::exit(1);
}

DWORD Number(const driver::Step& step) {
    char* end = nullptr;
    const unsigned long value = strtoul(step.target.c_str(), &end, 10);
    if (step.target.empty() || *end != '\0') {
        Fail(step.action + " needs a number");
    }
    return value;
}

std::vector<driver::Step> ParseScenario(const std::string& content) {
    std::vector<driver::Step> steps;
    std::vector<int> textLines;
    std::istringstream in(content);
    std::string line;
    while (std::getline(in, line)) {
        std::erase(line, '\r');
        if (line.starts_with('|') && !steps.empty()) {
            for (size_t tab; (tab = line.find("\\t")) != std::string::npos;) {
                line.replace(tab, 2, "\t");
            }
            // The one blank after the bar belongs to the syntax.
            steps.back()
                .text.append(textLines.back()++ ? "\n" : "")
                .append(line, line.starts_with("| ") ? 2 : 1);
            continue;
        }
        std::istringstream words(line);
        driver::Step step;
        if ((words >> step.action) && !step.action.starts_with('#')) {
            std::getline(words >> std::ws, step.target);
            steps.push_back(step);
            textLines.push_back(0);
        }
    }
    return steps;
}

DWORD StartProduct(const std::string& program) {
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info)) {
        Fail("cannot start " + program + " (error " + std::to_string(GetLastError()) + ")");
    }
    OwnedHandle thread(info.hThread);
    gProduct.Reset(info.hProcess);
    return info.dwProcessId;
}

} // namespace

int main(int argc, char** argv) {
    std::ostringstream content;
    content << std::ifstream(argc == 3 ? argv[2] : "", std::ios::binary).rdbuf();
    if (!content) {
        Fail("usage: quorrel-e2e-driver <setup program> <readable scenario file>");
    }
    // The product's texts are Windows-1252; so are the scenario's from here on.
    const std::vector<driver::Step> steps = ParseScenario(Recode(content.str(), CP_UTF8, 1252));
    DWORD waitMs = 30000;
    driver::Driver user(StartProduct(argv[1]), waitMs);
    for (const driver::Step& step : steps) {
        Say("- " + step.action + " " + step.target);
        DWORD code = STILL_ACTIVE;
        if (step.action == "exit") {
            WaitForSingleObject(gProduct.Get(), waitMs);
            GetExitCodeProcess(gProduct.Get(), &code);
            if (code != Number(step)) {
                Fail("expected exit code " + step.target + "; the setup " +
                     (code == STILL_ACTIVE ? "still runs" : "ended with " + std::to_string(code)));
            }
        } else if (step.action == "screenshot") {
            if (!SaveScreenshot(user, step.target)) {
                Fail("no screenshot " + step.target + ": " + user.Failure());
            }
        } else if (step.action == "timeout") {
            user.SetTimeout(waitMs = Number(step) * 1000);
        } else if (!user.Do(step)) {
            Fail(user.Failure());
        }
    }
    if (WaitForSingleObject(gProduct.Get(), 0) != WAIT_OBJECT_0) {
        Fail("the setup still runs after the last step (the scenario must end with exit)");
    }
    Say("scenario passed");
    return 0;
}
