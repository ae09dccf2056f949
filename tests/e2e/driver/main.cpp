// Drives the installer from outside through one scenario and says where it went wrong.
// Usage: quorrel-e2e-driver <setup program> <scenario file>
//
// A scenario (UTF-8) holds the steps a user takes through one installer run:
//   # comment
//   chooser ok PureBasic      <- keyword and arguments
//   | Wählen Sie einen Pfad   <- text lines belonging to the step above ("|" alone: empty line)
#include "tests/e2e/driver/driver.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

namespace {

DWORD gWaitMs = 30000; // every wait ends after this, failing the run
// The progress window's controls.
constexpr int kLogField = 100;
constexpr int kFinishButton = 101;

DWORD Number(const Step& step) {
    char* end = nullptr;
    const unsigned long value = strtoul(step.args.c_str(), &end, 10);
    if (step.args.empty() || *end != '\0') {
        Fail(step.keyword + " needs a number");
    }
    return value;
}

// Awaits the product's dialog with or without a folder tree that has the title and the text
// (an empty one stands for any).
HWND AwaitDialog(const std::string& what, bool chooser, const std::string& title,
                 const std::string& text) {
    return AwaitWindow(what, [&](HWND window) {
        const bool matches = ClassOf(window) == "#32770" &&
                             (Child(window, 0, "SysTreeView32") != nullptr) == chooser &&
                             (title.empty() || TitleOf(window) == title) &&
                             (text.empty() || std::ranges::count(StaticTexts(window), text));
        return matches ? window : nullptr;
    });
}

HWND AwaitProgressControl(int id) {
    return AwaitWindow(
        "control " + std::to_string(id) + " in \"Fortschritt ...\"", [&](HWND window) {
            return TitleOf(window) == "Fortschritt ..." ? Child(window, id) : nullptr;
        });
}

// chooser ok|cancel [offered folder]  | prompt
void AnswerChooser(const Step& step) {
    std::string answer;
    std::string folder;
    std::getline(std::istringstream(step.args) >> answer >> std::ws, folder);
    if (answer != "ok" && answer != "cancel") {
        Fail("chooser needs \"ok\" or \"cancel\"");
    }
    HWND chooser = AwaitDialog("folder chooser " + Quoted(step.text), true, "", step.text);
    // The chooser fills its tree and selects the start folder after it shows.
    HWND tree = Child(chooser, 0, "SysTreeView32");
    std::string what;
    Await(what, [&] {
        const std::string offered = SelectedTreeText(tree);
        what = "the folder chooser to offer " + (folder.empty() ? "a folder" : Quoted(folder)) +
               " (it offers " + Quoted(offered) + ")";
        return folder.empty() ? !offered.empty() : offered == folder;
    });
    ShootIfAsked(chooser);
    PressAndAwaitClose(Child(chooser, answer == "ok" ? IDOK : IDCANCEL), chooser,
                       "the folder chooser");
}

// message <title>  | text
void AnswerMessage(const Step& step) {
    const std::string what = "message box " + Quoted(step.args) + " saying " + Quoted(step.text);
    HWND box = AwaitDialog(what, false, step.args, step.text);
    ShootIfAsked(box);
    PressAndAwaitClose(Child(box, IDOK), box, what);
}

// log  | the lines the log field ends up showing (every earlier state is a prefix of them)
void AwaitLog(const Step& step) {
    HWND field = AwaitProgressControl(kLogField);
    if (_strnicmp(ClassOf(field).c_str(), "RichEdit", 8) != 0) {
        Fail("the log field is a " + ClassOf(field) + " control, not a rich-edit field");
    }
    std::string what;
    Await(what, [&] {
        const std::string seen = ControlText(field);
        what = "log text; expected:\n" + step.text + "\nlast seen:\n" + seen;
        return seen == step.text;
    });
    ShootIfAsked(GetAncestor(field, GA_ROOT));
}

// close-progress: a close request on the progress window must not end the run
void TryClosingProgress(const Step&) {
    HWND window = GetAncestor(AwaitProgressControl(kFinishButton), GA_ROOT);
    PostMessageA(window, WM_CLOSE, 0, 0);
    Sleep(1000);
    if (ProductExitCode() || !IsWindowVisible(window)) {
        Fail("closing the progress window ended it before \"Fertig\" was pressed");
    }
}

// fertig: the run waits for its finish button
void PressFinish(const Step&) {
    HWND button = AwaitProgressControl(kFinishButton);
    if (const std::string caption = ControlText(button); caption != "Fertig") {
        Fail("button 101 reads " + Quoted(caption) + ", not \"Fertig\"");
    }
    PostMessageA(button, BM_CLICK, 0, 0);
}

// exit <code>
void AwaitExit(const Step& step) {
    const std::optional<DWORD> code = ProductExitCode(gWaitMs);
    if (code != Number(step)) {
        Fail("expected exit code " + step.args + "; the setup " +
             (code ? "ended with " + std::to_string(*code) : "still runs"));
    }
}

// screenshot <file>: of the window the next step finds, once it is painted (a bitmap file)
void TakeScreenshot(const Step& step) {
    if (ScreenshotAsked()) {
        Fail("the screenshot before this one was not taken");
    }
    AskForScreenshot(step.args);
}

// timeout <seconds>: for the waits of the following steps
void SetTimeout(const Step& step) {
    gWaitMs = Number(step) * 1000;
}

std::vector<Step> ParseScenario(const std::string& content) {
    std::vector<Step> steps;
    std::istringstream in(content);
    std::string line;
    while (std::getline(in, line)) {
        std::erase(line, '\r');
        if (line.starts_with('|') && !steps.empty()) {
            // "| text" or "|" alone; the one blank after the bar belongs to the syntax. (Before any
            // step such a line is read as a step of its own and fails as unknown.)
            Step& step = steps.back();
            step.text.append(step.textLines++ ? "\n" : "")
                .append(line, line.starts_with("| ") ? 2 : 1);
            continue;
        }
        std::istringstream words(line);
        Step step;
        if ((words >> step.keyword) && !step.keyword.starts_with('#')) {
            std::getline(words >> std::ws, step.args);
            steps.push_back(step);
        }
    }
    return steps;
}

} // namespace

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

void Await(const std::string& what, const std::function<bool()>& ready) {
    for (const ULONGLONG deadline = GetTickCount64() + gWaitMs; !ready(); Sleep(50)) {
        const std::optional<DWORD> code = ProductExitCode();
        if (code || GetTickCount64() > deadline) {
            Fail(code ? "the setup ended (exit code " + std::to_string(*code) + ") awaiting " + what
                      : "waited " + std::to_string(gWaitMs / 1000) + " s for " + what);
        }
    }
}

HWND AwaitWindow(const std::string& what, const std::function<HWND(HWND)>& pick) {
    HWND found = nullptr;
    Await(what, [&] {
        return std::ranges::any_of(ProductWindows(),
                                   [&](HWND window) { return (found = pick(window)) != nullptr; });
    });
    return found;
}

void PressAndAwaitClose(HWND button, HWND window, const std::string& what) {
    PostMessageA(button, BM_CLICK, 0, 0);
    Await("closing of " + what + " after the click", [&] { return !IsWindowVisible(window); });
}

int main(int argc, char** argv) {
    std::ostringstream content;
    content << std::ifstream(argc == 3 ? argv[2] : "", std::ios::binary).rdbuf();
    if (!content) {
        Fail("usage: quorrel-e2e-driver <setup program> <readable scenario file>");
    }
    // The product's texts are Windows-1252; so are the scenario's from here on.
    const std::vector<Step> steps = ParseScenario(Recode(content.str(), CP_UTF8, 1252));
    StartProduct(argv[1]);
    // clang-format off
    const std::map<std::string, void (*)(const Step&)> actions = {
        {"typing", AwaitTyping}, {"close-backdrop", CloseBackdrop},
        {"setup-dialog", CheckSetupDialog}, {"blocked", CheckBlocked}, {"option", SelectOption},
        {"weiter", PressWeiter}, {"abbruch", PressAbbruch}, {"agreement", AnswerAgreement},
        {"no-window", CheckNoWindow},
        {"chooser", AnswerChooser}, {"message", AnswerMessage}, {"log", AwaitLog},
        {"close-progress", TryClosingProgress}, {"fertig", PressFinish}, {"exit", AwaitExit},
        {"screenshot", TakeScreenshot}, {"timeout", SetTimeout}};
    // clang-format on
    for (const Step& step : steps) {
        Say("- " + step.keyword + " " + step.args);
        const auto action = actions.find(step.keyword);
        if (action == actions.end()) {
            Fail("unknown step " + Quoted(step.keyword));
        }
        action->second(step);
    }
    if (!ProductExitCode()) {
        Fail("the setup still runs after the last step (the scenario must end with exit)");
    }
    if (ScreenshotAsked()) {
        Fail("no step after the last screenshot showed a window to take it of");
    }
    Say("scenario passed");
    return 0;
}
