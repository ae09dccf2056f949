#include "support/gui_test_support.h"

#include "registry/last_error_text.h"
#include "runtime/graphics/images.h"
#include "runtime/ui/app_windows.h"
#include "runtime/ui/gadget_list.h"
#include "runtime/ui/gadgets.h"
#include "setup/backdrop_gradient.h"
#include "setup/side_picture.h"
#include "setup/welcome_banner.h"

namespace {

constexpr int32_t kTop = 240 + 200 * 256 + 20 * 65536; // (240, 200, 20)
constexpr int32_t kBottom = 51;                        // (51, 0, 0)

class GradientTest : public guitest::GuiTest {
  protected:
    void SetUp() override {
        ASSERT_NE(CreateAppWindow(2, 0, 0, 200, 600, "Verlauf", 1), 0);
        window_ = AppWindowHandle(2);
    }
    HBRUSH ClassBrush() const {
        return reinterpret_cast<HBRUSH>(GetClassLongPtrA(window_, GCLP_HBRBACKGROUND));
    }
    HWND window_ = nullptr;
};

TEST_F(GradientTest, PaintsBandsFromTopToBottomColourAndBecomesTheClassBackground) {
    HBITMAP bitmap = GradientBackground(kTop, kBottom, 255, 0, 2, 0);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(LastErrorText(), "");
    EXPECT_EQ(ClassBrush(), CurrentGradientBrush());
    const auto pixels = guitest::PixelsOfBitmap(bitmap, 200, 600);
    EXPECT_EQ(pixels[0], 0xF0C814u);               // band 0: (240, 200, 20) from y 0
    EXPECT_EQ(pixels[1 * 200 + 199], 0xF0C814u);   // ... to y 2
    EXPECT_EQ(pixels[599 * 200 + 100], 0x340100u); // band 254: (52, 1, 0) at the bottom
    EXPECT_NE(pixels[300 * 200], pixels[0]);

    // Left to right: the first column has the top colour, the last the last band's.
    bitmap = GradientBackground(kTop, kBottom, 255, 1, 2, 0);
    const auto columns = guitest::PixelsOfBitmap(bitmap, 200, 600);
    EXPECT_EQ(columns[599 * 200], 0xF0C814u);
    EXPECT_EQ(columns[199], 0x340100u);
}

TEST_F(GradientTest, EachCallReplacesAndFreesTheBrushAndBitmapBeforeIt) {
    HBITMAP firstBitmap = GradientBackground(kTop, kBottom, 255, 0, 2, 0);
    ASSERT_NE(firstBitmap, nullptr);
    HBRUSH firstBrush = CurrentGradientBrush();
    ASSERT_NE(GradientBackground(kBottom, kTop, 255, 0, 2, 0), nullptr);
    EXPECT_EQ(GetObjectType(firstBrush), 0u); // deleted
    EXPECT_EQ(GetObjectType(firstBitmap), 0u);
    EXPECT_EQ(ClassBrush(), CurrentGradientBrush());
    EXPECT_NE(ClassBrush(), firstBrush);

    // Windows gives a process at most 10,000 GDI objects: a leak of a brush or bitmap per call
    // would make the calls fail long before the end. (Wine has no such limit; there the checks
    // above catch a leak.) A small window keeps the calls quick.
    SetWindowPos(window_, nullptr, 0, 0, 60, 40, SWP_NOMOVE | SWP_NOZORDER);
    for (int i = 0; i < 10500; ++i) {
        ASSERT_NE(GradientBackground(kTop, kBottom, 2, 0, 2, 0), nullptr) << "call " << i;
    }
}

TEST_F(GradientTest, TheBrushOutlivesItsWindowAndStaysOursToDelete) {
    ASSERT_NE(GradientBackground(kTop, kBottom, 255, 0, 2, 0), nullptr);
    HBRUSH brush = CurrentGradientBrush();
    // Windows deletes a class's background brush with the class; the gradient's owner deletes
    // it, so the class must not take it along (a second delete could hit a reused handle).
    DestroyAppWindow(2);
    EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
}

TEST_F(GradientTest, AFailedCallLeavesTheBackgroundAndItsBrushAlone) {
    ASSERT_NE(GradientBackground(kTop, kBottom, 255, 0, 2, 0), nullptr);
    HBRUSH before = CurrentGradientBrush();

    EXPECT_EQ(GradientBackground(kTop, kBottom, 255, 0, 2, -1), nullptr);
    EXPECT_EQ(LastErrorText(), "ERROR, can´t create gradient");
    EXPECT_EQ(GradientBackground(kTop, kBottom, 255, 0, -1, 0), nullptr);

    // No client area: no image can be made to paint on.
    // (A captioned window keeps a minimum size, a bare pop-up does not.)
    SetWindowLongPtrA(window_, GWL_STYLE, WS_POPUP | WS_VISIBLE);
    SetWindowPos(window_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    ASSERT_EQ(AppWindowInnerHeight(2), 0);
    EXPECT_EQ(GradientBackground(kTop, kBottom, 255, 0, 2, 0), nullptr);
    EXPECT_EQ(LastErrorText(), "ERROR, can´t create gradient");
    EXPECT_EQ(ClassBrush(), before);
    EXPECT_EQ(CurrentGradientBrush(), before);
    EXPECT_EQ(GetObjectType(before), static_cast<DWORD>(OBJ_BRUSH));
}

using WelcomeBannerTest = guitest::GuiTest;

TEST_F(WelcomeBannerTest, IsTypedOneCharacterPerTickAndTheLastOpensTheDialog) {
    ASSERT_NE(CreateAppWindow(0, 0, 0, 100, 100, "SETUP", WS_CAPTION | WS_SYSMENU | WS_MAXIMIZE),
              0);
    ASSERT_NE(AttachGadgetList(AppWindowHandle(0)), nullptr);
    const int32_t banner = CreateTextLabel(-1, 40, 120, 500, 40, "");
    int32_t counter = 0;
    const auto Tick = [&counter, banner] {
        const WelcomeTick tick = NextWelcomeTick(counter);
        counter = tick.counter;
        return ShowWelcomeTick(banner, tick);
    };
    for (int tick = 0; tick < 24; ++tick) {
        EXPECT_EQ(Tick(), 0);
    }
    EXPECT_EQ(ReadGadgetText(banner), "Willkommen zum Setup von");

    const int32_t dialogWindow = Tick();
    EXPECT_EQ(ReadGadgetText(banner), "Willkommen zum Setup von:");
    ASSERT_NE(dialogWindow, 0);
    HWND dialog = AppWindowHandle(dialogWindow);
    EXPECT_FALSE(IsWindowVisible(dialog));
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), AppWindowHandle(0));
    RECT client{};
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, 482);
    EXPECT_EQ(client.bottom, 314);
}

} // namespace

namespace {

using SidePictureTest = guitest::GuiTest;

TEST_F(SidePictureTest, TakesTheCarriedPictureElseTheGradientWithSetupWrittenOnItElseNone) {
    ASSERT_NE(CreateBlankImage(1, 220, 600), 0); // stands in for the carried picture
    EXPECT_TRUE(PrepareSidePicture(nullptr));
    EXPECT_EQ(ImageWidth(1), 110);
    EXPECT_EQ(ImageHeight(1), 300);
    EXPECT_FALSE(ImageExists(0));

    ReleaseAllImages();
    ASSERT_NE(CreateAppWindow(2, 0, 0, 400, 600, "Verlauf", 1), 0);
    ASSERT_NE(GradientBackground(kTop, kBottom, 255, 0, 2, 0), nullptr);
    EXPECT_TRUE(PrepareSidePicture(nullptr));
    ASSERT_TRUE(ImageExists(1));
    EXPECT_EQ(ImageWidth(1), 110);
    const auto pixels = guitest::PixelsOfBitmap(ImageBitmapHandle(1), 110, 300);
    EXPECT_EQ(pixels[299 * 110 + 100] & 0xFF0000u, 0x340000u); // the gradient's dark bottom
    bool white = false;
    for (int y = 10; y < 40 && !white; ++y) {
        for (int x = 10; x < 60 && !white; ++x) {
            white = pixels[y * 110 + x] == 0xFFFFFFu; // "Setup" at (10, 10)
        }
    }
    EXPECT_TRUE(white);

    ReleaseAllImages();
    EXPECT_FALSE(PrepareSidePicture(nullptr));
    EXPECT_FALSE(ImageExists(1));
}

} // namespace
