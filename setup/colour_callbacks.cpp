#include "setup/colour_callbacks.h"

#include "runtime/ui/app_windows.h"
#include "runtime/ui/gadgets.h"
#include "setup/setup_state.h"

namespace {

bool IsGadget(LPARAM control, int32_t gadget) {
    return gadget >= 0 && reinterpret_cast<HWND>(control) == GadgetHandle(gadget);
}

LRESULT BrushResult(HBRUSH brush) {
    return reinterpret_cast<LRESULT>(brush);
}

} // namespace

LRESULT BackdropColourCallback(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_CTLCOLORSTATIC) {
        return kProcessNormally;
    }
    const SetupSharedState& state = SharedSetupState();
    HDC dc = reinterpret_cast<HDC>(wParam);
    if (IsGadget(lParam, state.bannerGadget)) {
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, state.bannerTextColour);
        return BrushResult(state.hollowBrush);
    }
    if (IsGadget(lParam, state.firstCreditGadget) || IsGadget(lParam, state.secondCreditGadget)) {
        SetBkMode(dc, TRANSPARENT);
        return BrushResult(state.hollowBrush);
    }
    return kProcessNormally;
}

LRESULT MessageColourCallback(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
    const SetupSharedState& state = SharedSetupState();
    if (message != WM_CTLCOLORSTATIC || !IsGadget(lParam, state.messageGadget)) {
        return kProcessNormally;
    }
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, state.messageTextColour);
    return BrushResult(state.messageBrush);
}
