#include "runtime/ui/container_panel.h"

namespace {

constexpr char kPanelClass[] = "QuorrelPanel";

bool ForwardedToParent(UINT message) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return true;
    default:
        return false;
    }
}

LRESULT CALLBACK ContainerPanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    if (ForwardedToParent(message)) {
        if (HWND parent = GetParent(panel)) {
            return SendMessageA(parent, message, wParam, lParam);
        }
    }
    return DefWindowProcA(panel, message, wParam, lParam);
}

} // namespace

const char* ContainerPanelClassName() {
    static const bool registered = [] {
        WNDCLASSEXA panelClass{};
        panelClass.cbSize = sizeof(panelClass);
        panelClass.lpfnWndProc = ContainerPanelProc;
        panelClass.hInstance = GetModuleHandleA(nullptr);
        panelClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
        panelClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        panelClass.lpszClassName = kPanelClass;
        return RegisterClassExA(&panelClass) != 0;
    }();
    return registered ? kPanelClass : nullptr;
}

PanelStyle ContainerPanelStyle(int32_t flags) {
    // Tab moves into and out of the panel's gadgets.
    PanelStyle panel{WS_CHILD | WS_VISIBLE, WS_EX_CONTROLPARENT};
    if (flags & kPanelSingleBorder) {
        panel.style |= WS_BORDER;
    } else if (flags & kPanelDialogFrame) {
        panel.style |= WS_DLGFRAME;
    } else if (flags & kPanelStaticEdge) {
        panel.exStyle |= WS_EX_STATICEDGE;
    } else if (flags & kPanelClientEdge) {
        panel.exStyle |= WS_EX_CLIENTEDGE;
    }
    return panel;
}
