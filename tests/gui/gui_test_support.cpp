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

void DrainEvents() {
    PostThreadMessageA(GetCurrentThreadId(), kQuietMarker, 0, 0);
    WaitForEventWhere([](int32_t event) { return event == static_cast<int32_t>(kQuietMarker); });
}

COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
    OwnedMemoryDc dc(CreateCompatibleDC(nullptr));
    HGDIOBJ old = SelectObject(dc.Get(), bitmap);
    const COLORREF colour = GetPixel(dc.Get(), x, y);
    SelectObject(dc.Get(), old);
    return colour;
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
