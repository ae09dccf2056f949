#include "runtime/ui/link_label.h"

#include "runtime/system/owned_handle.h"
#include "runtime/ui/event_state.h"
#include "runtime/ui/gadget_table.h"
#include "runtime/ui/window_table.h"

#include <algorithm>
#include <map>
#include <string>

namespace {

struct LinkState {
    WNDPROC staticProc;
    COLORREF hoverColour;
    bool underlined;
    bool hovering = false;
};

std::map<HWND, LinkState> g_links;

HCURSOR LinkCursor() {
    HCURSOR hand = LoadCursorA(nullptr, MAKEINTRESOURCEA(32649)); // IDC_HAND
    return hand != nullptr ? hand : LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
}

bool PointerInside(HWND label, LPARAM lParam) {
    RECT client{};
    GetClientRect(label, &client);
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    return PtInRect(&client, point) != 0;
}

void SetHovering(HWND label, LinkState& link, bool hovering) {
    if (link.hovering == hovering) {
        return;
    }
    link.hovering = hovering;
    InvalidateRect(label, nullptr, TRUE);
}

void Paint(HWND label, const LinkState& link, HDC dc) {
    RECT client{};
    GetClientRect(label, &client);
    // The parent chooses the background, as it does for its other static texts.
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(GetParent(label), WM_CTLCOLORSTATIC,
                                                       reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(label)));
    if (brush != nullptr) {
        FillRect(dc, &client, brush);
    }
    const DcSelection font =
        SelectInto(dc, reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0)));
    const COLORREF colour = !IsWindowEnabled(label) ? GetSysColor(COLOR_GRAYTEXT)
                            : link.hovering         ? link.hoverColour
                                                    : RGB(0, 0, 0);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);

    std::string text(static_cast<size_t>(GetWindowTextLengthA(label)) + 1, '\0');
    text.resize(
        static_cast<size_t>(GetWindowTextA(label, text.data(), static_cast<int>(text.size()))));
    RECT area = client;
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    if (link.underlined) {
        SIZE extent{};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        const int y = std::min<LONG>(extent.cy, client.bottom - 1);
        const OwnedGdiObject pen(CreatePen(PS_SOLID, 1, colour));
        const DcSelection selected = SelectInto(dc, pen.Get());
        MoveToEx(dc, 0, y, nullptr);
        LineTo(dc, extent.cx, y);
    }
}

LRESULT CALLBACK LinkLabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
    auto found = g_links.find(label);
    if (found == g_links.end()) {
        return DefWindowProcA(label, message, wParam, lParam);
    }
    LinkState& link = found->second;
    const WNDPROC staticProc = link.staticProc;
    switch (message) {
    case WM_NCHITTEST:
        return HTCLIENT; // a plain static lets clicks fall through to its parent
    case WM_SETCURSOR:
        SetCursor(LinkCursor());
        return TRUE;
    case WM_MOUSEMOVE:
        // Capturing on entry is how the label learns that the pointer has left it.
        if (PointerInside(label, lParam)) {
            if (!link.hovering) {
                SetCapture(label);
                SetHovering(label, link, true);
            }
            SetCursor(LinkCursor());
        } else if (link.hovering) {
            SetHovering(label, link, false);
            ReleaseCapture();
        }
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != label) {
            SetHovering(label, link, false);
        }
        return 0;
    case WM_LBUTTONUP:
        if (PointerInside(label, lParam)) {
            RaiseGadgetEvent(EnclosingAppWindowNumber(label), GadgetNumberOf(label), 0);
        }
        return 0;
    case WM_ENABLE:
        InvalidateRect(label, nullptr, TRUE);
        return 0;
    case WM_SETTEXT: {
        const LRESULT result = CallWindowProcA(staticProc, label, message, wParam, lParam);
        InvalidateRect(label, nullptr, TRUE);
        return result;
    }
    case WM_ERASEBKGND:
        return 1; // painted together with the text
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        if (HDC dc = BeginPaint(label, &paint)) {
            Paint(label, link, dc);
            EndPaint(label, &paint);
        }
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint(label, link, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrA(label, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(staticProc));
        g_links.erase(found);
        return CallWindowProcA(staticProc, label, message, wParam, lParam);
    default:
        return CallWindowProcA(staticProc, label, message, wParam, lParam);
    }
}

} // namespace

bool MakeLinkLabel(HWND label, COLORREF hoverColour, int32_t flags) {
    auto staticProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(label, GWLP_WNDPROC));
    if (staticProc == nullptr) {
        return false;
    }
    g_links[label] = LinkState{staticProc, hoverColour, (flags & kLinkUnderlined) != 0};
    SetWindowLongPtrA(label, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LinkLabelProc));
    return true;
}
