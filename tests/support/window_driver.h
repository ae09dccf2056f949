// Drives this process's own windows from a second thread, the way a user would: waits for a
// window or control with a time-out, reads texts, presses buttons.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace driver {

constexpr DWORD kDefaultTimeoutMs = 15000;

// Polls until the condition holds; false after the time-out.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kDefaultTimeoutMs);

// A visible top-level window of this process with that class ("" for any) and title ("" for
// any); nullptr after the time-out.
HWND WaitForWindow(const std::string& className, const std::string& title,
                   DWORD timeoutMs = kDefaultTimeoutMs);
// A top-level window of this process with that class, found at this moment.
HWND FindOwnWindow(const std::string& className, const std::string& title);

HWND WaitForControl(HWND parent, int id, DWORD timeoutMs = kDefaultTimeoutMs);

// A control at any depth below `parent` with that class and text ("" for any text).
HWND FindDescendant(HWND parent, const std::string& className, const std::string& text);
// A visible top-level window of this process titled `title` that holds a control of that class
// and text; several windows may share a title (the setup backdrop and dialog both read "SETUP").
HWND WaitForWindowHolding(const std::string& title, const std::string& className,
                          const std::string& text, DWORD timeoutMs = kDefaultTimeoutMs);
// The texts of the static controls at any depth below `window`, in creation order, joined with
// "\n".
std::string DescendantStaticTexts(HWND window);

std::string WindowText(HWND window);
// The texts of the static children, joined with "\n" (message box bodies).
std::string StaticTexts(HWND dialog);

// Posts a click, so the window's thread sees it from its message wait.
void PostClick(HWND button);
bool PressButton(HWND dialog, int id);

// The text of the selected item of the first tree view inside the dialog ("" when none).
std::string SelectedTreeText(HWND dialog);

// Ends the process when the window is missing: a driver that cannot find what it waits for
// must fail the test at once instead of leaving the program under test blocked.
HWND Require(HWND window, const char* what);

// CR LF and lone CR become LF.
std::string NormaliseLineEnds(const std::string& text);

} // namespace driver
