// The reference for start-up and memory: one window, one message loop, nothing else. With the
// argument "maximised" its window covers the screen, as the setup backdrop does.
#include <windows.h>

namespace {

LRESULT CALLBACK MinimalWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    const bool maximised = lstrcmpA(commandLine, "maximised") == 0;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = MinimalWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "QuorrelBenchMinimal";
    if (RegisterClassA(&windowClass) == 0) {
        return 1;
    }
    if (CreateWindowExA(0, windowClass.lpszClassName, "Minimal",
                        WS_OVERLAPPEDWINDOW | WS_VISIBLE | (maximised ? WS_MAXIMIZE : 0),
                        CW_USEDEFAULT, CW_USEDEFAULT, 480, 320, nullptr, nullptr, instance,
                        nullptr) == nullptr) {
        return 1;
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
