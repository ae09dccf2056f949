#include "setup/colour_callbacks.h"

#include "runtime/base/never_destroyed.h"
#include "runtime/system/owned_handle.h"
#include "runtime/ui/gadgets.h"
#include "runtime/ui/window_callback.h"

namespace {

constexpr COLORREF kBannerTextColour = RGB(255, 255, 255);
constexpr COLORREF kMessageTextColour = RGB(255, 0, 255);
constexpr COLORREF kMessageBackground = RGB(225, 245, 170);

// Made the first time a setup is blocked and kept for the run, like the window that shows it.
NeverDestroyed<OwnedGdiObject> g_messageBrush;

LRESULT BrushResult(HGDIOBJ brush) {
    return reinterpret_cast<LRESULT>(brush);
}

} // namespace

LRESULT BackdropColourCallback(HWND, UINT message, WPARAM wParam, LPARAM) {
    if (message != WM_CTLCOLORSTATIC) {
        return kProcessNormally;
    }
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kBannerTextColour);
    // The hollow brush lets the gradient show through; the banner only grows while it is typed,
    // so the unerased background leaves no traces.
    return BrushResult(GetStockObject(NULL_BRUSH));
}

LRESULT ColourMessageText(int32_t messageGadget, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_CTLCOLORSTATIC || messageGadget < 0 ||
        reinterpret_cast<HWND>(lParam) != GadgetHandle(messageGadget)) {
        return kProcessNormally;
    }
    if (!*g_messageBrush) {
        g_messageBrush->Reset(CreateSolidBrush(kMessageBackground));
    }
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kMessageTextColour);
    return BrushResult(g_messageBrush->Get());
}
