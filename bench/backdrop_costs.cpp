// What each piece of the setup's start costs in working set and time on this platform, taken one
// after the other in a bare process: the system libraries the setup loads and the minimal program
// does not, the gradient's picture (one pixel wide, as tall as the screen: the bands do not change
// along their length), the pattern brush made from it, and a maximised window painted with that
// brush (its time ends with the first paint, its bytes are taken after half a second of
// messages).
// Prints one key=value line per piece: bytes added, milliseconds taken.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <initializer_list>

namespace {

SIZE_T WorkingSet() {
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    K32GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    return memory.WorkingSetSize;
}

double NowMs() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

SIZE_T g_lastBytes = 0;
double g_lastMs = 0;

void Note(const char* part, double ms = NowMs()) {
    const SIZE_T bytes = WorkingSet();
    std::printf("part name=%s added=%lld ms=%.1f\n", part,
                static_cast<long long>(bytes) - static_cast<long long>(g_lastBytes),
                ms - g_lastMs);
    g_lastBytes = bytes;
    g_lastMs = NowMs();
}

void PumpFor(DWORD ms) {
    const DWORD start = GetTickCount();
    MSG message;
    while (GetTickCount() - start < ms) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&message);
        }
        Sleep(5);
    }
}

} // namespace

int main() {
    g_lastBytes = WorkingSet();
    g_lastMs = NowMs();
    for (const char* library : {"comctl32.dll", "shell32.dll", "ole32.dll", "riched20.dll"}) {
        LoadLibraryA(library);
        Note(library);
    }

    const int height = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HBITMAP gradient = CreateCompatibleBitmap(screen, 1, height);
    HDC drawing = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(drawing, gradient);
    for (int band = 0; band < 255; ++band) {
        const RECT area{0, band * height / 255, 1, (band + 1) * height / 255};
        HBRUSH colour = CreateSolidBrush(RGB(255 - band, band, 0));
        FillRect(drawing, &area, colour);
        DeleteObject(colour);
    }
    SelectObject(drawing, old);
    Note("gradient_bitmap");
    HBRUSH pattern = CreatePatternBrush(gradient);
    Note("pattern_brush");

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = pattern;
    windowClass.lpszClassName = "QuorrelBenchMemoryParts";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, "SETUP",
                                  WS_OVERLAPPEDWINDOW | WS_MAXIMIZE, 0, 0, 100, 100, nullptr,
                                  nullptr, windowClass.hInstance, nullptr);
    ShowWindow(window, SW_SHOWMAXIMIZED);
    UpdateWindow(window);
    const double painted = NowMs();
    PumpFor(500);
    Note("maximised_window", painted);

    DestroyWindow(window);
    UnregisterClassA(windowClass.lpszClassName, windowClass.hInstance);
    DeleteDC(drawing);
    DeleteObject(gradient);
    ReleaseDC(nullptr, screen);
    return 0;
}
