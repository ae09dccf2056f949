#include "setup/gradient_palette.h"

#include "runtime/base/colours.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr int32_t kCubeSize = 216;
constexpr int32_t kFirstFixed = 241;

constexpr PaletteColour kFixedEntries[] = {
    {240, 200, 20}, {230, 190, 30}, {220, 180, 40}, {210, 170, 50}, {200, 160, 60},
    {192, 0, 0},    {0, 192, 0},    {0, 0, 192},    {192, 192, 0},  {192, 0, 192},
    {0, 192, 192},  {20, 20, 240},  {240, 20, 20},  {20, 240, 20},  {10, 130, 220},
};
static_assert(kFirstFixed + std::size(kFixedEntries) == kPaletteSize);

} // namespace

int32_t ClampPaletteNumber(int32_t number) {
    return std::clamp(number, 0, kPaletteSize - 1);
}

PaletteColour GradientPaletteEntry(int32_t number) {
    const int32_t n = ClampPaletteNumber(number);
    if (n < kCubeSize) {
        return {(n / 6 % 6) * 51, (n / 36) * 51, (n % 6) * 51};
    }
    if (n < kFirstFixed) {
        const int32_t grey = 10 * (n - kCubeSize + 1);
        return {grey, grey, grey};
    }
    return kFixedEntries[n - kFirstFixed];
}

int32_t GradientPaletteColour(int32_t number) {
    const PaletteColour entry = GradientPaletteEntry(number);
    return ColourFromParts(entry.red, entry.green, entry.blue);
}
