// The end-to-end driver plays the installer's user from outside, as installer-automation tools
// do: it reads texts through messages below WM_USER (whose data Windows copies between
// processes), posts its clicks, and gives every wait a time-out.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// Prints a Windows-1252 line as UTF-8.
void Say(const std::string& text);
std::string Recode(const std::string& text, UINT from, UINT to);

void StartProduct(const std::string& program);
// The exit code once the product has ended within the wait.
std::optional<DWORD> ProductExitCode(DWORD waitMs = 0);
// Says why the run failed and what the product shows, then ends the product and the driver.
[[noreturn]] void Fail(const std::string& why);

// The product's visible top-level windows, or those below the parent at any depth.
std::vector<HWND> ProductWindows(HWND parent = nullptr);
// The first window below the parent, at any depth, with that id, or of that class if given.
HWND Child(HWND parent, int id, const std::string& className = "");
std::string ClassOf(HWND window);
std::string TitleOf(HWND window);
// The control's text with LF line ends; "" when it does not answer in time.
std::string ControlText(HWND control);
// The non-empty texts of the static controls (a message box's text is one of them).
std::vector<std::string> StaticTexts(HWND dialog);
// The label of the selected item of one of the product's tree views.
std::string SelectedTreeText(HWND tree);

bool SaveScreenshot(const std::string& path);
