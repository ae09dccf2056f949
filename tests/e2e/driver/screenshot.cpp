// Saves what the screen shows as a Windows bitmap file, for the demo's walk-through.
#include "tests/e2e/driver/driver.h"

#include "runtime/system/owned_handle.h"

#include <fstream>

bool SaveScreenshot(const std::string& path) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
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
        BitBlt(memory.Get(), 0, 0, width, height, screen.Get().dc, 0, 0, SRCCOPY);
    }
    constexpr DWORD kHeaderBytes = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    BITMAPFILEHEADER file{0x4D42, kHeaderBytes + info.biSizeImage, 0, 0, kHeaderBytes}; // "BM"
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(static_cast<const char*>(pixels), info.biSizeImage);
    return static_cast<bool>(out);
}
