#include "setup/desktop_dpi.h"

#include "registry/last_error_text.h"
#include "runtime/owned_handle.h"

int32_t DesktopPixelsPerInch() {
    ClearLastErrorText();
    WindowDc desktop(GetDesktopWindow());
    const int16_t pixelsPerInch =
        desktop.Get() != nullptr ? static_cast<int16_t>(GetDeviceCaps(desktop.Get(), LOGPIXELSX))
                                 : 0;
    if (pixelsPerInch < 1) {
        SetLastErrorText("ERROR, desktop size not found");
        return 0;
    }
    return pixelsPerInch;
}
