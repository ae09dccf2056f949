#include "support/gui_test_support.h"

#include "runtime/graphics/drawing.h"
#include "runtime/graphics/images.h"
#include "runtime/ui/app_windows.h"
#include "runtime/ui/gadget_list.h"
#include "runtime/ui/gadgets.h"
#include "setup/backdrop_gradient.h"
#include "setup/gradient_bands.h"
#include "setup/side_picture.h"
#include "setup/welcome_banner.h"

#include <algorithm>

namespace {

constexpr int32_t kTop = 240 + 200 * 256 + 20 * 65536; // (240, 200, 20)
constexpr int32_t kBottom = 51;                        // (51, 0, 0)
constexpr int32_t kReferenceImage = 5;

// The gradient painted the way it was before its picture became one pixel thin: every band
// filled over the whole client area. The thin picture must give the very same pixels.
void PaintFullSizeReference(int32_t direction, int32_t width, int32_t height) {
    ASSERT_NE(CreateBlankImage(kReferenceImage, width, height), 0);
    ASSERT_NE(BeginImageDrawing(kReferenceImage), 0);
    for (int32_t band = 0; band < 255; ++band) {
        const GradientBand area =
            GradientBandAt(kTop, kBottom, 255, direction, width, height, band);
        if (area.right > area.left && area.bottom > area.top) {
            FillBox(area.left, area.top, area.right - area.left, area.bottom - area.top,
                    area.colour);
        }
    }
    EndDrawing();
}

// Where the pixels first differ from those of the reference image of that size, as "x y"; ""
// when they are the same.
std::string DifferenceFromReference(const std::vector<uint32_t>& got, int width, int height) {
    const auto want = guitest::PixelsOfBitmap(ImageBitmapHandle(kReferenceImage), width, height);
    const auto at = static_cast<size_t>(std::ranges::mismatch(got, want).in1 - got.begin());
    return got == want ? "" : std::to_string(at % width) + " " + std::to_string(at / width);
}

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

TEST_F(GradientTest, BackgroundAndSidePictureAreThoseOfTheFullSizePainting) {
    struct Case {
        int32_t direction;
        bool maximised; // as large as the backdrop, else 200 x 600
    };
    for (const Case c : {Case{0, false}, Case{1, false}, Case{0, true}}) {
        SCOPED_TRACE(testing::Message()
                     << "direction " << c.direction << ", maximised " << c.maximised);
        if (c.maximised) {
            ASSERT_NE(
                CreateAppWindow(2, 0, 0, 100, 100, "SETUP", WS_CAPTION | WS_SYSMENU | WS_MAXIMIZE),
                0);
            window_ = AppWindowHandle(2);
        }
        const int32_t width = AppWindowInnerWidth(2);
        const int32_t height = AppWindowInnerHeight(2);
        HBITMAP picture = GradientBackground(kTop, kBottom, 255, c.direction, 2, 0);
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture, ImageBitmapHandle(0));
        EXPECT_EQ(ImageWidth(0) * ImageHeight(0), c.direction == 1 ? width : height);
        PaintFullSizeReference(c.direction, width, height);
        const auto background = guitest::PrintedPixels(window_, width, height, WM_ERASEBKGND);
        EXPECT_EQ(DifferenceFromReference(background, width, height), "");
        EXPECT_EQ(background[0], 0xF0C814u); // band 0 is (240, 200, 20) in either direction

        // Without a carried picture the side picture is the gradient scaled to 110 x 300 with
        // "Setup" written on it; from the thin picture it is the same as from the full one.
        ASSERT_NE(ScaleImage(kReferenceImage, 110, 300), nullptr);
        ASSERT_NE(BeginImageDrawing(kReferenceImage), 0);
        SetDrawingFont(nullptr);
        SetDrawingMode(kDrawTransparentText);
        DrawTextAt(10, 10, "Setup", 0xFFFFFF);
        EndDrawing();
        ASSERT_TRUE(PrepareSidePicture(nullptr));
        const auto side = guitest::PixelsOfBitmap(ImageBitmapHandle(1), 110, 300);
        EXPECT_EQ(DifferenceFromReference(side, 110, 300), "");
        EXPECT_NE(std::count(side.begin(), side.begin() + 40 * 110, 0xFFFFFFu), 0); // "Setup"
        ReleaseAllImages();
    }
}

// Each call replaces and frees the brush and bitmap before it; a failed call leaves them alone.
TEST_F(GradientTest, TheBrushAndBitmapAreFreedByTheNextCallOrTheOwnerButNotByAFailedCall) {
    HBITMAP firstBitmap = GradientBackground(kTop, kBottom, 255, 0, 2, 0);
    ASSERT_NE(firstBitmap, nullptr);
    HBRUSH firstBrush = ClassBrush();
    ASSERT_NE(GradientBackground(kBottom, kTop, 255, 0, 2, 0), nullptr);
    EXPECT_EQ(GetObjectType(firstBrush) + GetObjectType(firstBitmap), 0u); // both deleted
    HBRUSH brush = ClassBrush();
    EXPECT_NE(brush, firstBrush);

    EXPECT_EQ(GradientBackground(kTop, kBottom, 255, 0, 2, -1), nullptr);
    EXPECT_EQ(GradientBackground(kTop, kBottom, 255, 0, -1, 0), nullptr);
    // No client area: no image can be made to paint on.
    // (A captioned window keeps a minimum size, a bare pop-up does not.)
    SetWindowLongPtrA(window_, GWL_STYLE, WS_POPUP | WS_VISIBLE);
    SetWindowPos(window_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    ASSERT_EQ(AppWindowInnerHeight(2), 0);
    EXPECT_EQ(GradientBackground(kTop, kBottom, 255, 0, 2, 0), nullptr);
    EXPECT_EQ(GradientBackground(kTop, kBottom, 255, 1, 2, 0), nullptr);
    EXPECT_EQ(ClassBrush(), brush);

    // Windows deletes a class's background brush with the class; the gradient's owner deletes
    // it, so the class must not take it along (a second delete could hit a reused handle).
    DestroyAppWindow(2);
    EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
    ReleaseGradientBackground();
    EXPECT_EQ(GetObjectType(brush), 0u);
}

using GuiTestOnly = guitest::GuiTest;

TEST_F(GuiTestOnly, WelcomeBannerIsTypedOneCharacterPerTickAndTheLastOpensTheDialog) {
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
    const std::string line = kWelcomeText;
    for (size_t typed = 1; typed < line.size(); ++typed) {
        EXPECT_EQ(Tick(), 0);
        EXPECT_EQ(ReadGadgetText(banner), line.substr(0, typed));
    }
    // The dialog window is opened hidden and owned by the backdrop; its size and layout are the
    // setup dialog's tests.
    const int32_t dialogWindow = Tick();
    EXPECT_EQ(ReadGadgetText(banner), line);
    ASSERT_NE(dialogWindow, 0);
    EXPECT_FALSE(IsWindowVisible(AppWindowHandle(dialogWindow)));
    EXPECT_EQ(GetWindow(AppWindowHandle(dialogWindow), GW_OWNER), AppWindowHandle(0));
}

TEST_F(GuiTestOnly, SidePictureTakesTheCarriedPictureElseNone) {
    ASSERT_NE(CreateBlankImage(1, 220, 600), 0); // stands in for the carried picture
    EXPECT_TRUE(PrepareSidePicture(nullptr));
    EXPECT_EQ(ImageWidth(1) * 1000 + ImageHeight(1), 110300);
    EXPECT_FALSE(ImageExists(0));
    // The gradient's stand-in: BackgroundAndSidePictureAreThoseOfTheFullSizePainting; none at
    // all: the setup dialog's tests.
}

} // namespace
