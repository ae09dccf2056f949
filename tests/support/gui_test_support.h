// Helpers for driving the window layer inside the test process. Every wait has a time-out, so a
// missing event fails the test instead of hanging it.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace guitest {

// Leaves no window or image behind, and the event queue quiet.
class GuiTest : public ::testing::Test {
  protected:
    void TearDown() override;
};

// The progress window of an install run: read-only log field 100, finish button 101 and a
// writable editor 102.
class ProgressWindowTest : public GuiTest {
  protected:
    void SetUp() override;
};

// Calls WaitForEvent until an event satisfies `accept`; returns it, or -1 after five seconds.
int32_t WaitForEventWhere(const std::function<bool(int32_t)>& accept);

// Takes every pending event and waiting message; `seen` gets each event taken.
void DrainEvents(const std::function<void(int32_t)>& seen = {});

// All pixels of a bitmap, top-down, as 0x00RRGGBB.
std::vector<uint32_t> PixelsOfBitmap(HBITMAP bitmap, int width, int height);

// The pixels a control paints through WM_PRINTCLIENT onto a white ground, or (WM_ERASEBKGND) its
// background as it erases it.
std::vector<uint32_t> PrintedPixels(HWND control, int width, int height,
                                    UINT message = WM_PRINTCLIENT);

} // namespace guitest
