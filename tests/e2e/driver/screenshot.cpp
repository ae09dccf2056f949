#include "tests/e2e/driver/screenshot.h"

#include <algorithm>
#include <fstream>

namespace {

// Saves that part of the screen as a bitmap file.
bool SaveScreenArea(const std::string& path, const RECT& area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    // Bottom-up rows of 32-bit pixels, as bitmap files store them.
    BITMAPINFOHEADER info{
        sizeof info, width, height, 1, 32, BI_RGB, static_cast<DWORD>(width * height * 4),
        0,           0,     0,      0};
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

} // namespace

bool SaveScreenshot(const driver::Driver& user, const std::string& path) {
    HWND window = user.Window();
    // Everything is painted anew before the shot, once the product has done so: a window that
    // has just appeared may still be filling its controls.
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Sleep(300); // Wine hands what a window painted to the X server a moment later
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT area = screen;
    if (!IsZoomed(window) && GetWindowRect(window, &area)) {
        constexpr LONG kMargin = 16;
        area = {std::max(area.left - kMargin, screen.left),
                std::max(area.top - kMargin, screen.top),
                std::min(area.right + kMargin, screen.right),
                std::min(area.bottom + kMargin, screen.bottom)};
    }
    return SaveScreenArea(path, area);
}
