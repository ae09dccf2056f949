#include "runtime/ui/displays.h"

#include "runtime/system/owned_handle.h"

#include <windows.h>

#include <algorithm>

namespace {

// More displays than one desktop ever shows; any beyond them are not counted.
constexpr int32_t kMostDisplays = 32;

struct DisplayWidths {
    int32_t widths[kMostDisplays];
    int32_t count = 0;
};

BOOL CALLBACK CollectMonitorWidth(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    auto& displays = *reinterpret_cast<DisplayWidths*>(data);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoA(monitor, &info)) {
        const int32_t width = info.rcMonitor.right - info.rcMonitor.left;
        int32_t* widths = displays.widths;
        if (info.dwFlags & MONITORINFOF_PRIMARY) {
            // The primary display comes first; the others keep their enumeration order.
            const int32_t moved = std::min(displays.count, kMostDisplays - 1);
            std::copy_backward(widths, widths + moved, widths + moved + 1);
            widths[0] = width;
            displays.count = moved + 1;
        } else if (displays.count < kMostDisplays) {
            widths[displays.count++] = width;
        }
    }
    return TRUE;
}

} // namespace

int32_t DisplayWidth(int32_t n) {
    DisplayWidths displays;
    EnumDisplayMonitors(nullptr, nullptr, CollectMonitorWidth, reinterpret_cast<LPARAM>(&displays));
    if (displays.count == 0) {
        displays.widths[displays.count++] = GetSystemMetrics(SM_CXSCREEN);
    }
    return n >= 0 && n < displays.count ? displays.widths[n] : 0;
}

int32_t DesktopPixelsPerInch() {
    const OwnedWindowDc desktop = TakeWindowDc(GetDesktopWindow());
    // The device reports a 16-bit value; anything below 1 is no answer.
    const int16_t pixelsPerInch =
        desktop ? static_cast<int16_t>(GetDeviceCaps(desktop.Get().dc, LOGPIXELSX)) : 0;
    return pixelsPerInch >= 1 ? pixelsPerInch : 0;
}
