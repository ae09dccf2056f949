#include "tests/e2e/driver/steps.h"

#include "tests/e2e/driver/product_windows.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/e2e/driver/tree_selection.h"

#include <functional>

namespace {

constexpr DWORD kPollMs = 50;
// Lets a dialog finish what it does after showing (the chooser selects its start folder).
constexpr DWORD kSettleMs = 300;
constexpr int kLogFieldId = 100;
constexpr int kFinishButtonId = 101;

std::wstring JoinLines(const std::vector<std::wstring>& lines) {
    std::wstring joined;
    for (size_t i = 0; i < lines.size(); ++i) {
        joined += (i ? L"\n" : L"") + lines[i];
    }
    return joined;
}

std::wstring JoinWords(const std::vector<std::wstring>& words, size_t from) {
    std::wstring joined;
    for (size_t i = from; i < words.size(); ++i) {
        joined += (i > from ? L" " : L"") + words[i];
    }
    return joined;
}

std::wstring Quoted(const std::wstring& text) {
    return L"\"" + text + L"\"";
}

std::optional<DWORD> ParseNumber(const std::wstring& text) {
    wchar_t* end = nullptr;
    unsigned long value = wcstoul(text.c_str(), &end, 0);
    if (text.empty() || *end != L'\0') {
        return std::nullopt;
    }
    return static_cast<DWORD>(value);
}

std::wstring ShownNow(RunContext& context) {
    return L"\nThe setup shows:\n" + DescribeWindowsOf(context.product.Id());
}

// Polls until ready() holds. Fails when the product ends first or the wait times out.
std::wstring Await(RunContext& context, const std::wstring& what,
                   const std::function<bool()>& ready) {
    const ULONGLONG deadline = GetTickCount64() + context.waitMs;
    for (;;) {
        if (ready()) {
            return L"";
        }
        if (std::optional<DWORD> code = context.product.ExitCode()) {
            return L"the setup ended (exit code " + std::to_wstring(*code) +
                   L") while waiting for " + what;
        }
        if (GetTickCount64() > deadline) {
            return L"no " + what + L" within " + std::to_wstring(context.waitMs / 1000) + L" s" +
                   ShownNow(context);
        }
        Sleep(kPollMs);
    }
}

HWND FindDialog(RunContext& context, const std::function<bool(HWND)>& matches) {
    for (HWND window : VisibleWindowsOf(context.product.Id())) {
        if (ClassOf(window) == L"#32770" && matches(window)) {
            return window;
        }
    }
    return nullptr;
}

HWND FindWindowTitled(RunContext& context, const std::wstring& title) {
    for (HWND window : VisibleWindowsOf(context.product.Id())) {
        if (TitleOf(window) == title) {
            return window;
        }
    }
    return nullptr;
}

bool HasStaticText(HWND dialog, const std::wstring& expected) {
    for (const std::wstring& text : StaticTexts(dialog)) {
        if (WithLfLineEnds(text) == expected) {
            return true;
        }
    }
    return false;
}

// Clicks the dialog's button and waits until the dialog has gone.
std::wstring ClickAndAwaitClose(RunContext& context, HWND dialog, int buttonId,
                                const std::wstring& what) {
    HWND button = nullptr;
    std::wstring error =
        Await(context, L"button " + std::to_wstring(buttonId) + L" in " + what,
              [&] { return (button = DescendantWithId(dialog, buttonId)) != nullptr; });
    if (!error.empty()) {
        return error;
    }
    PostMessageW(button, BM_CLICK, 0, 0);
    return Await(context, L"closing of " + what + L" after the click",
                 [&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); });
}

bool IsChooser(HWND dialog) {
    return HasDescendantOfClass(dialog, L"SysTreeView32");
}

// chooser ok|cancel [selected folder name]  | prompt text
std::wstring AnswerChooser(const Step& step, RunContext& context) {
    if (step.args.empty() || (step.args[0] != L"ok" && step.args[0] != L"cancel")) {
        return L"chooser needs \"ok\" or \"cancel\"";
    }
    const std::wstring prompt = JoinLines(step.text);
    HWND chooser = nullptr;
    std::wstring error =
        Await(context, L"folder chooser" + (prompt.empty() ? L"" : L" " + Quoted(prompt)), [&] {
            chooser = FindDialog(context, [&](HWND dialog) {
                return IsChooser(dialog) && (prompt.empty() || HasStaticText(dialog, prompt));
            });
            return chooser != nullptr;
        });
    if (!error.empty()) {
        return error;
    }
    Sleep(kSettleMs);
    if (step.args.size() > 1) {
        const std::wstring expected = JoinWords(step.args, 1);
        std::wstring selected;
        for (HWND child : DescendantsOf(chooser)) {
            if (ClassOf(child) == L"SysTreeView32") {
                selected = SelectedTreeItemText(context.product.Handle(), child);
            }
        }
        if (selected != expected) {
            return L"the folder chooser offers " + Quoted(selected) + L", not " + Quoted(expected);
        }
    }
    return ClickAndAwaitClose(context, chooser, step.args[0] == L"ok" ? IDOK : IDCANCEL,
                              L"the folder chooser");
}

// message <title>  | text
std::wstring AnswerMessage(const Step& step, RunContext& context) {
    const std::wstring title = JoinWords(step.args, 0);
    HWND box = nullptr;
    std::wstring error = Await(context, L"message box " + Quoted(title), [&] {
        box = FindDialog(context, [&](HWND dialog) {
            return !IsChooser(dialog) && TitleOf(dialog) == title &&
                   DescendantWithId(dialog, IDOK) != nullptr;
        });
        return box != nullptr;
    });
    if (!error.empty()) {
        return error;
    }
    const std::wstring expected = JoinLines(step.text);
    if (!HasStaticText(box, expected)) {
        return L"message box " + Quoted(title) + L" does not say " + Quoted(expected) +
               ShownNow(context);
    }
    return ClickAndAwaitClose(context, box, IDOK, L"message box " + Quoted(title));
}

std::wstring AwaitProgressControl(RunContext& context, int id, HWND& control) {
    const std::wstring title = L"Fortschritt ...";
    return Await(context, L"control " + std::to_wstring(id) + L" in window " + Quoted(title), [&] {
        HWND window = FindWindowTitled(context, title);
        control = window ? DescendantWithId(window, id) : nullptr;
        return control != nullptr;
    });
}

std::wstring NumberedLines(const std::wstring& text) {
    std::wstring numbered;
    size_t start = 0;
    for (int number = 1;; ++number) {
        size_t end = text.find(L'\n', start);
        numbered += L"  " + std::to_wstring(number) + L": " +
                    Quoted(text.substr(start, end - start)) + L"\n";
        if (end == std::wstring::npos) {
            return numbered;
        }
        start = end + 1;
    }
}

// log  | the lines the log field ends up showing
std::wstring AwaitLog(const Step& step, RunContext& context) {
    HWND field = nullptr;
    std::wstring error = AwaitProgressControl(context, kLogFieldId, field);
    if (!error.empty()) {
        return error;
    }
    std::wstring className = ClassOf(field);
    if (_wcsnicmp(className.c_str(), L"RichEdit", 8) != 0) {
        return L"the log field is a " + Quoted(className) + L" control, not a rich-edit field";
    }
    // The log grows step by step; every earlier state is a prefix of the expected one.
    const std::wstring expected = JoinLines(step.text);
    std::wstring seen;
    error = Await(context, L"log text", [&] {
        if (std::optional<std::wstring> text = ControlText(field, 1000)) {
            seen = WithLfLineEnds(*text);
        }
        return seen == expected;
    });
    if (!error.empty()) {
        return error + L"\nExpected log:\n" + NumberedLines(expected) + L"Last log seen:\n" +
               NumberedLines(seen);
    }
    return L"";
}

// close-progress: a close request on the progress window must not end the run
std::wstring TryClosingProgress(RunContext& context) {
    HWND button = nullptr;
    std::wstring error = AwaitProgressControl(context, kFinishButtonId, button);
    if (!error.empty()) {
        return error;
    }
    HWND window = GetAncestor(button, GA_ROOT);
    PostMessageW(window, WM_CLOSE, 0, 0);
    Sleep(1000);
    if (context.product.ExitCode() || !IsWindow(window) || !IsWindowVisible(window)) {
        return L"closing the progress window ended it before \"Fertig\" was pressed" +
               ShownNow(context);
    }
    return L"";
}

// fertig: the run waits for its finish button
std::wstring PressFinish(RunContext& context) {
    HWND button = nullptr;
    std::wstring error = AwaitProgressControl(context, kFinishButtonId, button);
    if (!error.empty()) {
        return error;
    }
    std::optional<std::wstring> caption = ControlText(button, 5000);
    if (caption != L"Fertig") {
        return L"button 101 reads " + Quoted(caption.value_or(L"(no answer)")) +
               L", not \"Fertig\"";
    }
    PostMessageW(button, BM_CLICK, 0, 0);
    return L"";
}

// exit <code>
std::wstring AwaitExit(const Step& step, RunContext& context) {
    std::optional<DWORD> expected =
        step.args.size() == 1 ? ParseNumber(step.args[0]) : std::nullopt;
    if (!expected) {
        return L"exit needs the expected exit code";
    }
    std::optional<DWORD> code = context.product.WaitForExit(context.waitMs);
    if (!code) {
        return L"the setup still runs " + std::to_wstring(context.waitMs / 1000) + L" s later" +
               ShownNow(context);
    }
    if (*code != *expected) {
        return L"the setup ended with exit code " + std::to_wstring(*code) + L" (0x" +
               [&] {
                   wchar_t hex[16];
                   swprintf(hex, 16, L"%08lX", *code);
                   return std::wstring(hex);
               }() +
               L"), expected " + std::to_wstring(*expected);
    }
    return L"";
}

// Waits until the setup shows a window, lets it paint, then saves the whole screen.
std::wstring TakeScreenshot(const Step& step, RunContext& context) {
    if (step.args.size() != 1) {
        return L"screenshot needs a file name";
    }
    std::wstring error = Await(context, L"a window to show",
                               [&] { return !VisibleWindowsOf(context.product.Id()).empty(); });
    if (!error.empty()) {
        return error;
    }
    Sleep(700);
    return SaveScreenshot(step.args[0]);
}

} // namespace

std::wstring PerformStep(const Step& step, RunContext& context) {
    if (step.keyword == L"chooser") {
        return AnswerChooser(step, context);
    }
    if (step.keyword == L"message") {
        return AnswerMessage(step, context);
    }
    if (step.keyword == L"log") {
        return AwaitLog(step, context);
    }
    if (step.keyword == L"close-progress") {
        return TryClosingProgress(context);
    }
    if (step.keyword == L"fertig") {
        return PressFinish(context);
    }
    if (step.keyword == L"exit") {
        return AwaitExit(step, context);
    }
    if (step.keyword == L"screenshot") {
        return TakeScreenshot(step, context);
    }
    if (step.keyword == L"timeout") {
        std::optional<DWORD> seconds =
            step.args.size() == 1 ? ParseNumber(step.args[0]) : std::nullopt;
        if (!seconds) {
            return L"timeout needs a number of seconds";
        }
        context.waitMs = *seconds * 1000;
        return L"";
    }
    return L"unknown step " + Quoted(step.keyword);
}
