#include "runtime/ui/window_placement.h"

#include <algorithm>

namespace {

constexpr uint32_t kLayoutBits = kCentreOnScreen | kCentreOnOwner | kCreateInvisible;
constexpr uint32_t kCaption = 0x00C00000;  // WS_CAPTION
constexpr uint32_t kMaximise = 0x01000000; // WS_MAXIMIZE

} // namespace

WindowStyleChoice WindowStyleFromFlags(int32_t flags) {
    const uint32_t bits = static_cast<uint32_t>(flags);
    WindowStyleChoice choice{};
    choice.style = bits & ~kLayoutBits;
    if (choice.style == 0) {
        choice.style = kCaption;
    }
    choice.invisible = (bits & kCreateInvisible) != 0;
    choice.centreOnScreen = (bits & kCentreOnScreen) != 0;
    choice.centreOnOwner = !choice.centreOnScreen && (bits & kCentreOnOwner) != 0;
    choice.maximised = (choice.style & kMaximise) != 0;
    return choice;
}

int32_t CentredOffset(int32_t areaSize, int32_t size) {
    // C++ division truncates toward zero, which is the rule wanted here.
    return static_cast<int32_t>((static_cast<int64_t>(areaSize) - size) / 2);
}

WindowRectangle CentreOnScreen(int32_t outerWidth, int32_t outerHeight, int32_t screenWidth,
                               int32_t screenHeight) {
    const int32_t width = std::min(outerWidth, screenWidth);
    const int32_t height = std::min(outerHeight, screenHeight);
    return {CentredOffset(screenWidth, width), CentredOffset(screenHeight, height), width, height};
}

WindowRectangle CentreOnWindow(int32_t outerWidth, int32_t outerHeight, const WindowRectangle& on) {
    const int32_t x = on.x + CentredOffset(on.width, outerWidth);
    const int32_t y = on.y + CentredOffset(on.height, outerHeight);
    return {std::max(x, 0), std::max(y, 0), outerWidth, outerHeight};
}
