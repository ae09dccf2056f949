#include "gui_test_support.h"

#include "runtime/app_windows.h"
#include "runtime/displays.h"
#include "runtime/fonts.h"
#include "runtime/images.h"
#include "runtime/runtime_lifecycle.h"
#include "runtime/window_placement.h"

#include <gtest/gtest.h>

namespace {

class AppWindowTest : public ::testing::Test {
  protected:
    void TearDown() override {
        for (int32_t number : {0, 1, 2, 3}) {
            DestroyAppWindow(number);
        }
        guitest::DrainEvents();
    }
};

RECT OuterRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

TEST(WindowFlags, StyleAndLayoutBitsAreSeparated) {
    struct Case {
        int32_t flags;
        uint32_t style;
        bool invisible, onScreen, onOwner, maximised;
    };
    const Case cases[] = {
        {1, WS_CAPTION, false, true, false, false},
        {0x1C80000, WS_CAPTION | WS_SYSMENU | WS_MAXIMIZE, false, false, false, true},
        {0x10C00001, WS_CAPTION, true, true, false, false},
        {0xC00001, WS_CAPTION, false, true, false, false},
        {0x10000000, WS_CAPTION, true, false, false, false},
        {2, WS_CAPTION, false, false, true, false},
    };
    for (const Case& c : cases) {
        const WindowStyleChoice choice = WindowStyleFromFlags(c.flags);
        EXPECT_EQ(choice.style, c.style) << std::hex << c.flags;
        EXPECT_EQ(choice.invisible, c.invisible) << std::hex << c.flags;
        EXPECT_EQ(choice.centreOnScreen, c.onScreen) << std::hex << c.flags;
        EXPECT_EQ(choice.centreOnOwner, c.onOwner) << std::hex << c.flags;
        EXPECT_EQ(choice.maximised, c.maximised) << std::hex << c.flags;
    }
}

TEST(WindowFlags, CentringTruncatesTowardZeroAndClampsToTheScreen) {
    EXPECT_EQ(CentredOffset(1280, 307), 486); // 973 / 2
    EXPECT_EQ(CentredOffset(100, 105), -2);   // -5 / 2 truncates to -2, not -3
    const WindowRectangle big = CentreOnScreen(2000, 300, 1280, 1024);
    EXPECT_EQ(big.x, 0);
    EXPECT_EQ(big.width, 1280);
    EXPECT_EQ(big.y, 362);
    const WindowRectangle overOwner = CentreOnWindow(400, 300, {10, 20, 100, 100});
    EXPECT_EQ(overOwner.x, 0); // 10 + (100 - 400) / 2 is negative
    EXPECT_EQ(overOwner.y, 0);
    const WindowRectangle inOwner = CentreOnWindow(50, 31, {10, 20, 100, 100});
    EXPECT_EQ(inOwner.x, 35);
    EXPECT_EQ(inOwner.y, 54); // 20 + 69 / 2
}

TEST_F(AppWindowTest, ProgressWindowHasExactClientSizeNoCloseBoxAndIsCentred) {
    const int32_t result = CreateAppWindow(1, 0, 0, 300, 284, "Fortschritt ...", 1);
    HWND window = AppWindowHandle(1);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(result, static_cast<int32_t>(reinterpret_cast<intptr_t>(window)));
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 300);
    EXPECT_EQ(client.bottom, 284);
    EXPECT_EQ(AppWindowInnerWidth(1), 300);
    EXPECT_EQ(AppWindowInnerHeight(1), 284);
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_EQ(style & WS_SYSMENU, 0);
    EXPECT_TRUE(IsWindowVisible(window));

    const RECT outer = OuterRect(window);
    const int outerWidth = outer.right - outer.left;
    const int outerHeight = outer.bottom - outer.top;
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - outerWidth) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - outerHeight) / 2);
    char title[64] = {};
    GetWindowTextA(window, title, sizeof title);
    EXPECT_STREQ(title, "Fortschritt ...");
}

TEST_F(AppWindowTest, BackdropIsShownMaximisedWithCloseBox) {
    ASSERT_NE(CreateAppWindow(0, 0, 0, 100, 100, "SETUP", 0x1C80000), 0);
    HWND window = AppWindowHandle(0);
    EXPECT_TRUE(IsZoomed(window));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_NE(GetWindowLongA(window, GWL_STYLE) & WS_SYSMENU, 0);
}

TEST_F(AppWindowTest, InvisibleFlagLeavesWindowHiddenUntilShown) {
    ASSERT_NE(CreateAppWindow(2, 0, 0, 482, 314, "SETUP", 0x10C00001), 0);
    HWND window = AppWindowHandle(2);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & 0x10000000, 0);
    EXPECT_EQ(SetAppWindowHidden(2, 0), 1);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(SetAppWindowHidden(2, 1), 1);
    EXPECT_FALSE(IsWindowVisible(window));
}

TEST_F(AppWindowTest, OwnerComesFromTheOwnerHandleAndZeroMeansUnowned) {
    ASSERT_NE(CreateAppWindow(0, 0, 0, 100, 100, "SETUP", 0x1C80000), 0);
    ASSERT_NE(CreateAppWindow(1, 0, 0, 300, 284, "owned", 1, AppWindowHandle(0)), 0);
    EXPECT_EQ(GetWindow(AppWindowHandle(1), GW_OWNER), AppWindowHandle(0));

    EXPECT_EQ(AppWindowHandle(3), nullptr);
    ASSERT_NE(CreateAppWindow(2, 0, 0, 300, 284, "unowned", 1, AppWindowHandle(3)), 0);
    EXPECT_EQ(GetWindow(AppWindowHandle(2), GW_OWNER), nullptr);
}

TEST_F(AppWindowTest, AllocatedNumberNamesTheWindowInLaterCalls) {
    const int32_t number = CreateAppWindow(-1, 0, 0, 200, 100, "any", 1);
    ASSERT_GT(number, 3);
    EXPECT_EQ(AppWindowExists(number), 1);
    EXPECT_EQ(AppWindowInnerWidth(number), 200);
    const int32_t second = CreateAppWindow(-1, 0, 0, 200, 100, "other", 1);
    EXPECT_NE(second, number);
    DestroyAppWindow(number);
    DestroyAppWindow(second);
    EXPECT_EQ(AppWindowExists(number), 0);
    EXPECT_EQ(AppWindowInnerWidth(number), 0);
}

TEST_F(AppWindowTest, ReusingANumberClosesTheOldWindow) {
    ASSERT_NE(CreateAppWindow(1, 0, 0, 100, 100, "first", 1), 0);
    HWND first = AppWindowHandle(1);
    ASSERT_NE(CreateAppWindow(1, 0, 0, 100, 100, "second", 1), 0);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_NE(AppWindowHandle(1), first);
}

TEST_F(AppWindowTest, WindowDestroyedWithItsOwnerFreesItsNumber) {
    ASSERT_NE(CreateAppWindow(0, 0, 0, 100, 100, "SETUP", 0x1C80000), 0);
    ASSERT_NE(CreateAppWindow(2, 0, 0, 100, 100, "dialog", 0x10C00001, AppWindowHandle(0)), 0);
    DestroyAppWindow(0);
    EXPECT_EQ(AppWindowExists(0), 0);
    EXPECT_EQ(AppWindowExists(2), 0);
    EXPECT_EQ(AppWindowHandle(2), nullptr);
}

TEST_F(AppWindowTest, UnknownNumbersDoNothing) {
    DestroyAppWindow(7);
    EXPECT_EQ(AppWindowExists(7), 0);
    EXPECT_EQ(SetAppWindowHidden(7, 1), 0);
    EXPECT_EQ(SetAppWindowTopmost(7, 1), 0);
    EXPECT_EQ(AppWindowInnerHeight(7), 0);
    EXPECT_EQ(CreateAppWindow(-5, 0, 0, 10, 10, "", 1), 0);
}

TEST_F(AppWindowTest, TopmostCanBeSetAndRemovedWithoutMoving) {
    ASSERT_NE(CreateAppWindow(1, 0, 0, 300, 284, "top", 1), 0);
    HWND window = AppWindowHandle(1);
    const RECT before = OuterRect(window);
    EXPECT_EQ(SetAppWindowTopmost(1, 1), 1);
    EXPECT_NE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(SetAppWindowTopmost(1, 0), 1);
    EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    const RECT after = OuterRect(window);
    EXPECT_EQ(before.left, after.left);
    EXPECT_EQ(before.bottom, after.bottom);
}

TEST_F(AppWindowTest, EveryWindowHasAClassOfItsOwn) {
    ASSERT_NE(CreateAppWindow(1, 0, 0, 100, 100, "a", 1), 0);
    ASSERT_NE(CreateAppWindow(2, 0, 0, 100, 100, "b", 1), 0);
    char first[64] = {}, second[64] = {};
    GetClassNameA(AppWindowHandle(1), first, sizeof first);
    GetClassNameA(AppWindowHandle(2), second, sizeof second);
    EXPECT_STRNE(first, second);
    EXPECT_EQ(GetClassLongPtrA(AppWindowHandle(1), GCLP_HBRBACKGROUND),
              static_cast<ULONG_PTR>(COLOR_BTNFACE + 1));
}

TEST(Displays, PrimaryDisplayComesFirstAndOutOfRangeIsZero) {
    const int32_t count = CountDisplays();
    ASSERT_GE(count, 1);
    EXPECT_EQ(DisplayWidth(0), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(DisplayHeight(0), GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(DisplayWidth(count), 0);
    EXPECT_EQ(DisplayHeight(-1), 0);
}

TEST_F(AppWindowTest, EndOfRuntimeReleasesFontsImagesAndWindows) {
    ASSERT_NE(CreateFontObject(0, "Arial", 8), 0);
    ASSERT_NE(CreateBlankImage(0, 10, 10), 0);
    ASSERT_NE(CreateAppWindow(0, 0, 0, 100, 100, "SETUP", 0x1C80000), 0);
    HWND window = AppWindowHandle(0);
    EndRuntime();
    EXPECT_EQ(FontObjectHandle(0), nullptr);
    EXPECT_EQ(ImageExists(0), 0);
    EXPECT_EQ(AppWindowExists(0), 0);
    EXPECT_FALSE(IsWindow(window));
    StartRuntime();
    EXPECT_NE(CreateAppWindow(0, 0, 0, 100, 100, "SETUP", 0x1C80000), 0);
}

} // namespace
