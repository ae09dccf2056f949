#include "runtime/ui/app_windows.h"

#include "runtime/ui/focus_keys.h"
#include "runtime/ui/gadget_table.h"
#include "runtime/ui/window_messages.h"
#include "runtime/ui/window_table.h"

#include <string>

namespace {

WindowCallback g_globalCallback = nullptr;
HICON g_classIcon = nullptr;
HCURSOR g_classCursor = nullptr;
unsigned g_classCounter = 0;

LRESULT CALLBACK AppWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        const auto number =
            static_cast<int32_t>(reinterpret_cast<intptr_t>(create->lpCreateParams));
        if (AppWindow* window = AppWindowTable().Find(number);
            window != nullptr && !window->handle) {
            window->handle.Reset(hwnd);
        }
    }
    if (message == WM_NCDESTROY) {
        // Windows deletes a class's background brush together with the class. A brush that a
        // caller made the background (the setup's gradient) stays the caller's to delete.
        SetClassLongPtrA(hwnd, GCLP_HBRBACKGROUND, static_cast<LONG_PTR>(COLOR_BTNFACE + 1));
    }
    const int32_t number = AppWindowNumberOf(hwnd);
    if (number < 0) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    AppWindow* window = AppWindowTable().Find(number);
    if (message == WM_NCDESTROY) {
        window->handle.Release();
        window->destroyed = true;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    WindowCallback callback = window->callback ? window->callback : g_globalCallback;
    if (callback != nullptr) {
        const LRESULT result = callback(hwnd, message, wParam, lParam);
        if (result != kProcessNormally) {
            return result;
        }
    }
    return HandleAppWindowMessage(number, hwnd, message, wParam, lParam);
}

OwnedWindowClass RegisterOwnClass(const std::string& name) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = AppWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hIcon = g_classIcon;
    windowClass.hCursor = g_classCursor;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = name.c_str();
    return OwnedWindowClass(RegisterClassExA(&windowClass));
}

// Closing or hiding a window hands the activation back to its owner.
void ActivateOwner(const AppWindow& window) {
    if (window.owner != nullptr && IsWindow(window.owner)) {
        SetActiveWindow(window.owner);
    }
}

WindowRectangle CentredOnScreen(int32_t outerWidth, int32_t outerHeight) {
    return CentreOnScreen(outerWidth, outerHeight, GetSystemMetrics(SM_CXSCREEN),
                          GetSystemMetrics(SM_CYSCREEN));
}

WindowRectangle RectangleOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

} // namespace

void LoadWindowClassResources() {
    if (g_classCursor == nullptr) {
        g_classIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
        g_classCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    }
}

int32_t CreateAppWindow(int32_t number, int32_t x, int32_t y, int32_t innerWidth,
                        int32_t innerHeight, const Text& title, int32_t flags, HWND owner) {
    LoadWindowClassResources();
    const WindowStyleChoice choice = WindowStyleFromFlags(flags);
    RECT outer{0, 0, innerWidth, innerHeight};
    AdjustWindowRect(&outer, choice.style, FALSE);
    WindowRectangle placed{x, y, outer.right - outer.left, outer.bottom - outer.top};
    if (choice.centreOnScreen) {
        placed = CentredOnScreen(placed.width, placed.height);
    } else if (choice.centreOnOwner) {
        HWND around = owner != nullptr ? owner : GetActiveWindow();
        placed = around != nullptr
                     ? CentreOnWindow(placed.width, placed.height, RectangleOf(around))
                     : CentredOnScreen(placed.width, placed.height);
    }
    if (owner != nullptr && !IsWindow(owner)) {
        owner = nullptr;
    }

    const int32_t claimed = AppWindowTable().Claim(number);
    if (claimed < 0) {
        return 0;
    }
    PurgeDestroyedGadgets();
    const std::string className =
        "QuorrelWindow" + IntToText(static_cast<int32_t>(++g_classCounter));
    OwnedWindowClass windowClass = RegisterOwnClass(className);
    if (!windowClass) {
        return 0;
    }
    AppWindowTable().Store(claimed, AppWindow{std::move(windowClass), OwnedWindow(), owner});
    HWND handle =
        CreateWindowExA(0, className.c_str(), title.c_str(), choice.style, placed.x, placed.y,
                        placed.width, placed.height, owner, nullptr, GetModuleHandleA(nullptr),
                        reinterpret_cast<void*>(static_cast<intptr_t>(claimed)));
    AppWindow* window = AppWindowTable().Find(claimed);
    if (handle == nullptr || window == nullptr || window->handle.Get() != handle) {
        AppWindowTable().Remove(claimed);
        return 0;
    }
    if (!choice.invisible) {
        ShowWindow(handle, choice.maximised ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    }
    PrepareWindowAccelerators();
    return CreateResult(number, claimed, handle);
}

void DestroyAppWindow(int32_t number) {
    AppWindow* window = FindLiveAppWindow(number);
    if (window == nullptr) {
        return;
    }
    ActivateOwner(*window);
    AppWindowTable().Remove(number);
    PurgeDestroyedGadgets();
}

HWND AppWindowHandle(int32_t number) {
    AppWindow* window = FindLiveAppWindow(number);
    return window != nullptr ? window->handle.Get() : nullptr;
}

int32_t AppWindowExists(int32_t number) {
    return FindLiveAppWindow(number) != nullptr ? 1 : 0;
}

int32_t SetAppWindowHidden(int32_t number, int32_t flag) {
    AppWindow* window = FindLiveAppWindow(number);
    if (window == nullptr) {
        return 0;
    }
    HWND handle = window->handle.Get();
    if (flag == 1) {
        ActivateOwner(*window);
        ShowWindow(handle, SW_HIDE);
    } else if (flag == 0) {
        ShowWindow(handle, IsZoomed(handle) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    }
    return 1;
}

int32_t SetAppWindowTopmost(int32_t number, int32_t flag) {
    HWND handle = AppWindowHandle(number);
    if (handle == nullptr) {
        return 0;
    }
    return SetWindowPos(handle, flag == 1 ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                        SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE) != 0
               ? 1
               : 0;
}

void SetAppWindowHook(WindowCallback callback, int32_t number) {
    if (number == -1) {
        g_globalCallback = callback;
    } else if (AppWindow* window = FindLiveAppWindow(number)) {
        window->callback = callback;
    }
}

int32_t AppWindowInnerWidth(int32_t number) {
    HWND handle = AppWindowHandle(number);
    RECT client{};
    if (handle == nullptr || !GetClientRect(handle, &client)) {
        return 0;
    }
    return client.right - client.left;
}

int32_t AppWindowInnerHeight(int32_t number) {
    HWND handle = AppWindowHandle(number);
    RECT client{};
    if (handle == nullptr || !GetClientRect(handle, &client)) {
        return 0;
    }
    const int32_t menuHeight = GetMenu(handle) != nullptr ? GetSystemMetrics(SM_CYMENU) : 0;
    return client.bottom - client.top + menuHeight;
}

void DestroyAllAppWindows() {
    AppWindowTable().Clear();
    PurgeDestroyedGadgets();
}
