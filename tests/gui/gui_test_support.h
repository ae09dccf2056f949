// Helpers for driving the window layer inside the test process. Every wait has a time-out, so a
// missing event fails the test instead of hanging it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace guitest {

constexpr DWORD kEventTimeoutMs = 5000;

// Calls WaitForEvent until an event satisfies `accept`; returns that event, or -1 when the time
// runs out. A thread timer keeps the wait from blocking longer than a tick.
int32_t WaitForEventWhere(const std::function<bool(int32_t)>& accept,
                          DWORD timeoutMs = kEventTimeoutMs);

// The next event, or 275 when none comes within a timer tick.
int32_t NextEvent();

// Takes every pending event and waiting message, so a test starts from a quiet queue; `seen`
// gets each event taken.
void DrainEvents(const std::function<void(int32_t)>& seen = {});

// All pixels of a bitmap, top-down, as 0x00RRGGBB.
std::vector<uint32_t> PixelsOfBitmap(HBITMAP bitmap, int width, int height);

// Paints a control into a memory bitmap through WM_PRINTCLIENT; the caller deletes it.
HBITMAP PrintControl(HWND control, int width, int height);

} // namespace guitest
