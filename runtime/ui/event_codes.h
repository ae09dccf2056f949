// The codes WaitForEvent returns for the layer's own events; every other message comes back
// with its own message code.
#pragma once

#include <cstdint>

constexpr int32_t kEventWindowMoved = 3;
constexpr int32_t kEventWindowResized = 5;
constexpr int32_t kEventRepaint = 15;
constexpr int32_t kEventCloseRequest = 16;
constexpr int32_t kEventTimer = 275; // WM_TIMER, returned as the raw message
constexpr int32_t kEventGadget = 13100;
constexpr int32_t kEventMenu = 13101;
constexpr int32_t kEventWindowActivated = 13104;
