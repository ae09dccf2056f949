#include "support/window_driver.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>

namespace driver {

namespace {

struct Collection {
    DWORD processId; // 0: any, for the windows below a parent
    bool visibleOnly;
    std::vector<HWND> windows;
};

BOOL CALLBACK Collect(HWND window, LPARAM context) {
    auto* collection = reinterpret_cast<Collection*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if ((collection->processId == 0 || owner == collection->processId) &&
        (!collection->visibleOnly || IsWindowVisible(window))) {
        collection->windows.push_back(window);
    }
    return TRUE;
}

// The process's top-level windows, or the windows below the parent at any depth, in the order
// of their creation.
std::vector<HWND> Collected(DWORD processId, HWND parent, bool visibleOnly = true) {
    Collection collection{parent ? 0 : processId, visibleOnly, {}};
    const auto context = reinterpret_cast<LPARAM>(&collection);
    parent ? EnumChildWindows(parent, Collect, context) : EnumWindows(Collect, context);
    return collection.windows;
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

std::string Line(HWND control) {
    const std::string text = TextOf(control);
    if (text.empty() || lstrcmpiA(ClassOf(control).c_str(), "Button") != 0) {
        return text;
    }
    const bool checked = Send(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
    const LONG kind = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
    if (kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON) {
        return (checked ? "(*) " : "( ) ") + text;
    }
    if (kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX) {
        return (checked ? "[x] " : "[ ] ") + text;
    }
    return kind == BS_GROUPBOX ? text : "<" + text + ">";
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

std::string ClassOf(HWND window) {
    char name[256];
    return std::string(name, static_cast<size_t>(GetClassNameA(window, name, sizeof name)));
}

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
    for (HWND control : Collected(0, window, false)) {
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
    for (HWND window : Collected(processId, nullptr)) {
        titles.push_back(TitleOf(window));
    }
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

Driver::Driver(DWORD processId, DWORD timeoutMs)
    : processId_(processId),
      process_(OpenProcess(SYNCHRONIZE | PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE,
                           FALSE, processId)),
      timeoutMs_(timeoutMs) {}

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
        HWND tree = nullptr;
        for (HWND control : Collected(0, window_)) {
            tree = ClassOf(control) == WC_TREEVIEWA ? control : tree;
        }
        return Await("the folder tree to select " + Quoted(step.target) + in,
                     [&](std::string& seen) { return (seen = TreeLabel(tree)) == step.target; });
    }
    if (step.action == "await") {
        return Await(step.target + in + ":\n" + step.text,
                     [&](std::string& seen) { return (seen = step.look(window_)) == step.text; });
    }
    failure_ = "unknown step " + Quoted(step.action);
    return false;
}

std::string Driver::Seen() const {
    std::string seen;
    for (HWND window : Collected(processId_, nullptr)) {
        std::string lines = "\n" + Lines(window);
        for (size_t at = 0; (at = lines.find('\n', at)) != std::string::npos; at += 5) {
            lines.replace(at, 1, "\n    ");
        }
        seen += "window " + Quoted(TitleOf(window)) + " (" + ClassOf(window) + ")" + lines + "\n";
    }
    return seen.empty() ? "no window\n" : seen;
}

bool Driver::Await(const std::string& what, const std::function<bool(std::string& seen)>& ready) {
    std::string seen;
    for (const ULONGLONG deadline = GetTickCount64() + timeoutMs_; !ready(seen); Sleep(50)) {
        const bool ended = WaitForSingleObject(process_.Get(), 0) == WAIT_OBJECT_0;
        if (ended || GetTickCount64() > deadline) {
            failure_ = (ended ? "the program ended awaiting " : "waited in vain for ") + what +
                       (seen.empty() ? "" : "\nLast seen:\n" + seen) + "\nThe windows show:\n" +
                       Seen();
            return false;
        }
    }
    return true;
}

std::string Driver::TreeLabel(HWND tree) {
    const auto item = static_cast<LPARAM>(Send(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    // Tree-view requests carry pointers, which Windows does not copy between processes: the
    // request lives in the driven process's memory, kept until the end in case of a late answer.
    constexpr size_t kLabelSize = 520;
    if (remote_ == nullptr) {
        remote_ = static_cast<char*>(VirtualAllocEx(
            process_.Get(), nullptr, sizeof(TVITEMA) + kLabelSize, MEM_COMMIT, PAGE_READWRITE));
    }
    char label[kLabelSize] = {};
    TVITEMA request{};
    request.mask = TVIF_TEXT;
    request.hItem = reinterpret_cast<HTREEITEM>(item);
    request.pszText = remote_ + sizeof(TVITEMA);
    request.cchTextMax = kLabelSize - 1;
    const bool read =
        remote_ != nullptr && item != 0 &&
        WriteProcessMemory(process_.Get(), remote_, &request, sizeof request, nullptr) &&
        Send(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote_)) &&
        ReadProcessMemory(process_.Get(), request.pszText, label, kLabelSize - 1, nullptr);
    return read ? label : "";
}

Driver::~Driver() {
    if (remote_ != nullptr) {
        VirtualFreeEx(process_.Get(), remote_, 0, MEM_RELEASE);
    }
}

void PlayOrEnd(const std::vector<Step>& steps, const std::atomic<bool>& returned) {
    Driver user;
    bool played = true;
    for (size_t step = 0; step < steps.size() && played; ++step) {
        played = user.Do(steps[step]);
    }
    if (!played || !user.Do({"await", "the program to return after the last step", "yes",
                             [&](HWND) { return returned ? "yes" : "no"; }})) {
        std::fprintf(stderr, "The user could not go on: %s\n", user.Failure().c_str());
        std::fflush(stderr);
        TerminateProcess(GetCurrentProcess(), 3);
    }
}

} // namespace driver
