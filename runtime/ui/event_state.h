// What the event wait reports, shared with the window procedures that produce it: the event
// raised while a message is handled, the events queued behind it, and what the last reported
// event was about.
#pragma once

#include <cstdint>

struct EventRecord {
    int32_t window = 0;
    int32_t gadget = 0;
    int32_t type = 0;
};

// Window, gadget and notification type of the last event.
const EventRecord& LastEvent();

// Raises the event that the current return of WaitForEvent reports.
void RaiseWindowEvent(int32_t code, int32_t windowNumber);
void RaiseGadgetEvent(int32_t windowNumber, int32_t gadgetNumber, int32_t type);
// The raised event's code, which is then cleared; 0 when none was raised.
int32_t TakeRaisedEvent();

// Queues an event behind the one being reported; a pair equal to the newest queued one is
// queued once.
void QueueWindowEvent(int32_t code, int32_t windowNumber);
bool HasQueuedEvent();
// The oldest queued event's code; its window becomes the event window. Call only when one waits.
int32_t TakeQueuedEvent();

// Dispatches every message already waiting and forgets an event that was being raised.
void DispatchWaitingMessages();
// Forgets queued events and the last event (end of the program).
void ResetEventState();
