#include "setup/welcome_banner_text.h"

WelcomeTick NextWelcomeTick(int32_t counter) {
    WelcomeTick tick;
    tick.counter = counter + 1;
    tick.bannerText = TextLeft(kWelcomeText, tick.counter);
    if (tick.counter == TextLength(kWelcomeText)) {
        tick.opensSetupDialog = true;
        tick.counter = 0;
    }
    return tick;
}
