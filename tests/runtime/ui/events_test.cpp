#include "support/gui_test_support.h"

#include "runtime/ui/app_windows.h"
#include "runtime/ui/events.h"
#include "runtime/ui/gadgets.h"

#include <commctrl.h>

#include <initializer_list>
#include <utility>
#include <vector>

namespace {

using guitest::WaitForEventWhere;
using EventTest = guitest::ProgressWindowTest;

// Button clicks are gadget events as the setup dialog tests and the install runs prove; a click
// into the read-only log is one too.
TEST_F(EventTest, AClickIntoTheLogIsAGadgetEvent) {
    PostMessageA(GadgetHandle(100), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(GadgetHandle(100), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(
        WaitForEventWhere([](int32_t e) { return e == kEventGadget && LastEventGadget() == 100; }),
        kEventGadget);
    EXPECT_EQ(LastEventWindow(), 1);
    EXPECT_EQ(LastEventType(), EN_SETFOCUS);
}

// The tools of the tooltip window that window 1 owns; -1 when it has none.
LRESULT TooltipsOfWindow1() {
    HWND tooltip = nullptr;
    while ((tooltip = FindWindowExA(nullptr, tooltip, "tooltips_class32", nullptr)) != nullptr) {
        if (GetWindow(tooltip, GW_OWNER) == AppWindowHandle(1)) {
            return SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0);
        }
    }
    return -1;
}

// The common controls start only once an event wait has taken a pointer move over a gadget whose
// tooltip waits and then found nothing to do; the tooltip is attached at that moment.
TEST_F(EventTest, ATooltipWaitsUntilThePointerMovesOverItsGadget) {
    ASSERT_NE(CreateLinkLabel(90, 4, 215, 150, 20, "powered by Morrow", 255), 0);
    EXPECT_EQ(SetGadgetTooltip(90, "https://morrow.example/"), 1);
    WaitForEventWhere([](int32_t event) { return event == WM_TIMER; });
    EXPECT_EQ(TooltipsOfWindow1(), -1);
    PostMessageA(GadgetHandle(90), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    PostMessageA(GadgetHandle(90), WM_MOUSEMOVE, 0, MAKELPARAM(190, 3));
    EXPECT_NE(WaitForEventWhere([](int32_t) { return TooltipsOfWindow1() == 1; }), -1);
}

// Posts a close request to window 2 (taken inside a wait), then sends them to the windows in
// turn; the windows of the close events then reported.
std::vector<int32_t> CloseRequestsReported(std::initializer_list<int32_t> windows) {
    PostMessageA(AppWindowHandle(2), WM_CLOSE, 0, 0);
    for (int32_t window : windows) {
        SendMessageA(AppWindowHandle(window), WM_CLOSE, 0, 0);
    }
    std::vector<int32_t> reported;
    guitest::DrainEvents([&](int32_t event) {
        if (event == kEventCloseRequest) {
            reported.push_back(LastEventWindow());
        }
    });
    return reported;
}

// A request already waiting is not reported again; no window closes by itself.
TEST_F(EventTest, CloseRequestIsReportedOnceAndTheWindowStays) {
    ASSERT_NE(CreateAppWindow(2, 0, 0, 100, 100, "zwei", 1), 0);
    EXPECT_EQ(CloseRequestsReported({1, 1}), (std::vector<int32_t>{1, 2}));
    EXPECT_TRUE(IsWindow(AppWindowHandle(1)) && IsWindow(AppWindowHandle(2)));
    EXPECT_EQ(CloseRequestsReported({1, 2, 1}), (std::vector<int32_t>{1, 2, 1, 2}));
}

TEST_F(EventTest, TabMovesTheFocusExceptOutOfAWritableEditor) {
    SetForegroundWindow(AppWindowHandle(1));
    SetActiveWindow(AppWindowHandle(1));
    ASSERT_EQ(GetActiveWindow(), AppWindowHandle(1));
    // From the read-only log on to the button; the writable editor keeps it.
    for (const auto& [from, to] : {std::pair{100, 101}, std::pair{102, 102}}) {
        SetFocus(GadgetHandle(from));
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
        guitest::DrainEvents();
        EXPECT_EQ(GetFocus(), GadgetHandle(to)) << from;
    }
}

} // namespace
