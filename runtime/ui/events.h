// The blocking event wait: window messages become a small set of event codes.
#pragma once

#include "runtime/ui/event_codes.h"

#include <cstdint>

// Waits without time-out for the next event and returns its code; every other message comes
// back with its own message code. Timer callbacks and sent messages run inside the wait.
int32_t WaitForEvent();
int32_t LastEventGadget();
int32_t LastEventWindow();
// Notification code of the last gadget event (0 for a link label click).
int32_t LastEventType();
