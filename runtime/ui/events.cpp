#include "runtime/ui/events.h"

#include "runtime/ui/event_state.h"
#include "runtime/ui/focus_keys.h"
#include "runtime/ui/gadgets.h"

#include <windows.h>

int32_t WaitForEvent() {
    if (HasQueuedEvent()) {
        return TakeQueuedEvent();
    }
    AttachTooltipsWhenWanted();
    MSG message{};
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == -1) {
        return 0;
    }
    if (got == 0) {
        return WM_QUIT;
    }
    NotePointerMove(message);
    if (!HandledAsAccelerator(message)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    if (const int32_t raised = TakeRaisedEvent(); raised != 0) {
        return raised;
    }
    // A message whose handling queued events (a posted close request, say) is reported as that
    // event, with its window, instead of twice: once raw and once from the queue.
    if (HasQueuedEvent()) {
        return TakeQueuedEvent();
    }
    return static_cast<int32_t>(message.message);
}

int32_t LastEventGadget() {
    return LastEvent().gadget;
}
int32_t LastEventWindow() {
    return LastEvent().window;
}
int32_t LastEventType() {
    return LastEvent().type;
}
