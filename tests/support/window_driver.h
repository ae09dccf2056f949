// Plays the user of one process's windows, from another thread of that process or from another
// process: finds windows and controls by title, text or id, reads their texts and states, posts
// clicks (an event loop that acts when its message wait returns never sees a sent one), gives
// every wait a deadline, and when a wait fails says what the windows showed.
#pragma once

#include "runtime/system/owned_handle.h"

#include <functional>
#include <string>
#include <vector>

namespace driver {

// One thing the user does or looks for, by `action`:
//   window <title>  await a visible window of that title ("" for any) that has a control
//                   reading `text` (if given); it becomes the current window
//   click <what>    await the current window's enabled control reading <what> ("#12": with that
//                   id) and click it: a button by BM_CLICK, anything else by a mouse release
//   close           post a close request to the current window and give it time to act
//   tree <label>    await the current window's folder tree to select <label>
//   await <what>    await look(current window) to give `text` (checks of this process's tests)
struct Step {
    std::string action;
    std::string target = "";
    std::string text = "";
    std::function<std::string(HWND)> look = nullptr;
};

// The window's text with LF line ends; "" when another process's window does not answer within
// two seconds.
std::string TextOf(HWND window);
// How the window's visible controls read, in the order of their creation, one a line: a text as
// it stands, an option "( ) caption" or "(*) caption", a check box "[ ] caption" or "[x] caption",
// a button "<caption>"; " (disabled)" follows a control that cannot be used. Controls without a
// text are left out.
std::string Lines(HWND window);
// The window's client size, whether it is centred on the screen, and where every control below
// it lies, in the order of their creation: "width x height centred: x y width height|..." (each in
// its parent's client area).
std::string Layout(HWND window);
// The titles of the process's visible top-level windows.
std::vector<std::string> Titles(DWORD processId = GetCurrentProcessId());
// The window's visible control, at any depth, that reads `what` ("#12": with that id), or null.
HWND Find(HWND window, const std::string& what);

class Driver {
  public:
    explicit Driver(DWORD processId = GetCurrentProcessId(), DWORD timeoutMs = 15000)
        : processId_(processId), process_(OpenProcess(SYNCHRONIZE, FALSE, processId)),
          timeoutMs_(timeoutMs) {}

    // Does the step; false when it cannot be done in time, and Failure() says why.
    bool Do(const Step& step);
    const std::string& Failure() const { return failure_; }
    HWND Window() const { return window_; }

  private:
    // `ready` may describe what it sees, for the message when the time is up, which also tells
    // every visible window of the process: title, class and Lines().
    bool Await(const std::string& what, const std::function<bool(std::string& seen)>& ready);

    DWORD processId_;
    OwnedHandle process_;
    DWORD timeoutMs_;
    HWND window_ = nullptr;
    std::string failure_;
};

// Runs `run` on this thread while a second one plays the steps. When a step fails, or `run` has
// not returned 15 s after the last step, it prints why and ends the process, which would
// otherwise wait for ever.
void PlayAround(const std::vector<Step>& steps, const std::function<void()>& run);

// PlayAround for a `run` that returns something; what it returned.
template <typename Run> auto PlayWhile(const std::vector<Step>& steps, Run run) {
    decltype(run()) result{};
    PlayAround(steps, [&] { result = run(); });
    return result;
}

} // namespace driver
