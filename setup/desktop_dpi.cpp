#include "setup/desktop_dpi.h"

#include "registry/last_error_text.h"
#include "runtime/system/owned_handle.h"

int32_t DesktopPixelsPerInch() {
    ClearLastErrorText();
    const OwnedWindowDc desktop = TakeWindowDc(GetDesktopWindow());
    const int16_t pixelsPerInch =
        desktop ? static_cast<int16_t>(GetDeviceCaps(desktop.Get().dc, LOGPIXELSX)) : 0;
    if (pixelsPerInch < 1) {
        SetLastErrorText("ERROR, desktop size not found");
        return 0;
    }
    return pixelsPerInch;
}
