#include "runtime/ui/displays.h"

#include <windows.h>

#include <vector>

namespace {

struct DisplaySize {
    int32_t width;
    int32_t height;
};

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    auto* displays = reinterpret_cast<std::vector<DisplaySize>*>(data);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoA(monitor, &info)) {
        const DisplaySize size{info.rcMonitor.right - info.rcMonitor.left,
                               info.rcMonitor.bottom - info.rcMonitor.top};
        // The primary display comes first; the others keep their enumeration order.
        if (info.dwFlags & MONITORINFOF_PRIMARY) {
            displays->insert(displays->begin(), size);
        } else {
            displays->push_back(size);
        }
    }
    return TRUE;
}

std::vector<DisplaySize> ExamineDisplays() {
    std::vector<DisplaySize> displays;
    EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&displays));
    if (displays.empty()) {
        displays.push_back({GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
    }
    return displays;
}

// The size of display n; 0 by 0 when n is out of range.
DisplaySize DisplayAt(int32_t n) {
    const auto displays = ExamineDisplays();
    return n >= 0 && n < static_cast<int32_t>(displays.size()) ? displays[n] : DisplaySize{0, 0};
}

} // namespace

int32_t CountDisplays() {
    return static_cast<int32_t>(ExamineDisplays().size());
}

int32_t DisplayWidth(int32_t n) {
    return DisplayAt(n).width;
}

int32_t DisplayHeight(int32_t n) {
    return DisplayAt(n).height;
}
