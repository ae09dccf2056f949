#include "runtime/ui/gadgets.h"

#include "runtime/base/colours.h"
#include "runtime/base/never_destroyed.h"
#include "runtime/ui/common_controls.h"
#include "runtime/ui/container_panel.h"
#include "runtime/ui/event_state.h"
#include "runtime/ui/gadget_table.h"
#include "runtime/ui/link_label.h"

#include <commctrl.h>
#include <richedit.h>

#include <vector>

namespace {

struct GadgetBlueprint {
    GadgetKind kind;
    const char* className;
    DWORD style;
    DWORD exStyle;
};

// Creates the control under the number in the current gadget list, with the default font.
// Returns the handle (fixed number) or allocated number, or 0 with nothing left behind.
int32_t CreateGadget(int32_t number, const GadgetBlueprint& blueprint, const Text& text, int32_t x,
                     int32_t y, int32_t width, int32_t height, HWND* created = nullptr) {
    HWND parent = CurrentGadgetParent();
    if (parent == nullptr || blueprint.className == nullptr) {
        return 0;
    }
    const int32_t claimed = GadgetTable().Claim(number);
    if (claimed < 0) {
        return 0;
    }
    PurgeDestroyedGadgets();
    // The control identifier is the gadget number.
    HWND handle = CreateWindowExA(blueprint.exStyle, blueprint.className, text.c_str(),
                                  blueprint.style, x, y, width, height, parent,
                                  reinterpret_cast<HMENU>(static_cast<intptr_t>(claimed)),
                                  GetModuleHandleA(nullptr), nullptr);
    if (handle == nullptr) {
        return 0;
    }
    GadgetTable().Store(claimed, Gadget{OwnedWindow(handle), blueprint.kind});
    SendMessageA(handle, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultGadgetFont()), 0);
    NoteGadgetCreated(blueprint.kind == GadgetKind::Option);
    if (created != nullptr) {
        *created = handle;
    }
    return CreateResult(number, claimed, handle);
}

constexpr DWORD kChildVisible = WS_CHILD | WS_VISIBLE;

// A CR LF pair of the text as read becomes its CR alone.
void DropLineFeedsAfterReturns(Text& text) {
    size_t kept = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n' || i == 0 || text[i - 1] != '\r') {
            text[kept++] = text[i];
        }
    }
    text.resize(kept);
}

// Tooltips given before the common controls were started. They wait until the pointer first
// moves over one of their gadgets: loading the common controls costs time and a few MiB, which a
// run in which nobody points at such a gadget never needs.
struct WaitingTooltip {
    int32_t gadget;
    HWND handle;
    Text text;
};
NeverDestroyed<std::vector<WaitingTooltip>> g_waitingTooltips;
bool g_tooltipWanted = false;

bool IsWaitingTooltipGadget(HWND handle) {
    for (const WaitingTooltip& waiting : *g_waitingTooltips) {
        if (waiting.handle == handle && GadgetHandle(waiting.gadget) == handle) {
            return true;
        }
    }
    return false;
}

// One tooltip per gadget, in the tooltip window of its top-level window.
int32_t AttachTooltip(HWND handle, const Text& text) {
    HWND tooltip = TooltipWindowFor(handle);
    if (tooltip == nullptr) {
        return 0;
    }
    TTTOOLINFOA tool{};
    // The short layout is understood by every comctl32 version.
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(handle);
    tool.uId = reinterpret_cast<UINT_PTR>(handle);
    SendMessageA(tooltip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    Text copy = text;
    tool.lpszText = copy.data();
    return SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool)) != 0 ? 1 : 0;
}

// A tooltip learns of the pointer from its gadget's mouse messages; the move that brought the
// pointer there came before the tooltip existed, so the gadget's tooltip is told of it now.
void RelayPointerPosition(HWND handle) {
    POINT position{};
    if (!GetCursorPos(&position) || WindowFromPoint(position) != handle) {
        return;
    }
    HWND tooltip = TooltipWindowFor(handle);
    if (tooltip == nullptr) {
        return;
    }
    MSG move{};
    move.hwnd = handle;
    move.message = WM_MOUSEMOVE;
    move.time = static_cast<DWORD>(GetMessageTime());
    move.pt = position;
    ScreenToClient(handle, &position);
    move.lParam = MAKELPARAM(position.x, position.y);
    SendMessageA(tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
}

} // namespace

int32_t CreateEditorField(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                          int32_t flags) {
    DispatchWaitingMessages();
    DWORD style = kChildVisible | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | ES_MULTILINE |
                  ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL | ES_WANTRETURN;
    if (flags & kEditorReadOnly) {
        style |= ES_READONLY;
    }
    HWND editor = nullptr;
    const int32_t result =
        CreateGadget(number, {GadgetKind::Editor, RichEditClassName(), style, WS_EX_CLIENTEDGE}, "",
                     x, y, width, height, &editor);
    if (result != 0) {
        SendMessageA(editor, EM_EXLIMITTEXT, 0, 0x7FFFFFFE); // no practical limit
    }
    return result;
}

int32_t CreatePushButton(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                         const Text& text) {
    return CreateGadget(
        number,
        {GadgetKind::Button, "Button", kChildVisible | WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON, 0},
        text, x, y, width, height);
}

int32_t CreateTextLabel(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                        const Text& text, int32_t flags) {
    const DWORD alignment = (flags & kLabelCentred) ? SS_CENTER : SS_LEFT;
    return CreateGadget(number,
                        {GadgetKind::Label, "Static", kChildVisible | WS_GROUP | alignment, 0},
                        text, x, y, width, height);
}

int32_t CreateLinkLabel(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                        const Text& text, int32_t hoverColour, int32_t flags) {
    HWND label = nullptr;
    const int32_t result = CreateGadget(number, {GadgetKind::Link, "STATIC", WS_CHILD, 0}, text, x,
                                        y, width, height, &label);
    if (result == 0) {
        return 0;
    }
    MakeLinkLabel(label, ColourRefOf(hoverColour), flags);
    ShowWindow(label, SW_SHOW);
    return result;
}

int32_t CreatePictureBox(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                         HANDLE image) {
    // A static shows an image set with STM_SETIMAGE only with the matching picture style.
    const bool isBitmap = image == nullptr || GetObjectType(image) == OBJ_BITMAP;
    const DWORD pictureStyle = isBitmap ? SS_BITMAP : SS_ICON;
    HWND picture = nullptr;
    const int32_t result = CreateGadget(
        number, {GadgetKind::Picture, "STATIC", kChildVisible | SS_NOTIFY | pictureStyle, 0}, "", x,
        y, width, height, &picture);
    if (result != 0 && image != nullptr) {
        SendMessageA(picture, STM_SETIMAGE, isBitmap ? IMAGE_BITMAP : IMAGE_ICON,
                     reinterpret_cast<LPARAM>(image));
    }
    return result;
}

int32_t CreateGroupFrame(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                         const Text& text) {
    return CreateGadget(number,
                        {GadgetKind::Frame, "Button", kChildVisible | WS_GROUP | BS_GROUPBOX, 0},
                        text, x, y, width, height);
}

int32_t CreateOptionButton(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                           const Text& text) {
    DWORD style = kChildVisible | WS_TABSTOP | BS_AUTORADIOBUTTON;
    if (!LastGadgetWasOption()) {
        style |= WS_GROUP;
    }
    return CreateGadget(number, {GadgetKind::Option, "Button", style, 0}, text, x, y, width,
                        height);
}

int32_t CreateCheckBox(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                       const Text& text) {
    return CreateGadget(number,
                        {GadgetKind::CheckBox, "Button",
                         kChildVisible | WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX, 0},
                        text, x, y, width, height);
}

int32_t CreateContainerPanel(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                             int32_t flags) {
    const PanelStyle panelStyle = ContainerPanelStyle(flags);
    HWND panel = nullptr;
    const int32_t result = CreateGadget(
        number,
        {GadgetKind::Panel, ContainerPanelClassName(), panelStyle.style, panelStyle.exStyle}, "", x,
        y, width, height, &panel);
    if (result != 0) {
        EnterGadgetContainer(panel);
    }
    return result;
}

int32_t WriteGadgetText(int32_t gadget, const Text& text) {
    HWND handle = GadgetHandle(gadget);
    if (handle == nullptr) {
        return 0;
    }
    return SetWindowTextA(handle, text.c_str()) != 0 ? 1 : 0;
}

Text ReadGadgetText(int32_t gadget) {
    Gadget* found = FindGadget(gadget);
    if (found == nullptr) {
        return {};
    }
    HWND handle = found->handle.Get();
    const int length = GetWindowTextLengthA(handle);
    if (length <= 0) {
        return {};
    }
    // Rich-text fields may count a line end as one character and return two.
    Text text(static_cast<size_t>(length) * 2 + 2, '\0');
    text.resize(
        static_cast<size_t>(GetWindowTextA(handle, text.data(), static_cast<int>(text.size()))));
    if (found->kind == GadgetKind::Editor) {
        DropLineFeedsAfterReturns(text);
    }
    return text;
}

int32_t ReadGadgetState(int32_t gadget) {
    Gadget* found = FindGadget(gadget);
    if (found == nullptr) {
        return 0;
    }
    HWND handle = found->handle.Get();
    switch (found->kind) {
    case GadgetKind::Option:
    case GadgetKind::CheckBox:
        return SendMessageA(handle, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    case GadgetKind::Editor:
        return EditorIsReadOnly(handle) ? kEditorReadOnly : 0;
    default:
        return 0;
    }
}

int32_t WriteGadgetState(int32_t gadget, int32_t state) {
    Gadget* found = FindGadget(gadget);
    if (found == nullptr) {
        return 0;
    }
    HWND handle = found->handle.Get();
    switch (found->kind) {
    case GadgetKind::Option:
    case GadgetKind::CheckBox:
        SendMessageA(handle, BM_SETCHECK, state != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
        return 1;
    case GadgetKind::Editor:
        SendMessageA(handle, EM_SETREADONLY, (state & kEditorReadOnly) ? TRUE : FALSE, 0);
        return 1;
    default:
        return 0;
    }
}

int32_t SetGadgetDisabled(int32_t gadget, int32_t flag) {
    HWND handle = GadgetHandle(gadget);
    if (handle == nullptr) {
        return 0;
    }
    EnableWindow(handle, flag == 1 ? FALSE : TRUE);
    return 1;
}

int32_t SetGadgetHidden(int32_t gadget, int32_t flag) {
    HWND handle = GadgetHandle(gadget);
    if (handle == nullptr) {
        return 0;
    }
    ShowWindow(handle, flag == 1 ? SW_HIDE : SW_SHOW);
    return 1;
}

int32_t MoveGadget(int32_t gadget, int32_t x, int32_t y, int32_t width, int32_t height) {
    HWND handle = GadgetHandle(gadget);
    if (handle == nullptr) {
        return 0;
    }
    RECT rect{};
    GetWindowRect(handle, &rect);
    MapWindowPoints(nullptr, GetParent(handle), reinterpret_cast<POINT*>(&rect), 2);
    const auto keep = [](int32_t value, LONG current) {
        return value == kKeepValue ? static_cast<int32_t>(current) : value;
    };
    return MoveWindow(handle, keep(x, rect.left), keep(y, rect.top),
                      keep(width, rect.right - rect.left), keep(height, rect.bottom - rect.top),
                      TRUE) != 0
               ? 1
               : 0;
}

int32_t SetGadgetTooltip(int32_t gadget, const Text& text) {
    HWND handle = GadgetHandle(gadget);
    if (handle == nullptr) {
        return 0;
    }
    if (!CommonControlsStartTried()) {
        // The gadget's earlier text, and the tooltips of closed gadgets, are not needed any more.
        std::erase_if(*g_waitingTooltips, [&](const WaitingTooltip& waiting) {
            return waiting.gadget == gadget || GadgetHandle(waiting.gadget) != waiting.handle;
        });
        g_waitingTooltips->push_back({gadget, handle, text});
        return 1;
    }
    return AttachTooltip(handle, text);
}

void NotePointerMove(const MSG& message) {
    if (message.message == WM_MOUSEMOVE && !g_tooltipWanted && !CommonControlsStartTried() &&
        IsWaitingTooltipGadget(message.hwnd)) {
        g_tooltipWanted = true;
    }
}

void AttachTooltipsWhenWanted() {
    if (!g_tooltipWanted || HIWORD(GetQueueStatus(QS_ALLINPUT)) != 0) {
        return;
    }
    g_tooltipWanted = false;
    StartCommonControls();
    for (const WaitingTooltip& waiting : *g_waitingTooltips) {
        // A gadget closed in the meantime took its tooltip along.
        if (GadgetHandle(waiting.gadget) == waiting.handle &&
            AttachTooltip(waiting.handle, waiting.text) != 0) {
            RelayPointerPosition(waiting.handle);
        }
    }
    g_waitingTooltips->clear();
}

HWND GadgetHandle(int32_t gadget) {
    Gadget* found = FindGadget(gadget);
    return found != nullptr ? found->handle.Get() : nullptr;
}

int32_t ApplyGadgetFont(int32_t gadget, HFONT font) {
    if (gadget == -1) {
        SetDefaultGadgetFont(font);
        return 1;
    }
    HWND handle = GadgetHandle(gadget);
    if (handle == nullptr) {
        return 0;
    }
    if (font == nullptr) {
        font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }
    SendMessageA(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    return 1;
}

int32_t ApplyGadgetFont(int32_t gadget, int32_t fontHandle) {
    HFONT font =
        fontHandle == -1 ? nullptr : reinterpret_cast<HFONT>(static_cast<intptr_t>(fontHandle));
    return ApplyGadgetFont(gadget, font);
}
