#include "runtime/ui/displays.h"

#include "runtime/system/owned_handle.h"

#include <windows.h>

#include <vector>

namespace {

BOOL CALLBACK CollectMonitorWidth(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    auto* widths = reinterpret_cast<std::vector<int32_t>*>(data);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoA(monitor, &info)) {
        const int32_t width = info.rcMonitor.right - info.rcMonitor.left;
        // The primary display comes first; the others keep their enumeration order.
        if (info.dwFlags & MONITORINFOF_PRIMARY) {
            widths->insert(widths->begin(), width);
        } else {
            widths->push_back(width);
        }
    }
    return TRUE;
}

} // namespace

int32_t DisplayWidth(int32_t n) {
    std::vector<int32_t> widths;
    EnumDisplayMonitors(nullptr, nullptr, CollectMonitorWidth, reinterpret_cast<LPARAM>(&widths));
    if (widths.empty()) {
        widths.push_back(GetSystemMetrics(SM_CXSCREEN));
    }
    return n >= 0 && n < static_cast<int32_t>(widths.size()) ? widths[n] : 0;
}

int32_t DesktopPixelsPerInch() {
    const OwnedWindowDc desktop = TakeWindowDc(GetDesktopWindow());
    // The device reports a 16-bit value; anything below 1 is no answer.
    const int16_t pixelsPerInch =
        desktop ? static_cast<int16_t>(GetDeviceCaps(desktop.Get().dc, LOGPIXELSX)) : 0;
    return pixelsPerInch >= 1 ? pixelsPerInch : 0;
}
