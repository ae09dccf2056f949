#include "runtime/ui/gadget_list.h"

#include <commctrl.h>

#include <map>
#include <vector>

namespace {

struct GadgetList {
    HWND parent = nullptr;
    std::vector<HWND> enclosing; // parents of the open containers, outermost first
    HFONT defaultFont = nullptr; // nullptr: the stock DEFAULT_GUI_FONT
    bool lastWasOption = false;
};

GadgetList g_list;
// One tooltip window per top-level window. The tooltip is owned by that window, so the system
// destroys it together with the window; entries of windows that are gone are dropped.
std::map<HWND, HWND> g_tooltips;

} // namespace

HWND AttachGadgetList(HWND window) {
    if (window == nullptr || !IsWindow(window)) {
        return nullptr;
    }
    g_list.parent = window;
    g_list.enclosing.clear();
    return window;
}

void CloseGadgetContainer() {
    if (g_list.enclosing.empty()) {
        return;
    }
    g_list.parent = g_list.enclosing.back();
    g_list.enclosing.pop_back();
}

HWND CurrentGadgetParent() {
    return g_list.parent != nullptr && IsWindow(g_list.parent) ? g_list.parent : nullptr;
}

void EnterGadgetContainer(HWND panel) {
    g_list.enclosing.push_back(g_list.parent);
    g_list.parent = panel;
}

HFONT DefaultGadgetFont() {
    return g_list.defaultFont != nullptr ? g_list.defaultFont
                                         : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void SetDefaultGadgetFont(HFONT font) {
    g_list.defaultFont = font;
}

bool LastGadgetWasOption() {
    return g_list.lastWasOption;
}

void NoteGadgetCreated(bool wasOption) {
    g_list.lastWasOption = wasOption;
}

HWND TooltipWindowFor(HWND gadget) {
    HWND root = GetAncestor(gadget, GA_ROOT);
    if (root == nullptr) {
        return nullptr;
    }
    for (auto it = g_tooltips.begin(); it != g_tooltips.end();) {
        it = IsWindow(it->first) ? std::next(it) : g_tooltips.erase(it);
    }
    auto found = g_tooltips.find(root);
    if (found != g_tooltips.end() && IsWindow(found->second)) {
        return found->second;
    }
    HWND tooltip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, root, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
    if (tooltip == nullptr) {
        return nullptr;
    }
    g_tooltips.insert_or_assign(root, tooltip);
    return tooltip;
}

void ResetGadgetList() {
    g_list = GadgetList{};
    g_tooltips.clear();
}
