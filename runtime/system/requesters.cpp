#include "runtime/system/requesters.h"

#include "runtime/system/modal_owner.h"
#include "runtime/system/shell.h"

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

namespace {

using BrowseForFolderFn = PIDLIST_ABSOLUTE(WINAPI*)(LPBROWSEINFOA);
using PathFromIdListFn = BOOL(WINAPI*)(PCIDLIST_ABSOLUTE, LPSTR);

constexpr UINT kNewDialogStyle = 0x40; // BIF_NEWDIALOGSTYLE: resizable, with edit field

void InitialiseComponentServicesOnce() {
    static const HRESULT initialised = CoInitialize(nullptr);
    (void)initialised;
}

// The initial selection of the folder browser. The browser can select a path only once its
// tree exists; Wine's browser now and then misses a folder on the first attempt, so the path is
// set again a few times until the browser reports it selected.
struct InitialSelection {
    const char* path = nullptr;
    PathFromIdListFn pathFromIdList = nullptr;
    bool reached = false;
    int attemptsLeft = 8;
};

constexpr UINT_PTR kReselectTimer = 0x5157;
InitialSelection g_initialSelection;

void CALLBACK ReselectInitialPath(HWND browser, UINT, UINT_PTR timer, DWORD) {
    if (g_initialSelection.reached || g_initialSelection.attemptsLeft-- <= 0) {
        KillTimer(browser, timer);
        return;
    }
    SendMessageA(browser, BFFM_SETSELECTIONA, TRUE,
                 reinterpret_cast<LPARAM>(g_initialSelection.path));
}

int CALLBACK SelectInitialPath(HWND browser, UINT message, LPARAM item, LPARAM) {
    InitialSelection& wanted = g_initialSelection;
    if (wanted.path == nullptr) {
        return 0;
    }
    if (message == BFFM_INITIALIZED) {
        SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(wanted.path));
        SetTimer(browser, kReselectTimer, 150, ReselectInitialPath);
    } else if (message == BFFM_SELCHANGED && !wanted.reached) {
        char selected[MAX_PATH + 1] = {};
        wanted.reached =
            wanted.pathFromIdList(reinterpret_cast<PCIDLIST_ABSOLUTE>(item), selected) &&
            lstrcmpiA(selected, wanted.path) == 0;
    }
    return 0;
}

// A lone CR is this system's line break; the message box is given CR LF.
Text WithWindowsLineBreaks(const Text& text) {
    Text out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) {
            out += '\n';
        }
    }
    return out;
}

} // namespace

Text ChooseDirectory(const Text& title, const Text& initialPath) {
    InitialiseComponentServicesOnce();
    const auto browse = ShellProc<BrowseForFolderFn>("SHBrowseForFolderA");
    const auto pathFromIdList = ShellProc<PathFromIdListFn>("SHGetPathFromIDListA");
    if (browse == nullptr || pathFromIdList == nullptr) {
        return "";
    }

    Text selection = initialPath;
    if (selection.size() > 3 && selection.back() == '\\') {
        selection.pop_back(); // "C:\" keeps its backslash
    }
    char displayName[MAX_PATH] = {};
    BROWSEINFOA info = {};
    info.hwndOwner = ModalOwner();
    info.pszDisplayName = displayName;
    info.lpszTitle = title.c_str();
    info.ulFlags = kNewDialogStyle;
    info.lpfn = SelectInitialPath;
    g_initialSelection = {selection.empty() ? nullptr : selection.c_str(), pathFromIdList};

    PIDLIST_ABSOLUTE chosen = nullptr;
    {
        const ThreadWindowsDisabled disabled(info.hwndOwner);
        chosen = browse(&info);
    }
    g_initialSelection = {};
    if (chosen == nullptr) {
        return "";
    }
    // The display name is not a path (and differs between systems); ask for the path itself.
    char path[MAX_PATH + 1] = {};
    if (!pathFromIdList(chosen, path)) {
        path[0] = '\0';
    }
    CoTaskMemFree(chosen);

    Text result(path);
    if (result.empty()) {
        return ""; // a virtual folder such as the computer or the network
    }
    if (result.back() != '\\') {
        result += '\\';
    }
    return result;
}

void ShowMessage(const Text& title, const Text& text) {
    const HWND owner = ModalOwner();
    const ThreadWindowsDisabled disabled(owner);
    MessageBoxA(owner, WithWindowsLineBreaks(text).c_str(), title.c_str(), MB_OK);
}

void Pause(int32_t milliseconds) {
    if (milliseconds > 0) {
        Sleep(static_cast<DWORD>(milliseconds));
    }
}
