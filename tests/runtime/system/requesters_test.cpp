#include "runtime/system/owned_handle.h"
#include "runtime/system/requesters.h"
#include "support/window_driver.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

// A requester keeps the thread's other windows disabled while it shows. (The folder chooser does
// so the same way; what it gives back the install runs prove.)
TEST(Requesters, AMessageShowsBothLinesAndDisablesTheThreadsOtherWindowsMeanwhile) {
    const auto window = [] {
        return OwnedWindow(CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 10, 10, 100,
                                           100, nullptr, nullptr, nullptr, nullptr));
    };
    const OwnedWindow other = window(), owner = window();
    // The box's owner is the foreground window; the system itself disables that one.
    SetForegroundWindow(owner.Get());
    ASSERT_EQ(GetForegroundWindow(), owner.Get());
    driver::PlayWhile(
        {{"window", "Achtung", "Erste Zeile\nZweite Zeile"},
         {"await", "the thread's other window", "disabled",
          [&](HWND) { return IsWindowEnabled(other.Get()) ? "enabled" : "disabled"; }},
         {"click", "#1"}},
        [] { return ShowMessage("Achtung", "Erste Zeile\rZweite Zeile"), 0; });
    EXPECT_TRUE(IsWindowEnabled(other.Get()));
}

} // namespace
