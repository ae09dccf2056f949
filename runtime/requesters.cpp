#include "runtime/requesters.h"

#include "runtime/modal_owner.h"
#include "runtime/owned_handle.h"
#include "runtime/system_library.h"

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

namespace {

using BrowseForFolderFn = PIDLIST_ABSOLUTE(WINAPI*)(LPBROWSEINFOA);
using PathFromIdListFn = BOOL(WINAPI*)(PCIDLIST_ABSOLUTE, LPSTR);

constexpr UINT kNewDialogStyle = 0x40; // BIF_NEWDIALOGSTYLE: resizable, with edit field

template <typename Fn> Fn ProcOf(HMODULE module, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

void InitialiseComponentServicesOnce() {
    static const HRESULT initialised = CoInitialize(nullptr);
    (void)initialised;
}

// The browser can select a path only once its tree exists.
int CALLBACK SelectInitialPath(HWND browser, UINT message, LPARAM, LPARAM path) {
    if (message == BFFM_INITIALIZED && path != 0) {
        SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, path);
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
    OwnedModule shell(LoadSystemLibrary("SHELL32.DLL"));
    if (!shell) {
        return "";
    }
    const auto browse = ProcOf<BrowseForFolderFn>(shell.Get(), "SHBrowseForFolderA");
    const auto pathFromIdList = ProcOf<PathFromIdListFn>(shell.Get(), "SHGetPathFromIDListA");
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
    info.lParam = selection.empty() ? 0 : reinterpret_cast<LPARAM>(selection.c_str());

    PIDLIST_ABSOLUTE chosen = nullptr;
    {
        const ThreadWindowsDisabled disabled(info.hwndOwner);
        chosen = browse(&info);
    }
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
