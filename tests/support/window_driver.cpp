#include "support/window_driver.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace driver {

namespace {

// The windows below the parent at any depth, visible ones unless `all`, in the order of their
// creation; without a parent, the process's visible top-level windows.
std::vector<HWND> Collected(DWORD processId, HWND parent, bool all = false) {
    std::vector<HWND> windows;
    for (HWND window = GetWindow(parent ? parent : GetDesktopWindow(), GW_CHILD); window;
         window = GetWindow(window, GW_HWNDNEXT)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if ((parent || owner == processId) && (all || IsWindowVisible(window))) {
            windows.push_back(window);
        }
        if (parent) {
            std::ranges::copy(Collected(processId, window, all), std::back_inserter(windows));
        }
    }
    return windows;
}

// The window's answer to a message. A window of this process answers when its thread next waits
// for messages: with a time-out its late answer could still write into a buffer given back. One of
// another process gets two seconds (its answers are copied, a late one is dropped), else 0.
LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    DWORD_PTR answer = 0;
    return process == GetCurrentProcessId() ? SendMessageA(window, message, wParam, lParam)
           : SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, 2000, &answer)
               ? static_cast<LRESULT>(answer)
               : 0;
}

std::string ClassOf(HWND window) {
    char name[256];
    return std::string(name, static_cast<size_t>(GetClassNameA(window, name, sizeof name)));
}

std::string Line(HWND control) {
    const std::string text = TextOf(control);
    const LONG kind = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
    if (text.empty() || lstrcmpiA(ClassOf(control).c_str(), "Button") != 0 || kind == BS_GROUPBOX) {
        return text;
    }
    const bool checked = Send(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON) {
        return (checked ? "(*) " : "( ) ") + text;
    }
    if (kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX) {
        return (checked ? "[x] " : "[ ] ") + text;
    }
    return "<" + text + ">";
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// Without a message: a thread of this process that waits for ours would never answer it.
std::string TitleOf(HWND window) {
    wchar_t wide[1024];
    char title[1024];
    return std::string(title,
                       WideCharToMultiByte(1252, 0, wide, InternalGetWindowText(window, wide, 1024),
                                           title, sizeof title, nullptr, nullptr));
}

} // namespace

std::string TextOf(HWND window) {
    // Far more than any text shown: a buffer that is too small yields nothing at all.
    std::string text(65536, '\0');
    Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(text.find('\0'));
    // Rich edit gives CR LF, other controls the lone CRs the product writes.
    for (size_t at = 0; (at = text.find('\r', at)) != std::string::npos; ++at) {
        text.replace(at, text.compare(at, 2, "\r\n") == 0 ? 2 : 1, "\n");
    }
    return text;
}

std::string Lines(HWND window) {
    std::string lines;
    for (HWND control : Collected(0, window)) {
        if (const std::string line = Line(control); !line.empty()) {
            lines += (lines.empty() ? "" : "\n") + line +
                     (IsWindowEnabled(control) ? "" : " (disabled)");
        }
    }
    return lines;
}

std::string Layout(HWND window) {
    RECT area{};
    GetWindowRect(window, &area);
    const bool centred =
        area.left == (GetSystemMetrics(SM_CXSCREEN) - area.right + area.left) / 2 &&
        area.top == (GetSystemMetrics(SM_CYSCREEN) - area.bottom + area.top) / 2;
    GetClientRect(window, &area);
    std::string layout = std::to_string(area.right) + " x " + std::to_string(area.bottom) +
                         (centred ? " centred:" : ":");
    for (HWND control : Collected(0, window, true)) {
        GetWindowRect(control, &area);
        MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&area), 2);
        layout += (layout.ends_with(':') ? " " : "|") + std::to_string(area.left) + " " +
                  std::to_string(area.top) + " " + std::to_string(area.right - area.left) + " " +
                  std::to_string(area.bottom - area.top);
    }
    return layout;
}

std::vector<std::string> Titles(DWORD processId) {
    std::vector<std::string> titles;
    std::ranges::transform(Collected(processId, nullptr), std::back_inserter(titles), TitleOf);
    return titles;
}

HWND Find(HWND window, const std::string& what) {
    for (HWND control : Collected(0, window)) {
        if (what.starts_with('#') ? GetDlgCtrlID(control) == std::atoi(what.c_str() + 1)
                                  : TextOf(control) == what) {
            return control;
        }
    }
    return nullptr;
}

bool Driver::Do(const Step& step) {
    const std::string in = " in " + Quoted(TitleOf(window_));
    if (step.action == "window") {
        return Await("a window " + Quoted(step.target) + " showing " + Quoted(step.text),
                     [&](std::string&) {
                         for (HWND window : Collected(processId_, nullptr)) {
                             if ((step.target.empty() || TitleOf(window) == step.target) &&
                                 (step.text.empty() || Find(window, step.text) != nullptr)) {
                                 window_ = window;
                                 return true;
                             }
                         }
                         return false;
                     });
    }
    if (step.action == "click") {
        HWND control = nullptr;
        return Await(Quoted(step.target) + " to be usable" + in,
                     [&](std::string&) {
                         control = Find(window_, step.target);
                         return control != nullptr && IsWindowEnabled(control);
                     }) &&
               (lstrcmpiA(ClassOf(control).c_str(), "Button") == 0
                    ? PostMessageA(control, BM_CLICK, 0, 0)
                    : PostMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(1, 1)));
    }
    if (step.action == "close") {
        PostMessageA(window_, WM_CLOSE, 0, 0);
        Sleep(500);
        return true;
    }
    if (step.action == "tree") {
        // The folder browser writes the name of the folder its tree selects into its edit field,
        // shown or not: a text any process can read, unlike the tree's items.
        HWND field = nullptr;
        for (HWND control : Collected(0, window_, true)) {
            field = lstrcmpiA(ClassOf(control).c_str(), "Edit") == 0 ? control : field;
        }
        return Await("the folder tree to select " + Quoted(step.target) + in,
                     [&](std::string& seen) { return (seen = TextOf(field)) == step.target; });
    }
    if (step.action == "await") {
        return Await(step.target + in + ":\n" + step.text,
                     [&](std::string& seen) { return (seen = step.look(window_)) == step.text; });
    }
    failure_ = "unknown step " + Quoted(step.action);
    return false;
}

bool Driver::Await(const std::string& what, const std::function<bool(std::string& seen)>& ready) {
    std::string seen;
    for (const ULONGLONG deadline = GetTickCount64() + timeoutMs_; !ready(seen); Sleep(50)) {
        const bool ended = WaitForSingleObject(process_.Get(), 0) == WAIT_OBJECT_0;
        if (ended || GetTickCount64() > deadline) {
            std::string shown;
            for (HWND window : Collected(processId_, nullptr)) {
                shown += "\nwindow " + Quoted(TitleOf(window)) + " (" + ClassOf(window) + "):\n" +
                         Lines(window);
            }
            failure_ = (ended ? "the program ended awaiting " : "waited in vain for ") + what +
                       (seen.empty() ? "" : "\nLast seen:\n" + seen) +
                       "\nThe windows show:" + (shown.empty() ? " none" : shown);
            return false;
        }
    }
    return true;
}

void PlayAround(const std::vector<Step>& steps, const std::function<void()>& run) {
    std::atomic<bool> returned = false, played = false;
    std::thread player([&] {
        Driver user;
        const bool done =
            std::ranges::all_of(steps, [&](const Step& step) { return user.Do(step); });
        if (!done || !user.Do({"await", "the program to return after the last step", "yes",
                               [&](HWND) { return returned ? "yes" : "no"; }})) {
            std::fprintf(stderr, "The user could not go on: %s\n", user.Failure().c_str());
            std::fflush(stderr);
            TerminateProcess(GetCurrentProcess(), 3);
        }
        played = true;
    });
    run();
    returned = true;
    // Windows of this thread that are still open answer the player until it is done; messages
    // posted to them stay queued.
    for (MSG message; !played; Sleep(10)) {
        PeekMessageA(&message, nullptr, WM_APP + 0x3FFF, WM_APP + 0x3FFF, PM_NOREMOVE);
    }
    player.join();
}

} // namespace driver
