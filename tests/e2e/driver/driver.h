// The end-to-end driver plays the installer's user from outside, as installer-automation tools
// do: it reads texts through messages below WM_USER (whose data Windows copies between
// processes), posts its clicks, and gives every wait a time-out.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

// One scenario line ("chooser ok PureBasic") with the "|" lines after it.
struct Step {
    std::string keyword;
    std::string args; // the rest of the line
    std::string text; // the "|" lines, joined with "\n"
    int textLines = 0;
};

// Prints a Windows-1252 line as UTF-8.
void Say(const std::string& text);
std::string Recode(const std::string& text, UINT from, UINT to);
std::string Quoted(const std::string& text);

void StartProduct(const std::string& program);
// The exit code once the product has ended within the wait.
std::optional<DWORD> ProductExitCode(DWORD waitMs = 0);
// Says why the run failed and what the product shows, then ends the product and the driver.
[[noreturn]] void Fail(const std::string& why);

// Polls until ready() holds; fails when the product ends first or the time runs out. `what` is
// read only then, so ready() may keep it up to date with what it saw.
void Await(const std::string& what, const std::function<bool()>& ready);
// Awaits a visible window of the product, or a control in one, that pick() returns.
HWND AwaitWindow(const std::string& what, const std::function<HWND(HWND)>& pick);
// Posts a click on the button and awaits the window's disappearance.
void PressAndAwaitClose(HWND button, HWND window, const std::string& what);

// The product's visible top-level windows, or those below the parent at any depth.
std::vector<HWND> ProductWindows(HWND parent = nullptr);
// The first window below the parent, at any depth, with that id, or of that class if given.
HWND Child(HWND parent, int id, const std::string& className = "");
// The first visible rich-edit field below the parent, or null.
HWND RichEditIn(HWND parent);
std::string ClassOf(HWND window);
std::string TitleOf(HWND window);
// The control's text with LF line ends; "" when it does not answer in time.
std::string ControlText(HWND control);
// The non-empty texts of the static controls (a message box's text is one of them).
std::vector<std::string> StaticTexts(HWND dialog);
// The label of the selected item of one of the product's tree views.
std::string SelectedTreeText(HWND tree);

// A "screenshot" step names the file; the next step that finds its window takes the shot of
// that window (of the whole screen for a maximised one) once the window is painted.
void AskForScreenshot(const std::string& path);
bool ScreenshotAsked();
void ShootIfAsked(HWND window);

// Steps through the setup front end (front_end.cpp).
void CheckSetupDialog(const Step& step);
void SelectOption(const Step& step);
void PressWeiter(const Step& step);
void PressAbbruch(const Step& step);
void AnswerAgreement(const Step& step);
void CheckBlocked(const Step& step);
void AwaitTyping(const Step& step);
void CloseBackdrop(const Step& step);
void CheckNoWindow(const Step& step);
