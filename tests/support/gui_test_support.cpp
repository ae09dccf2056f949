#include "support/gui_test_support.h"

#include "runtime/graphics/images.h"
#include "runtime/runtime_lifecycle.h"
#include "runtime/system/owned_handle.h"
#include "runtime/ui/app_windows.h"
#include "runtime/ui/events.h"
#include "runtime/ui/gadget_list.h"
#include "runtime/ui/gadgets.h"

namespace guitest {

constexpr UINT kQuietMarker = WM_APP + 0x51;

struct RuntimeEnvironment : ::testing::Environment {
    void SetUp() override { StartRuntime(); }
    void TearDown() override { EndRuntime(); }
};
const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new RuntimeEnvironment);

void GuiTest::TearDown() {
    ReleaseAllImages();
    for (int32_t number : {0, 1, 2}) {
        DestroyAppWindow(number);
    }
    DrainEvents();
}

void ProgressWindowTest::SetUp() {
    ASSERT_NE(CreateAppWindow(1, 0, 0, 300, 284, "Fortschritt ...", 1), 0);
    ASSERT_EQ(AttachGadgetList(AppWindowHandle(1)), AppWindowHandle(1));
    ASSERT_NE(CreateEditorField(100, 10, 10, 280, 200, kEditorReadOnly), 0);
    ASSERT_NE(CreatePushButton(101, 10, 250, 280, 24, "Fertig"), 0);
    ASSERT_NE(CreateEditorField(102, 10, 215, 280, 30), 0);
    DrainEvents();
}

int32_t WaitForEventWhere(const std::function<bool(int32_t)>& accept) {
    const UINT_PTR ticker = SetTimer(nullptr, 0, 50, nullptr); // no wait blocks beyond a tick
    int32_t event = -1;
    for (const ULONGLONG deadline = GetTickCount64() + 5000;
         !accept(event = WaitForEvent()) && (event = -1, GetTickCount64() < deadline);) {
    }
    KillTimer(nullptr, ticker);
    return event;
}

void DrainEvents(const std::function<void(int32_t)>& seen) {
    // An event raised outside a wait is reported in place of the next message, so the marker
    // goes out twice; the one left over is taken away afterwards.
    PostThreadMessageA(GetCurrentThreadId(), kQuietMarker, 0, 0);
    PostThreadMessageA(GetCurrentThreadId(), kQuietMarker, 0, 0);
    WaitForEventWhere([&](int32_t event) {
        if (event != static_cast<int32_t>(kQuietMarker) && seen) {
            seen(event);
        }
        return event == static_cast<int32_t>(kQuietMarker);
    });
    for (MSG leftover; PeekMessageA(&leftover, nullptr, kQuietMarker, kQuietMarker, PM_REMOVE);) {
    }
}

std::vector<uint32_t> PixelsOfBitmap(HBITMAP bitmap, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    const OwnedWindowDc screen = TakeWindowDc(nullptr);
    GetDIBits(screen.Get().dc, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info,
              DIB_RGB_COLORS);
    for (uint32_t& pixel : pixels) {
        pixel &= 0xFFFFFF;
    }
    return pixels;
}

std::vector<uint32_t> PrintedPixels(HWND control, int width, int height, UINT message) {
    const OwnedWindowDc screen = TakeWindowDc(nullptr);
    OwnedGdiObject bitmap(CreateCompatibleBitmap(screen.Get().dc, width, height));
    OwnedMemoryDc dc(CreateCompatibleDC(screen.Get().dc));
    {
        const DcSelection selected = SelectInto(dc.Get(), bitmap.Get());
        PatBlt(dc.Get(), 0, 0, width, height, WHITENESS);
        SendMessageA(control, message, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
    }
    return PixelsOfBitmap(static_cast<HBITMAP>(bitmap.Get()), width, height);
}

} // namespace guitest
