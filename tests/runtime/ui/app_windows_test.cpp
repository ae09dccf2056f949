#include "support/gui_test_support.h"

#include "runtime/ui/app_windows.h"

namespace {

using AppWindowTest = guitest::GuiTest;

TEST_F(AppWindowTest, BackdropIsMaximisedAndTakesItsHiddenDialogAlongWhenClosed) {
    ASSERT_NE(CreateAppWindow(0, 0, 0, 100, 100, "SETUP", 0x1C80000), 0);
    HWND backdrop = AppWindowHandle(0);
    EXPECT_TRUE(IsZoomed(backdrop));
    EXPECT_NE(GetWindowLongA(backdrop, GWL_STYLE) & WS_SYSMENU, 0);

    // The hidden dialog it owns, shown (its owner and visibility the welcome banner's and the
    // setup dialog's tests prove).
    ASSERT_NE(CreateAppWindow(2, 0, 0, 482, 314, "SETUP", 0x10C00001, backdrop), 0);
    EXPECT_EQ(SetAppWindowHidden(2, 0), 1);
    // The owner handle of a window that does not exist gives an unowned window; reusing a
    // number closes the window that had it.
    ASSERT_NE(CreateAppWindow(1, 0, 0, 100, 100, "erst", 1), 0);
    HWND first = AppWindowHandle(1);
    ASSERT_NE(CreateAppWindow(1, 0, 0, 300, 284, "frei", 1, AppWindowHandle(3)), 0);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(GetWindow(AppWindowHandle(1), GW_OWNER), nullptr);

    // Windows destroys the dialog with its owner; its number is free again.
    DestroyAppWindow(0);
    EXPECT_EQ(AppWindowExists(2), 0);
    EXPECT_EQ(AppWindowExists(1), 1);
}

} // namespace
