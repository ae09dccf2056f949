#include "runtime/ui/event_state.h"

#include "runtime/ui/event_codes.h"
#include "runtime/ui/event_queue.h"

#include <windows.h>

#include <utility>

namespace {

EventRecord g_last;
int32_t g_raised = 0; // set while a message is handled, cleared when reported
PendingEventQueue g_queued;

} // namespace

const EventRecord& LastEvent() {
    return g_last;
}

void RaiseWindowEvent(int32_t code, int32_t windowNumber) {
    g_raised = code;
    g_last.window = windowNumber;
}

void RaiseGadgetEvent(int32_t windowNumber, int32_t gadgetNumber, int32_t type) {
    g_raised = kEventGadget;
    g_last.window = windowNumber;
    g_last.gadget = gadgetNumber;
    g_last.type = type;
}

int32_t TakeRaisedEvent() {
    return std::exchange(g_raised, 0);
}

void QueueWindowEvent(int32_t code, int32_t windowNumber) {
    g_queued.Push({code, windowNumber});
}

bool HasQueuedEvent() {
    return !g_queued.Empty();
}

int32_t TakeQueuedEvent() {
    const PendingEvent event = g_queued.Pop();
    g_last.window = event.window;
    return event.code;
}

void DispatchWaitingMessages() {
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    g_raised = 0;
}

void ResetEventState() {
    g_queued.Clear();
    g_last = EventRecord{};
    g_raised = 0;
}
