#include "gui_test_support.h"

#include "runtime/events.h"
#include "runtime/owned_handle.h"
#include "runtime/runtime_lifecycle.h"

#include <gtest/gtest.h>

namespace guitest {

constexpr UINT kQuietMarker = WM_APP + 0x51;

struct RuntimeEnvironment : ::testing::Environment {
    void SetUp() override { StartRuntime(); }
    void TearDown() override { EndRuntime(); }
};
const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new RuntimeEnvironment);

int32_t WaitForEventWhere(const std::function<bool(int32_t)>& accept) {
    // A thread timer keeps each wait from blocking longer than a tick.
    const UINT_PTR ticker = SetTimer(nullptr, 0, 50, nullptr);
    int32_t found = -1;
    for (const DWORD start = GetTickCount(); found < 0 && GetTickCount() - start < 5000;) {
        if (const int32_t event = WaitForEvent(); accept(event)) {
            found = event;
        }
    }
    KillTimer(nullptr, ticker);
    return found;
}

void DrainEvents(const std::function<void(int32_t)>& seen) {
    // An event raised outside a wait is reported in place of the next message, so the marker
    // goes out twice; the one left over is taken away afterwards.
    for (int i = 0; i < 2; ++i) {
        PostThreadMessageA(GetCurrentThreadId(), kQuietMarker, 0, 0);
    }
    WaitForEventWhere([&](int32_t event) {
        const bool quiet = event == static_cast<int32_t>(kQuietMarker);
        if (!quiet && seen) {
            seen(event);
        }
        return quiet;
    });
    MSG leftover{};
    while (PeekMessageA(&leftover, nullptr, kQuietMarker, kQuietMarker, PM_REMOVE)) {
    }
}

std::vector<uint32_t> PixelsOfBitmap(HBITMAP bitmap, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    WindowDc screen(nullptr);
    GetDIBits(screen.Get(), bitmap, 0, static_cast<UINT>(height), pixels.data(), &info,
              DIB_RGB_COLORS);
    for (uint32_t& pixel : pixels) {
        pixel &= 0xFFFFFF;
    }
    return pixels;
}

std::vector<uint32_t> PrintedPixels(HWND control, int width, int height) {
    WindowDc screen(nullptr);
    OwnedGdiObject bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    OwnedMemoryDc dc(CreateCompatibleDC(screen.Get()));
    HGDIOBJ old = SelectObject(dc.Get(), bitmap.Get());
    RECT all{0, 0, width, height};
    FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SendMessageA(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
    SelectObject(dc.Get(), old);
    return PixelsOfBitmap(static_cast<HBITMAP>(bitmap.Get()), width, height);
}

} // namespace guitest
