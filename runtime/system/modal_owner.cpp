#include "runtime/system/modal_owner.h"

namespace {

struct Collect {
    HWND owner;
    std::vector<HWND>* windows;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
    auto* collect = reinterpret_cast<Collect*>(param);
    if (window != collect->owner && IsWindowVisible(window) && IsWindowEnabled(window)) {
        collect->windows->push_back(window);
    }
    return TRUE;
}

} // namespace

HWND ModalOwner() {
    HWND foreground = GetForegroundWindow();
    if (foreground == nullptr) {
        return nullptr;
    }
    DWORD process = 0;
    GetWindowThreadProcessId(foreground, &process);
    return process == GetCurrentProcessId() ? foreground : nullptr;
}

ThreadWindowsDisabled::ThreadWindowsDisabled(HWND owner) {
    Collect collect{owner, &disabled_};
    EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&collect));
    for (HWND window : disabled_) {
        EnableWindow(window, FALSE);
    }
}

ThreadWindowsDisabled::~ThreadWindowsDisabled() {
    for (HWND window : disabled_) {
        if (IsWindow(window)) {
            EnableWindow(window, TRUE);
        }
    }
}
