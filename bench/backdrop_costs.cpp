// What each piece of the setup costs in working set and time on this platform, taken one after
// the other in one process, in the order the setup makes them. First a small window like the
// minimal program's (it starts the window system, which every program pays); then the backdrop:
// the gradient's picture (one pixel wide, as tall as the screen: the bands do not change along
// their length), the pattern brush made from it and a maximised window painted with that brush
// (its time ends with the first paint); the setup dialog window. Last the system libraries the
// setup loads only on first use, after the dialog shows: the common controls with a tooltip
// window (the pointer first over a credit link), the shell and OLE (the folder chooser) and rich
// edit (the agreement). A window's bytes are taken after half a second of messages.
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
                static_cast<long long>(bytes) - static_cast<long long>(g_lastBytes), ms - g_lastMs);
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

ATOM RegisterPlainClass(const char* name, HBRUSH background) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    return RegisterClassA(&windowClass);
}

// Shown, painted once and given half a second of messages; the time ends with the first paint.
HWND ShowWindowOfClass(const char* className, DWORD style, int width, int height, HWND owner,
                       const char* part) {
    const double start = NowMs();
    HWND window = CreateWindowExA(0, className, "SETUP", style, 0, 0, width, height, owner, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    ShowWindow(window, (style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    UpdateWindow(window);
    const double painted = NowMs();
    g_lastMs = start;
    PumpFor(500);
    Note(part, painted);
    return window;
}

} // namespace

int main() {
    g_lastBytes = WorkingSet();
    g_lastMs = NowMs();
    RegisterPlainClass("QuorrelBenchFirst", reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    HWND first = ShowWindowOfClass("QuorrelBenchFirst", WS_OVERLAPPEDWINDOW, 480, 320, nullptr,
                                   "first_window");
    DestroyWindow(first);
    PumpFor(100);
    g_lastBytes = WorkingSet();
    g_lastMs = NowMs();

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

    RegisterPlainClass("QuorrelBenchBackdrop", pattern);
    HWND backdrop = ShowWindowOfClass("QuorrelBenchBackdrop", WS_CAPTION | WS_SYSMENU | WS_MAXIMIZE,
                                      100, 100, nullptr, "maximised_window");
    RegisterPlainClass("QuorrelBenchDialog", reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    RECT outer{0, 0, 482, 314};
    AdjustWindowRect(&outer, WS_CAPTION, FALSE);
    HWND dialog = ShowWindowOfClass("QuorrelBenchDialog", WS_CAPTION, outer.right - outer.left,
                                    outer.bottom - outer.top, backdrop, "dialog_window");

    LoadLibraryA("comctl32.dll");
    CreateWindowExA(WS_EX_TOPMOST, "tooltips_class32", nullptr, WS_POPUP, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, backdrop, nullptr,
                    GetModuleHandleA(nullptr), nullptr);
    Note("comctl32.dll");
    for (const char* library : {"shell32.dll", "ole32.dll", "riched20.dll"}) {
        LoadLibraryA(library);
        Note(library);
    }

    DestroyWindow(dialog);
    DestroyWindow(backdrop);
    DeleteDC(drawing);
    DeleteObject(gradient);
    ReleaseDC(nullptr, screen);
    return 0;
}
