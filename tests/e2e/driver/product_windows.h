// Finding and reading the windows of another process, the way installer-automation tools do:
// only messages below WM_USER (whose data Windows copies between processes) are used to read,
// and clicks are posted.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// Visible top-level windows that belong to the process.
std::vector<HWND> VisibleWindowsOf(DWORD processId);
// Every child window below the parent, at any depth.
std::vector<HWND> DescendantsOf(HWND parent);

std::wstring ClassOf(HWND window);
std::wstring TitleOf(HWND window);
// The control's text via WM_GETTEXTLENGTH and WM_GETTEXT; nothing when the owning thread does
// not answer within the time (it may be busy between two steps of its own).
std::optional<std::wstring> ControlText(HWND control, DWORD timeoutMs);

HWND DescendantWithId(HWND parent, int id);
bool HasDescendantOfClass(HWND parent, const wchar_t* className);
// The non-empty texts of the static controls (a message box's text is one of them).
std::vector<std::wstring> StaticTexts(HWND dialog);

// CR LF and lone CR become LF, so texts compare whatever line ends the control returns.
std::wstring WithLfLineEnds(const std::wstring& text);
// One line per visible window of the process, with class, title and static texts.
std::wstring DescribeWindowsOf(DWORD processId);
