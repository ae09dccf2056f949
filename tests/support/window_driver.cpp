#include "support/window_driver.h"

#include <commctrl.h>

#include <cstdio>

namespace driver {

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) {
            return false;
        }
        Sleep(20);
    }
    return true;
}

HWND FindOwnWindow(const std::string& className, const std::string& title) {
    const char* wantedClass = className.empty() ? nullptr : className.c_str();
    const char* wantedTitle = title.empty() ? nullptr : title.c_str();
    for (HWND window = FindWindowExA(nullptr, nullptr, wantedClass, wantedTitle); window != nullptr;
         window = FindWindowExA(nullptr, window, wantedClass, wantedTitle)) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == GetCurrentProcessId() && IsWindowVisible(window)) {
            return window;
        }
    }
    return nullptr;
}

HWND WaitForWindow(const std::string& className, const std::string& title, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindOwnWindow(className, title)) != nullptr; }, timeoutMs);
    return found;
}

HWND WaitForControl(HWND parent, int id, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = GetDlgItem(parent, id)) != nullptr; }, timeoutMs);
    return found;
}

namespace {

struct DescendantSearch {
    std::string className;
    std::string text;
    HWND found = nullptr;
};

BOOL CALLBACK MatchDescendant(HWND control, LPARAM context) {
    auto* search = reinterpret_cast<DescendantSearch*>(context);
    char className[64] = {};
    GetClassNameA(control, className, sizeof className);
    if (lstrcmpiA(className, search->className.c_str()) == 0 &&
        (search->text.empty() || WindowText(control) == search->text)) {
        search->found = control;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectStaticText(HWND control, LPARAM context) {
    char className[64] = {};
    GetClassNameA(control, className, sizeof className);
    if (lstrcmpiA(className, "Static") == 0) {
        auto* joined = reinterpret_cast<std::string*>(context);
        const std::string text = WindowText(control);
        if (!text.empty()) {
            *joined += (joined->empty() ? "" : "\n") + text;
        }
    }
    return TRUE;
}

} // namespace

HWND FindDescendant(HWND parent, const std::string& className, const std::string& text) {
    DescendantSearch search{className, text};
    EnumChildWindows(parent, MatchDescendant, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForWindowHolding(const std::string& title, const std::string& className,
                          const std::string& text, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND window = FindWindowExA(nullptr, nullptr, nullptr, title.c_str());
                 window != nullptr;
                 window = FindWindowExA(nullptr, window, nullptr, title.c_str())) {
                DWORD process = 0;
                GetWindowThreadProcessId(window, &process);
                if (process == GetCurrentProcessId() && IsWindowVisible(window) &&
                    FindDescendant(window, className, text) != nullptr) {
                    found = window;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return found;
}

std::string DescendantStaticTexts(HWND window) {
    std::string joined;
    EnumChildWindows(window, CollectStaticText, reinterpret_cast<LPARAM>(&joined));
    return joined;
}

std::string WindowText(HWND window) {
    const LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    // Rich edit counts CR as CR LF, and a buffer that is too small yields nothing: leave room.
    std::string text(static_cast<size_t>(length) * 2 + 16, '\0');
    const LRESULT copied =
        SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

std::string StaticTexts(HWND dialog) {
    std::string joined;
    for (HWND label = FindWindowExA(dialog, nullptr, "Static", nullptr); label != nullptr;
         label = FindWindowExA(dialog, label, "Static", nullptr)) {
        const std::string text = WindowText(label);
        if (!text.empty()) {
            joined += (joined.empty() ? "" : "\n") + text;
        }
    }
    return joined;
}

void PostClick(HWND button) {
    PostMessageA(button, BM_CLICK, 0, 0);
}

bool PressButton(HWND dialog, int id) {
    HWND button = WaitForControl(dialog, id, 5000);
    if (button == nullptr) {
        return false;
    }
    PostClick(button);
    return true;
}

std::string SelectedTreeText(HWND dialog) {
    HWND tree = FindWindowExA(dialog, nullptr, WC_TREEVIEWA, nullptr);
    for (HWND child = GetWindow(dialog, GW_CHILD); tree == nullptr && child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        tree = FindWindowExA(child, nullptr, WC_TREEVIEWA, nullptr);
    }
    char text[MAX_PATH] = {};
    TVITEMA item = {};
    item.mask = TVIF_TEXT;
    item.hItem = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    item.pszText = text;
    item.cchTextMax = MAX_PATH;
    if (tree == nullptr || item.hItem == nullptr ||
        !SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) {
        return "";
    }
    return text;
}

HWND Require(HWND window, const char* what) {
    if (window == nullptr) {
        std::fprintf(stderr, "window driver: no %s\n", what);
        std::fflush(stderr);
        TerminateProcess(GetCurrentProcess(), 3);
    }
    return window;
}

std::string NormaliseLineEnds(const std::string& text) {
    std::string result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            result += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            result += text[i];
        }
    }
    return result;
}

} // namespace driver
