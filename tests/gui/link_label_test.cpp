#include "gui_test_support.h"

#include "runtime/app_windows.h"
#include "runtime/events.h"
#include "runtime/gadgets.h"
#include "runtime/owned_handle.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t kRed = 255; // red + green * 256 + blue * 65536
constexpr int kWidth = 150, kHeight = 20;

class LinkLabelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(CreateAppWindow(1, 0, 0, 300, 100, "SETUP", 1), 0);
        ASSERT_NE(AttachGadgetList(AppWindowHandle(1)), nullptr);
        ASSERT_NE(CreateLinkLabel(90, 4, 22, kWidth, kHeight, "powered by Morrow", kRed), 0);
        guitest::DrainEvents();
    }
    void TearDown() override {
        DestroyAppWindow(1);
        guitest::DrainEvents();
    }

    struct Ink {
        int red = 0;   // hover colour
        int black = 0; // normal colour
        int other = 0; // anything but background, red and black
    };
    // Sorts the printed label's pixels by colour.
    static Ink InkOf(int32_t gadget) {
        HWND label = GadgetHandle(gadget);
        OwnedGdiObject picture(guitest::PrintControl(label, kWidth, kHeight));
        const std::vector<uint32_t> pixels =
            guitest::PixelsOfBitmap(static_cast<HBITMAP>(picture.Get()), kWidth, kHeight);
        const uint32_t background = pixels.back();
        Ink ink;
        for (uint32_t c : pixels) {
            if (c == background) {
                continue;
            }
            const int r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
            if (r > 160 && g < 100 && b < 100) {
                ++ink.red;
            } else if (r < 60 && g < 60 && b < 60) {
                ++ink.black;
            } else {
                ++ink.other;
            }
        }
        return ink;
    }
};

TEST_F(LinkLabelTest, ReleasingTheButtonOnTheLinkIsAGadgetEventOfTypeZero) {
    EXPECT_TRUE(IsWindowVisible(GadgetHandle(90)));
    PostMessageA(GadgetHandle(90), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    const int32_t event = guitest::WaitForEventWhere(
        [](int32_t e) { return e == kEventGadget && LastEventGadget() == 90; });
    EXPECT_EQ(event, kEventGadget);
    EXPECT_EQ(LastEventType(), 0);
    EXPECT_EQ(LastEventWindow(), 1);
}

TEST_F(LinkLabelTest, TextTurnsToTheHoverColourWhileThePointerIsOverIt) {
    HWND label = GadgetHandle(90);
    const Ink normal = InkOf(90);
    EXPECT_GT(normal.black, 20);
    EXPECT_EQ(normal.red, 0);

    SendMessageA(label, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(GetCapture(), label);
    const Ink hovered = InkOf(90);
    EXPECT_GT(hovered.red, 20);
    EXPECT_EQ(hovered.black, 0);

    SendMessageA(label, WM_MOUSEMOVE, 0, MAKELPARAM(kWidth + 40, 3));
    EXPECT_NE(GetCapture(), label);
    const Ink left = InkOf(90);
    EXPECT_EQ(left.red, 0);
    EXPECT_EQ(left.black, normal.black);
}

TEST_F(LinkLabelTest, DisabledLinkIsDrawnGreyed) {
    ASSERT_EQ(SetGadgetDisabled(90, 1), 1);
    const Ink greyed = InkOf(90);
    EXPECT_EQ(greyed.black, 0);
    EXPECT_EQ(greyed.red, 0);
    EXPECT_GT(greyed.other, 20);
}

TEST_F(LinkLabelTest, UnderlineFlagAddsALineUnderTheText) {
    ASSERT_NE(CreateLinkLabel(91, 4, 50, kWidth, kHeight, "powered by Morrow", kRed, 1), 0);
    const Ink plain = InkOf(90);
    const Ink underlined = InkOf(91);
    EXPECT_GT(underlined.black, plain.black + 30);
}

TEST_F(LinkLabelTest, PointerOverTheLinkIsTheHandCursor) {
    SendMessageA(GadgetHandle(90), WM_SETCURSOR, reinterpret_cast<WPARAM>(GadgetHandle(90)),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, MAKEINTRESOURCEA(32649)));
    EXPECT_EQ(SendMessageA(GadgetHandle(90), WM_NCHITTEST, 0, 0), HTCLIENT);
}

} // namespace
