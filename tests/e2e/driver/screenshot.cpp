// Screenshots for the demo's walk-through, saved as Windows bitmap files.
#include "tests/e2e/driver/driver.h"

#include "runtime/system/owned_handle.h"

#include <algorithm>
#include <fstream>

namespace {

std::string gAskedPath; // empty: no screenshot asked for

// Saves that part of the screen as a bitmap file.
bool SaveScreenArea(const std::string& path, const RECT& area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    // Bottom-up rows of 32-bit pixels, as bitmap files store them.
    BITMAPINFOHEADER info{
        sizeof info, width, height, 1, 32, BI_RGB, static_cast<DWORD>(width * height * 4)};
    void* pixels = nullptr;
    const OwnedWindowDc screen = TakeWindowDc(nullptr);
    OwnedMemoryDc memory(CreateCompatibleDC(screen.Get().dc));
    OwnedGdiObject bitmap(CreateDIBSection(screen.Get().dc, reinterpret_cast<BITMAPINFO*>(&info),
                                           DIB_RGB_COLORS, &pixels, nullptr, 0));
    if (!memory || !bitmap) {
        return false;
    }
    {
        const DcSelection selected = SelectInto(memory.Get(), bitmap.Get());
        BitBlt(memory.Get(), 0, 0, width, height, screen.Get().dc, area.left, area.top, SRCCOPY);
    }
    constexpr DWORD kHeaderBytes = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    BITMAPFILEHEADER file{0x4D42, kHeaderBytes + info.biSizeImage, 0, 0, kHeaderBytes}; // "BM"
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(static_cast<const char*>(pixels), info.biSizeImage);
    return static_cast<bool>(out);
}

bool WaitsForPaint(HWND window) {
    return GetUpdateRect(window, nullptr, FALSE) != 0;
}

// The window with a margin of the backdrop around it, or the whole screen for a maximised one.
RECT ShotArea(HWND window) {
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT area = screen;
    if (!IsZoomed(window) && GetWindowRect(window, &area)) {
        constexpr LONG kMargin = 16;
        area = {std::max(area.left - kMargin, screen.left),
                std::max(area.top - kMargin, screen.top),
                std::min(area.right + kMargin, screen.right),
                std::min(area.bottom + kMargin, screen.bottom)};
    }
    return area;
}

} // namespace

void AskForScreenshot(const std::string& path) {
    gAskedPath = path;
}

bool ScreenshotAsked() {
    return !gAskedPath.empty();
}

void ShootIfAsked(HWND window) {
    if (gAskedPath.empty()) {
        return;
    }
    // Everything is painted anew, and the shot waits until the product has done so: a window
    // that has just appeared may still be filling its controls.
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    Await("the window " + Quoted(TitleOf(window)) + " to repaint itself", [&] {
        return !WaitsForPaint(window) &&
               std::ranges::none_of(ProductWindows(window), WaitsForPaint);
    });
    Sleep(300); // Wine hands what a window painted to the X server a moment later
    if (!SaveScreenArea(gAskedPath, ShotArea(window))) {
        Fail("cannot save the screenshot " + Quoted(gAskedPath));
    }
    Say("  screenshot " + gAskedPath);
    gAskedPath.clear();
}
