// The blocking event wait: window messages become a small set of event codes.
#pragma once

#include <windows.h>

#include <cstdint>

constexpr int32_t kEventWindowMoved = 3;
constexpr int32_t kEventWindowResized = 5;
constexpr int32_t kEventRepaint = 15;
constexpr int32_t kEventCloseRequest = 16;
constexpr int32_t kEventTimer = 275; // WM_TIMER, returned as the raw message
constexpr int32_t kEventGadget = 13100;
constexpr int32_t kEventMenu = 13101;
constexpr int32_t kEventWindowActivated = 13104;

// Waits without time-out for the next event and returns its code; every other message comes
// back with its own message code. Timer callbacks and sent messages run inside the wait.
int32_t WaitForEvent();
int32_t LastEventGadget();
int32_t LastEventWindow();
// Notification code of the last gadget event (0 for a link label click).
int32_t LastEventType();

// For the rest of the layer.
// The layer's handling of a message to one of its windows, after the window's callback.
LRESULT HandleAppWindowMessage(int32_t windowNumber, HWND window, UINT message, WPARAM wParam,
                               LPARAM lParam);
// Records a gadget event that the next return of WaitForEvent reports.
void RaiseGadgetEvent(int32_t windowNumber, int32_t gadgetNumber, int32_t type);
// Dispatches every message already waiting and forgets an event that was being reported.
void DispatchWaitingMessages();
// Makes sure the Tab and Shift+Tab accelerators exist.
void PrepareWindowAccelerators();
// Forgets pending events and frees the accelerators (end of the program).
void ResetEventState();
