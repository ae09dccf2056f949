#include "setup/welcome_banner.h"

#include "runtime/ui/app_windows.h"
#include "runtime/ui/gadgets.h"
#include "runtime/ui/window_placement.h"
#include "setup/backdrop_window.h"

int32_t CreateWelcomeBanner(int32_t displayWidth, HFONT font) {
    const int32_t banner = CreateTextLabel(-1, 40, 120, displayWidth - 50, 40, "");
    ApplyGadgetFont(banner, font);
    return banner;
}

int32_t ShowWelcomeTick(int32_t bannerGadget, const WelcomeTick& tick) {
    WriteGadgetText(bannerGadget, tick.bannerText);
    if (!tick.opensSetupDialog) {
        return 0;
    }
    HWND backdrop = AppWindowHandle(kBackdropWindow);
    const int32_t dialog = CreateAppWindow(
        -1, 0, 0, 482, 314, "SETUP", WS_CAPTION | kCentreOnScreen | kCreateInvisible, backdrop);
    KillTimer(backdrop, kWelcomeTimerId);
    return dialog > 0 ? dialog : 0;
}
