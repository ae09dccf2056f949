// The owner of a modal requester and the thread's other windows that it must disable.
#pragma once

#include <windows.h>

#include <vector>

// The foreground window when it belongs to this process, else none.
HWND ModalOwner();

// Disables every visible, enabled top-level window of the calling thread except the owner for
// its lifetime, and enables exactly those windows again afterwards.
class ThreadWindowsDisabled {
  public:
    explicit ThreadWindowsDisabled(HWND owner);
    ThreadWindowsDisabled(const ThreadWindowsDisabled&) = delete;
    ThreadWindowsDisabled& operator=(const ThreadWindowsDisabled&) = delete;
    ~ThreadWindowsDisabled();

  private:
    std::vector<HWND> disabled_;
};
