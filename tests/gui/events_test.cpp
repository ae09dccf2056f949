#include "gui_test_support.h"

#include "runtime/app_windows.h"
#include "runtime/event_queue.h"
#include "runtime/events.h"
#include "runtime/gadgets.h"

#include <gtest/gtest.h>
#include <richedit.h>

#include <vector>

namespace {

using guitest::WaitForEventWhere;

// The progress window of an install run: log field 100 and finish button 101.
class EventTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(CreateAppWindow(1, 0, 0, 300, 284, "Fortschritt ...", 1), 0);
        ASSERT_NE(AttachGadgetList(AppWindowHandle(1)), nullptr);
        ASSERT_NE(CreateEditorField(100, 10, 10, 280, 230, kEditorReadOnly), 0);
        ASSERT_NE(CreatePushButton(101, 10, 250, 280, 24, "Fertig"), 0);
        guitest::DrainEvents();
    }
    void TearDown() override {
        SetAppWindowHook(nullptr, -1);
        DestroyAppWindow(1);
        DestroyAppWindow(2);
        guitest::DrainEvents();
    }
    // Counts the events with that code until the queue is quiet.
    static int CountWhileDraining(int32_t code) {
        int count = 0;
        guitest::DrainEvents([&](int32_t event) { count += event == code ? 1 : 0; });
        return count;
    }
};

TEST(PendingEvents, ARepeatedPairIsQueuedOnceButInterleavedPairsAllStay) {
    PendingEventQueue queue;
    queue.Push({16, 0});
    queue.Push({16, 0});
    queue.Push({16, 1});
    queue.Push({16, 0});
    queue.Push({5, 0});
    const PendingEvent expected[] = {{16, 0}, {16, 1}, {16, 0}, {5, 0}};
    for (const PendingEvent& event : expected) {
        ASSERT_FALSE(queue.Empty());
        EXPECT_EQ(queue.Pop(), event);
    }
    EXPECT_TRUE(queue.Empty());
    // Once taken, the same pair may come again.
    queue.Push({5, 0});
    EXPECT_FALSE(queue.Empty());
}

TEST_F(EventTest, FinishButtonClickIsAGadgetEventOfGadget101) {
    PostMessageA(GadgetHandle(101), BM_CLICK, 0, 0);
    const int32_t event =
        WaitForEventWhere([](int32_t e) { return e == kEventGadget && LastEventGadget() == 101; });
    EXPECT_EQ(event, kEventGadget);
    EXPECT_EQ(LastEventWindow(), 1);
    EXPECT_EQ(LastEventType(), BN_CLICKED);
}

TEST_F(EventTest, ClickIntoTheLogFieldIsAGadgetEventOfGadget100) {
    SetFocus(GadgetHandle(101));
    guitest::DrainEvents();
    HWND editor = GadgetHandle(100);
    PostMessageA(editor, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(editor, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    const int32_t event =
        WaitForEventWhere([](int32_t e) { return e == kEventGadget && LastEventGadget() == 100; });
    EXPECT_EQ(event, kEventGadget);
    EXPECT_EQ(LastEventType(), EN_SETFOCUS);
    EXPECT_EQ(LastEventWindow(), 1);
}

TEST_F(EventTest, CloseRequestIsReportedOnceAndTheWindowStays) {
    PostMessageA(AppWindowHandle(1), WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForEventWhere([](int32_t e) { return e == kEventCloseRequest; }),
              kEventCloseRequest);
    EXPECT_EQ(LastEventWindow(), 1);
    EXPECT_TRUE(IsWindow(AppWindowHandle(1)));
    EXPECT_EQ(AppWindowExists(1), 1);
    EXPECT_EQ(CountWhileDraining(kEventCloseRequest), 0);
}

TEST_F(EventTest, RepeatedCloseRequestIsNotQueuedTwice) {
    ASSERT_NE(CreateAppWindow(2, 0, 0, 100, 100, "zwei", 1), 0);
    guitest::DrainEvents();
    SendMessageA(AppWindowHandle(1), WM_CLOSE, 0, 0);
    SendMessageA(AppWindowHandle(1), WM_CLOSE, 0, 0);
    EXPECT_EQ(CountWhileDraining(kEventCloseRequest), 1);

    // Only the newest waiting pair is compared: 1, 2, 1 are three requests.
    SendMessageA(AppWindowHandle(1), WM_CLOSE, 0, 0);
    SendMessageA(AppWindowHandle(2), WM_CLOSE, 0, 0);
    SendMessageA(AppWindowHandle(1), WM_CLOSE, 0, 0);
    EXPECT_EQ(guitest::NextEvent(), kEventCloseRequest);
    EXPECT_EQ(LastEventWindow(), 1);
    EXPECT_EQ(guitest::NextEvent(), kEventCloseRequest);
    EXPECT_EQ(LastEventWindow(), 2);
    EXPECT_EQ(guitest::NextEvent(), kEventCloseRequest);
    EXPECT_EQ(LastEventWindow(), 1);
}

int g_timerCalls = 0;
void CALLBACK CountTick(HWND window, UINT, UINT_PTR id, DWORD) {
    ++g_timerCalls;
    KillTimer(window, id);
}

TEST_F(EventTest, TimerComesBackAs275AfterItsCallbackRan) {
    g_timerCalls = 0;
    ASSERT_NE(SetTimer(AppWindowHandle(1), 0, 20, CountTick), 0u);
    int32_t firstAfterCallback = -1;
    WaitForEventWhere([&](int32_t event) {
        if (g_timerCalls == 1) {
            firstAfterCallback = event;
            return true;
        }
        return false;
    });
    EXPECT_EQ(g_timerCalls, 1);
    EXPECT_EQ(firstAfterCallback, kEventTimer);
}

TEST_F(EventTest, OtherMessagesComeBackWithTheirOwnCode) {
    PostMessageA(AppWindowHandle(1), WM_USER + 3, 0, 0);
    EXPECT_EQ(WaitForEventWhere([](int32_t e) { return e == WM_USER + 3; }), WM_USER + 3);
    PostMessageA(AppWindowHandle(1), WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
    EXPECT_EQ(WaitForEventWhere([](int32_t e) { return e == WM_MOUSEMOVE; }), WM_MOUSEMOVE);
}

TEST_F(EventTest, MoveResizeAndActivationAreQueuedInArrivalOrder) {
    HWND window = AppWindowHandle(1);
    SetWindowPos(window, nullptr, 5, 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(window, nullptr, 0, 0, 320, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(window, WM_ACTIVATE, WA_ACTIVE, 0);
    SendMessageA(window, WM_ACTIVATE, WA_INACTIVE, 0);
    SendMessageA(window, WM_SIZE, SIZE_MINIMIZED, 0);
    std::vector<int32_t> events;
    while (events.size() < 20) {
        const int32_t event = guitest::NextEvent();
        if (event == kEventRepaint) {
            continue;
        }
        if (event != kEventWindowMoved && event != kEventWindowResized &&
            event != kEventWindowActivated) {
            break;
        }
        EXPECT_EQ(LastEventWindow(), 1);
        events.push_back(event);
    }
    const std::vector<int32_t> expected = {kEventWindowMoved, kEventWindowResized,
                                           kEventWindowActivated};
    EXPECT_EQ(events, expected);
}

TEST_F(EventTest, MenuCommandIsEvent13101) {
    PostMessageA(AppWindowHandle(1), WM_COMMAND, MAKEWPARAM(7, 0), 0);
    EXPECT_EQ(WaitForEventWhere([](int32_t e) { return e == kEventMenu; }), kEventMenu);
    EXPECT_EQ(LastEventWindow(), 1);
}

LRESULT AnswerPing(HWND, UINT message, WPARAM, LPARAM) {
    if (message == WM_USER + 5) {
        return 42;
    }
    return message == WM_CLOSE ? 0 : kProcessNormally;
}
LRESULT AnswerGlobally(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_USER + 5 ? 7 : kProcessNormally;
}

TEST_F(EventTest, WindowCallbackComesFirstAndGlobalCallbackCoversTheRest) {
    ASSERT_NE(CreateAppWindow(2, 0, 0, 100, 100, "zwei", 1), 0);
    SetAppWindowHook(AnswerPing, 1);
    SetAppWindowHook(AnswerGlobally, -1);
    EXPECT_EQ(SendMessageA(AppWindowHandle(1), WM_USER + 5, 0, 0), 42);
    EXPECT_EQ(SendMessageA(AppWindowHandle(2), WM_USER + 5, 0, 0), 7);
    // A handled close request never reaches the layer.
    SendMessageA(AppWindowHandle(1), WM_CLOSE, 0, 0);
    EXPECT_EQ(CountWhileDraining(kEventCloseRequest), 0);
    SetAppWindowHook(nullptr, 1);
    EXPECT_EQ(SendMessageA(AppWindowHandle(1), WM_USER + 5, 0, 0), 7);
}

TEST_F(EventTest, CreatingAnEditorFirstTakesTheWaitingMessages) {
    PostMessageA(AppWindowHandle(1), WM_USER + 9, 0, 0);
    ASSERT_NE(CreateEditorField(102, 0, 0, 50, 50), 0);
    MSG message{};
    EXPECT_FALSE(PeekMessageA(&message, nullptr, WM_USER + 9, WM_USER + 9, PM_NOREMOVE));
}

HWND g_colouredControl = nullptr;
LRESULT NoteColourRequests(HWND, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_CTLCOLORSTATIC) {
        g_colouredControl = reinterpret_cast<HWND>(lParam);
    }
    return kProcessNormally;
}

TEST_F(EventTest, GadgetsInNestedContainersReportToTheirWindow) {
    ASSERT_NE(CreateContainerPanel(30, 0, 0, 200, 200, 1), 0);
    ASSERT_NE(CreateContainerPanel(31, 5, 5, 150, 150, 1), 0);
    ASSERT_NE(CreatePushButton(32, 5, 5, 80, 24, "Weiter"), 0);
    ASSERT_NE(CreateTextLabel(33, 5, 40, 80, 24, "Nachricht"), 0);
    CloseGadgetContainer();
    CloseGadgetContainer();
    guitest::DrainEvents();

    PostMessageA(GadgetHandle(32), BM_CLICK, 0, 0);
    EXPECT_EQ(
        WaitForEventWhere([](int32_t e) { return e == kEventGadget && LastEventGadget() == 32; }),
        kEventGadget);
    EXPECT_EQ(LastEventWindow(), 1);

    // The window's callback chooses the colours of texts inside its containers.
    g_colouredControl = nullptr;
    SetAppWindowHook(NoteColourRequests, 1);
    InvalidateRect(GadgetHandle(33), nullptr, TRUE);
    UpdateWindow(GadgetHandle(33));
    EXPECT_EQ(g_colouredControl, GadgetHandle(33));
    SetAppWindowHook(nullptr, 1);
}

class TabTest : public EventTest {
  protected:
    void SetUp() override {
        EventTest::SetUp();
        ASSERT_NE(CreateEditorField(102, 10, 10, 100, 50), 0); // writable
        HWND window = AppWindowHandle(1);
        SetForegroundWindow(window);
        SetActiveWindow(window);
        guitest::DrainEvents();
    }
    static void PressTab(bool shift) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        const BYTE saved = keys[VK_SHIFT];
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
        guitest::DrainEvents();
        keys[VK_SHIFT] = saved;
        SetKeyboardState(keys);
    }
};

TEST_F(TabTest, TabAndShiftTabMoveTheFocusBetweenGadgets) {
    ASSERT_EQ(GetActiveWindow(), AppWindowHandle(1));
    SetFocus(GadgetHandle(100));
    ASSERT_EQ(GetFocus(), GadgetHandle(100));
    PressTab(false);
    EXPECT_EQ(GetFocus(), GadgetHandle(101));
    PressTab(true);
    EXPECT_EQ(GetFocus(), GadgetHandle(100));
}

TEST_F(TabTest, PlainTabStaysInAWritableEditor) {
    ASSERT_EQ(GetActiveWindow(), AppWindowHandle(1));
    SetFocus(GadgetHandle(102));
    ASSERT_EQ(GetFocus(), GadgetHandle(102));
    PressTab(false);
    EXPECT_EQ(GetFocus(), GadgetHandle(102));
    PressTab(true);
    EXPECT_NE(GetFocus(), GadgetHandle(102));
}

} // namespace
