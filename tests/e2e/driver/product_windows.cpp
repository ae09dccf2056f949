#include "tests/e2e/driver/product_windows.h"

namespace {

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

} // namespace

std::vector<HWND> VisibleWindowsOf(DWORD processId) {
    std::vector<HWND> all;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&all));
    std::vector<HWND> found;
    for (HWND window : all) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window)) {
            found.push_back(window);
        }
    }
    return found;
}

std::vector<HWND> DescendantsOf(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&children));
    return children;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    int length = GetClassNameW(window, name, 256);
    return std::wstring(name, length > 0 ? length : 0);
}

std::wstring TitleOf(HWND window) {
    // For a window of another process GetWindowText reads the stored caption without
    // sending a message, so a busy product cannot block it.
    int length = GetWindowTextLengthW(window);
    std::wstring title(length + 64, L'\0');
    int copied = GetWindowTextW(window, title.data(), static_cast<int>(title.size()));
    title.resize(copied > 0 ? copied : 0);
    return title;
}

std::optional<std::wstring> ControlText(HWND control, DWORD timeoutMs) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(control, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, timeoutMs, &length)) {
        return std::nullopt;
    }
    // The length may be counted in bytes of the control's own character set and the text can
    // grow meanwhile; a buffer that is too small makes WM_GETTEXT return nothing at all.
    std::wstring text(length * 2 + 256, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(control, WM_GETTEXT, text.size(),
                             reinterpret_cast<LPARAM>(text.data()), SMTO_NORMAL, timeoutMs,
                             &copied)) {
        return std::nullopt;
    }
    text.resize(wcsnlen(text.c_str(), text.size()));
    return text;
}

HWND DescendantWithId(HWND parent, int id) {
    for (HWND child : DescendantsOf(parent)) {
        if (GetDlgCtrlID(child) == id) {
            return child;
        }
    }
    return nullptr;
}

bool HasDescendantOfClass(HWND parent, const wchar_t* className) {
    for (HWND child : DescendantsOf(parent)) {
        if (_wcsicmp(ClassOf(child).c_str(), className) == 0) {
            return true;
        }
    }
    return false;
}

std::vector<std::wstring> StaticTexts(HWND dialog) {
    std::vector<std::wstring> texts;
    for (HWND child : DescendantsOf(dialog)) {
        if (_wcsicmp(ClassOf(child).c_str(), L"Static") != 0) {
            continue;
        }
        std::optional<std::wstring> text = ControlText(child, 1000);
        if (text && !text->empty()) {
            texts.push_back(*text);
        }
    }
    return texts;
}

std::wstring WithLfLineEnds(const std::wstring& text) {
    std::wstring result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r') {
            result += L'\n';
            if (i + 1 < text.size() && text[i + 1] == L'\n') {
                ++i;
            }
        } else {
            result += text[i];
        }
    }
    return result;
}

std::wstring DescribeWindowsOf(DWORD processId) {
    std::wstring description;
    for (HWND window : VisibleWindowsOf(processId)) {
        description +=
            L"  window class \"" + ClassOf(window) + L"\" title \"" + TitleOf(window) + L"\"";
        for (const std::wstring& text : StaticTexts(window)) {
            description += L"\n    static \"" + WithLfLineEnds(text) + L"\"";
        }
        description += L"\n";
    }
    return description.empty() ? L"  (no visible window)\n" : description;
}
