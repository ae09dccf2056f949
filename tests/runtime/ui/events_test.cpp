#include "support/gui_test_support.h"

#include "runtime/ui/app_windows.h"
#include "runtime/ui/events.h"
#include "runtime/ui/gadgets.h"

#include <commctrl.h>

#include <initializer_list>

namespace {

using guitest::WaitForEventWhere;
using EventTest = guitest::ProgressWindowTest;

int32_t GadgetEventOf(int32_t gadget) {
    return WaitForEventWhere(
        [=](int32_t e) { return e == kEventGadget && LastEventGadget() == gadget; });
}

TEST_F(EventTest, ClicksOnTheFinishButtonAndIntoTheLogAreGadgetEvents) {
    PostMessageA(GadgetHandle(101), BM_CLICK, 0, 0);
    EXPECT_EQ(GadgetEventOf(101), kEventGadget);
    EXPECT_EQ(LastEventWindow(), 1);
    EXPECT_EQ(LastEventType(), BN_CLICKED);
    PostMessageA(GadgetHandle(100), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(GadgetHandle(100), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(GadgetEventOf(100), kEventGadget);
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

// Sends close requests to the windows in turn; the number of close events then reported.
int CloseRequestsReported(std::initializer_list<int32_t> windows) {
    for (int32_t window : windows) {
        SendMessageA(AppWindowHandle(window), WM_CLOSE, 0, 0);
    }
    int count = 0;
    guitest::DrainEvents([&](int32_t event) { count += event == kEventCloseRequest ? 1 : 0; });
    return count;
}

TEST_F(EventTest, CloseRequestIsReportedOnceAndTheWindowStays) {
    PostMessageA(AppWindowHandle(1), WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForEventWhere([](int32_t e) { return e == kEventCloseRequest; }),
              kEventCloseRequest);
    EXPECT_EQ(LastEventWindow(), 1);
    EXPECT_TRUE(IsWindow(AppWindowHandle(1)));
    ASSERT_NE(CreateAppWindow(2, 0, 0, 100, 100, "zwei", 1), 0);
    guitest::DrainEvents();
    EXPECT_EQ(CloseRequestsReported({1, 1}), 1);
    EXPECT_EQ(CloseRequestsReported({1, 2, 1}), 3);
}

int g_timerCalls = 0;
void CALLBACK CountTick(HWND window, UINT, UINT_PTR id, DWORD) {
    ++g_timerCalls;
    KillTimer(window, id);
}

TEST_F(EventTest, TimerComesBackAs275AfterItsCallbackRan) {
    g_timerCalls = 0;
    ASSERT_NE(SetTimer(AppWindowHandle(1), 0, 20, CountTick), 0u);
    const int32_t firstAfterCallback = WaitForEventWhere([](int32_t) { return g_timerCalls > 0; });
    EXPECT_EQ(g_timerCalls, 1);
    EXPECT_EQ(firstAfterCallback, kEventTimer);
}

void PressTab() {
    PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
    guitest::DrainEvents();
}

TEST_F(EventTest, TabMovesTheFocusExceptOutOfAWritableEditor) {
    SetForegroundWindow(AppWindowHandle(1));
    SetActiveWindow(AppWindowHandle(1));
    ASSERT_EQ(GetActiveWindow(), AppWindowHandle(1));
    SetFocus(GadgetHandle(100));
    PressTab();
    EXPECT_EQ(GetFocus(), GadgetHandle(101));
    SetFocus(GadgetHandle(102));
    PressTab();
    EXPECT_EQ(GetFocus(), GadgetHandle(102));
}

} // namespace
