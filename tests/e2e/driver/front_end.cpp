// Steps through the setup front end: the backdrop with its typed welcome line, the setup dialog
// with its options, and the agreement window. Their controls carry numbers that the runtime
// allocates, so the steps find them by class and text.
#include "tests/e2e/driver/driver.h"

#include <algorithm>

namespace {

constexpr const char* kSetupTitle = "SETUP"; // the backdrop's and the setup dialog's
constexpr const char* kAgreementTitle = "LIZENZVEREINBARUNG";

enum class ButtonKind { kPush, kOption, kCheckBox, kFrame };

bool IsButton(HWND control) {
    return _stricmp(ClassOf(control).c_str(), "Button") == 0;
}

ButtonKind KindOf(HWND button) {
    switch (GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK) {
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return ButtonKind::kOption;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
        return ButtonKind::kCheckBox;
    case BS_GROUPBOX:
        return ButtonKind::kFrame;
    default:
        return ButtonKind::kPush;
    }
}

bool IsChecked(HWND button) {
    DWORD_PTR state = BST_UNCHECKED;
    SendMessageTimeoutA(button, BM_GETCHECK, 0, 0, SMTO_NORMAL, 2000, &state);
    return state == BST_CHECKED;
}

// The window's visible button with that caption, or null.
HWND Button(HWND window, const std::string& caption) {
    const std::vector<HWND> controls = ProductWindows(window);
    const auto found = std::ranges::find_if(controls, [&](HWND control) {
        return IsButton(control) && ControlText(control) == caption;
    });
    return found == controls.end() ? nullptr : *found;
}

// How the window's visible controls read, one line each, in the order of their creation:
//   a text as it stands, with "\t" for a TAB       an option: "( ) caption" or "(*) caption"
//   a button: "<caption>"                           a check box: "[ ] caption" or "[x] caption"
// " (disabled)" follows a control that cannot be used. Empty texts are left out, and so are
// texts of several lines (the block message; the "blocked" step reads it).
std::string ControlLines(HWND window) {
    std::string lines;
    for (HWND control : ProductWindows(window)) {
        const std::string text = ControlText(control);
        const bool isStatic = _stricmp(ClassOf(control).c_str(), "Static") == 0;
        if ((!isStatic && !IsButton(control)) || text.empty() || text.find('\n') != text.npos) {
            continue;
        }
        std::string line = text;
        if (IsButton(control)) {
            switch (KindOf(control)) {
            case ButtonKind::kOption:
                line = (IsChecked(control) ? "(*) " : "( ) ") + text;
                break;
            case ButtonKind::kCheckBox:
                line = (IsChecked(control) ? "[x] " : "[ ] ") + text;
                break;
            case ButtonKind::kPush:
                line = "<" + text + ">";
                break;
            case ButtonKind::kFrame:
                break;
            }
        }
        if (!IsWindowEnabled(control)) {
            line += " (disabled)";
        }
        for (size_t tab = line.find('\t'); tab != line.npos; tab = line.find('\t', tab)) {
            line.replace(tab, 1, "\\t");
        }
        lines.append(lines.empty() ? "" : "\n").append(line);
    }
    return lines;
}

bool IsBackdrop(HWND window) {
    return TitleOf(window) == kSetupTitle && IsZoomed(window);
}

// The visible setup dialog window: the "SETUP" window that is not the backdrop.
HWND AwaitSetupDialog() {
    return AwaitWindow("the setup dialog window", [](HWND window) {
        return TitleOf(window) == kSetupTitle && !IsZoomed(window) && Button(window, "Weiter")
                   ? window
                   : nullptr;
    });
}

HWND AwaitButton(HWND window, const std::string& caption, const std::string& where) {
    HWND button = nullptr;
    Await("the button " + Quoted(caption) + " in " + where,
          [&] { return (button = Button(window, caption)) != nullptr; });
    return button;
}

} // namespace

// setup-dialog  | how its controls read (see ControlLines), all of them, in order
void CheckSetupDialog(const Step& step) {
    HWND dialog = AwaitSetupDialog();
    std::string what;
    Await(what, [&] {
        const std::string seen = ControlLines(dialog);
        what = "the setup dialog to read:\n" + step.text + "\nlast seen:\n" + seen;
        return seen == step.text;
    });
    ShootIfAsked(dialog);
}

// blocked  | the message that replaces the options; "Weiter" stays disabled
void CheckBlocked(const Step& step) {
    HWND dialog = AwaitSetupDialog();
    std::string what;
    Await(what, [&] {
        const std::vector<std::string> texts = StaticTexts(dialog);
        const bool shown = std::ranges::count(texts, step.text) != 0;
        const std::vector<HWND> controls = ProductWindows(dialog);
        const bool optionsHidden = std::ranges::none_of(controls, [](HWND control) {
            return IsButton(control) && KindOf(control) != ButtonKind::kPush &&
                   KindOf(control) != ButtonKind::kFrame;
        });
        HWND next = Button(dialog, "Weiter");
        const bool nextDisabled = next != nullptr && !IsWindowEnabled(next);
        what = "the setup dialog to be blocked with the message:\n" + step.text + "\nit shows " +
               (shown ? "that message" : "no such message") + ", " +
               (optionsHidden ? "no options" : "options") + ", \"Weiter\" " +
               (nextDisabled ? "disabled" : "missing or enabled") + "; its texts:\n" +
               ControlLines(dialog);
        return shown && optionsHidden && nextDisabled;
    });
    ShootIfAsked(dialog);
}

// option <caption>: selects the enabled option with that caption
void SelectOption(const Step& step) {
    HWND dialog = AwaitSetupDialog();
    HWND option = AwaitButton(dialog, step.args, "the setup dialog");
    if (KindOf(option) != ButtonKind::kOption || !IsWindowEnabled(option)) {
        Fail(Quoted(step.args) + " is not an option that can be selected");
    }
    PostMessageA(option, BM_CLICK, 0, 0);
    Await("the option " + Quoted(step.args) + " to be selected after the click",
          [&] { return IsChecked(option); });
}

// weiter: "Weiter" becomes usable (an option is selected) and closes the setup dialog
void PressWeiter(const Step&) {
    HWND dialog = AwaitSetupDialog();
    HWND next = AwaitButton(dialog, "Weiter", "the setup dialog");
    Await("\"Weiter\" to be enabled", [&] { return IsWindowEnabled(next); });
    PressAndAwaitClose(next, dialog, "the setup dialog");
}

// abbruch: the setup dialog's "Abbruch"
void PressAbbruch(const Step&) {
    HWND dialog = AwaitSetupDialog();
    PressAndAwaitClose(AwaitButton(dialog, "Abbruch", "the setup dialog"), dialog,
                       "the setup dialog");
}

// agreement accept|cancel  | the text of its read-only editor
void AnswerAgreement(const Step& step) {
    if (step.args != "accept" && step.args != "cancel") {
        Fail("agreement needs \"accept\" or \"cancel\"");
    }
    HWND window = AwaitWindow(Quoted(kAgreementTitle), [](HWND candidate) {
        return TitleOf(candidate) == kAgreementTitle ? candidate : nullptr;
    });
    HWND editor = nullptr;
    std::string what;
    Await(what, [&] {
        editor = RichEditIn(window);
        const std::string seen = editor != nullptr ? ControlText(editor) : "(no editor)";
        what = "the agreement text:\n" + step.text + "\nlast seen:\n" + seen;
        return seen == step.text;
    });
    if ((GetWindowLongA(editor, GWL_STYLE) & ES_READONLY) == 0) {
        Fail("the agreement editor is not read-only");
    }
    HWND accept = AwaitButton(window, "Akzeptieren", Quoted(kAgreementTitle));
    HWND cancel = AwaitButton(window, "Abbruch", Quoted(kAgreementTitle));
    ShootIfAsked(window);
    PressAndAwaitClose(step.args == "accept" ? accept : cancel, window, Quoted(kAgreementTitle));
}

// typing <line>: the backdrop shows the line partly typed
void AwaitTyping(const Step& step) {
    std::string typed;
    HWND backdrop = AwaitWindow("the backdrop typing " + Quoted(step.args), [&](HWND window) {
        if (!IsBackdrop(window)) {
            return static_cast<HWND>(nullptr);
        }
        for (const std::string& text : StaticTexts(window)) {
            if (text == step.args) {
                Fail("the welcome line was complete before the driver saw it typed");
            }
            if (step.args.starts_with(text)) {
                typed = text;
                return window;
            }
        }
        return static_cast<HWND>(nullptr);
    });
    Say("  typed so far: " + Quoted(typed));
    ShootIfAsked(backdrop);
}

// close-backdrop: the backdrop's close box
void CloseBackdrop(const Step&) {
    HWND backdrop = AwaitWindow("the backdrop",
                                [](HWND window) { return IsBackdrop(window) ? window : nullptr; });
    PostMessageA(backdrop, WM_CLOSE, 0, 0);
    Await("closing of the backdrop", [&] { return !IsWindowVisible(backdrop); });
}

// no-window <title>: no window of that title shows now
void CheckNoWindow(const Step& step) {
    for (HWND window : ProductWindows()) {
        if (TitleOf(window) == step.args) {
            Fail("a window " + Quoted(step.args) + " shows");
        }
    }
}
