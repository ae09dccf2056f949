// The installer under test as a child process, and its windows read from outside.
#include "tests/e2e/driver/driver.h"

#include "runtime/system/owned_handle.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <regex>

namespace {

OwnedHandle gProduct;
DWORD gProductId = 0;

// Collects the product's visible windows; EnumWindows offers those of every process.
BOOL CALLBACK Collect(HWND window, LPARAM list) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == gProductId && IsWindowVisible(window)) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    }
    return TRUE;
}

} // namespace

void Say(const std::string& text) {
    fputs(Recode(text + "\n", 1252, CP_UTF8).c_str(), stdout);
    fflush(stdout);
}

std::string Recode(const std::string& text, UINT from, UINT to) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(MultiByteToWideChar(from, 0, text.data(), text.size(), wide.data(), wide.size()));
    std::string result(wide.size() * 4, '\0');
    result.resize(WideCharToMultiByte(to, 0, wide.data(), wide.size(), result.data(), result.size(),
                                      nullptr, nullptr));
    return result;
}

void StartProduct(const std::string& program) {
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup{.cb = sizeof startup};
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info)) {
        Fail("cannot start " + program + " (error " + std::to_string(GetLastError()) + ")");
    }
    OwnedHandle thread(info.hThread);
    gProduct.Reset(info.hProcess);
    gProductId = info.dwProcessId;
}

std::optional<DWORD> ProductExitCode(DWORD waitMs) {
    DWORD code = 0;
    const bool ended = WaitForSingleObject(gProduct.Get(), waitMs) == WAIT_OBJECT_0;
    return ended && GetExitCodeProcess(gProduct.Get(), &code) ? std::optional(code) : std::nullopt;
}

void Fail(const std::string& why) {
    std::string shown;
    for (HWND window : ProductWindows()) {
        shown += "  window \"" + TitleOf(window) + "\" (" + ClassOf(window) + ")\n";
        for (const std::string& text : StaticTexts(window)) {
            shown += "    static \"" + text + "\"\n";
        }
    }
    Say("FAILED: " + why + "\nThe setup shows:\n" + (shown.empty() ? "  no window\n" : shown));
    // A failed run leaves nothing behind that could block the next one.
    TerminateProcess(gProduct.Get(), 0xDEAD);
    WaitForSingleObject(gProduct.Get(), 5000);
    std::exit(1);
}

std::vector<HWND> ProductWindows(HWND parent) {
    std::vector<HWND> windows;
    const auto list = reinterpret_cast<LPARAM>(&windows);
    parent ? EnumChildWindows(parent, Collect, list) : EnumWindows(Collect, list);
    return windows;
}

HWND Child(HWND parent, int id, const std::string& className) {
    const std::vector<HWND> children = ProductWindows(parent);
    const auto found = std::ranges::find_if(children, [&](HWND child) {
        return className.empty() ? GetDlgCtrlID(child) == id : ClassOf(child) == className;
    });
    return found == children.end() ? nullptr : *found;
}

HWND RichEditIn(HWND parent) {
    const std::vector<HWND> children = ProductWindows(parent);
    const auto found = std::ranges::find_if(
        children, [](HWND child) { return _strnicmp(ClassOf(child).c_str(), "RichEdit", 8) == 0; });
    return found == children.end() ? nullptr : *found;
}

std::string ClassOf(HWND window) {
    char name[256];
    return std::string(name, GetClassNameA(window, name, sizeof name));
}

std::string TitleOf(HWND window) {
    // Reads the caption Windows keeps for another process's window, without a message that a
    // busy product could leave unanswered.
    char title[1024];
    return std::string(title, GetWindowTextA(window, title, sizeof title));
}

std::string ControlText(HWND control) {
    // Far more than any text of the setup: a buffer that is too small yields nothing at all.
    std::string text(65536, '\0');
    // A control busy between two steps of its own answers within 2 s; else the text stays empty.
    SendMessageTimeoutA(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_NORMAL, 2000, nullptr);
    return std::regex_replace(text.c_str(), std::regex("\r\n?"), "\n");
}

std::vector<std::string> StaticTexts(HWND dialog) {
    std::vector<std::string> texts;
    for (HWND child : ProductWindows(dialog)) {
        if (_stricmp(ClassOf(child).c_str(), "Static") == 0) {
            texts.push_back(ControlText(child));
        }
    }
    std::erase(texts, "");
    return texts;
}

std::string SelectedTreeText(HWND tree) {
    // Without an answer or a selected item the request below fails and the label stays empty.
    DWORD_PTR item = 0;
    SendMessageTimeoutA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0, SMTO_NORMAL, 2000, &item);
    // Tree-view messages carry pointers that Windows does not copy between processes, so the
    // item request must live in the product's memory.
    char label[520] = {};
    auto* remote = static_cast<char*>(VirtualAllocEx(
        gProduct.Get(), nullptr, sizeof(TVITEMA) + sizeof label, MEM_COMMIT, PAGE_READWRITE));
    if (remote == nullptr) {
        return "";
    }
    TVITEMA request{.mask = TVIF_TEXT,
                    .hItem = reinterpret_cast<HTREEITEM>(item),
                    .pszText = remote + sizeof(TVITEMA),
                    .cchTextMax = sizeof label - 1};
    const bool read =
        WriteProcessMemory(gProduct.Get(), remote, &request, sizeof request, nullptr) &&
        SendMessageTimeoutA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote), SMTO_NORMAL,
                            2000, nullptr) &&
        ReadProcessMemory(gProduct.Get(), request.pszText, label, sizeof label - 1, nullptr);
    VirtualFreeEx(gProduct.Get(), remote, 0, MEM_RELEASE);
    return read ? label : "";
}
