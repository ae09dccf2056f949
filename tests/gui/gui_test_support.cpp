#include "gui_test_support.h"

#include "runtime/events.h"
#include "runtime/owned_handle.h"
#include "runtime/runtime_lifecycle.h"

#include <gtest/gtest.h>

namespace guitest {

namespace {

constexpr UINT kQuietMarker = WM_APP + 0x51;

class RuntimeEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { StartRuntime(); }
    void TearDown() override { EndRuntime(); }
};

const auto* const g_environment =
    ::testing::AddGlobalTestEnvironment(new RuntimeEnvironment); // gtest owns it

} // namespace

int32_t WaitForEventWhere(const std::function<bool(int32_t)>& accept, DWORD timeoutMs) {
    const UINT_PTR ticker = SetTimer(nullptr, 0, 50, nullptr);
    const DWORD start = GetTickCount();
    int32_t found = -1;
    while (GetTickCount() - start < timeoutMs) {
        const int32_t event = WaitForEvent();
        if (accept(event)) {
            found = event;
            break;
        }
    }
    KillTimer(nullptr, ticker);
    return found;
}

int32_t NextEvent() {
    return WaitForEventWhere([](int32_t) { return true; });
}

void DrainEvents(const std::function<void(int32_t)>& seen) {
    // An event raised outside a wait is reported in place of the next message, so the marker
    // goes out twice; the one left over is taken away afterwards.
    PostThreadMessageA(GetCurrentThreadId(), kQuietMarker, 0, 0);
    PostThreadMessageA(GetCurrentThreadId(), kQuietMarker, 0, 0);
    WaitForEventWhere([&](int32_t event) {
        if (event == static_cast<int32_t>(kQuietMarker)) {
            return true;
        }
        if (seen) {
            seen(event);
        }
        return false;
    });
    MSG leftover{};
    while (PeekMessageA(&leftover, nullptr, kQuietMarker, kQuietMarker, PM_REMOVE)) {
    }
}

std::vector<uint32_t> PixelsOfBitmap(HBITMAP bitmap, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    WindowDc screen(nullptr);
    GetDIBits(screen.Get(), bitmap, 0, static_cast<UINT>(height), pixels.data(), &info,
              DIB_RGB_COLORS);
    for (uint32_t& pixel : pixels) {
        pixel &= 0xFFFFFF;
    }
    return pixels;
}

HBITMAP PrintControl(HWND control, int width, int height) {
    WindowDc screen(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen.Get(), width, height);
    OwnedMemoryDc dc(CreateCompatibleDC(screen.Get()));
    HGDIOBJ old = SelectObject(dc.Get(), bitmap);
    RECT all{0, 0, width, height};
    FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SendMessageA(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
    SelectObject(dc.Get(), old);
    return bitmap;
}

} // namespace guitest
