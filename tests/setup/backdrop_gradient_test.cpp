#include "runtime/base/colours.h"
#include "setup/gradient_bands.h"
#include "setup/gradient_palette.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

namespace {

// A band as left, top, right, bottom and its colour's parts, to compare in one piece.
std::string Described(const GradientBand& band) {
    return std::to_string(band.left) + "," + std::to_string(band.top) + "," +
           std::to_string(band.right) + "," + std::to_string(band.bottom) + " (" +
           std::to_string(RedPart(band.colour)) + "," + std::to_string(GreenPart(band.colour)) +
           "," + std::to_string(BluePart(band.colour)) + ")";
}

} // namespace

TEST(GradientPalette, CubeGreysAndFixedEntries) {
    const std::pair<int32_t, PaletteColour> entries[] = {
        {0, {0, 0, 0}},        {1, {0, 0, 51}},        {6, {51, 0, 0}},     {36, {0, 51, 0}},
        {94, {153, 102, 204}}, {215, {255, 255, 255}}, {216, {10, 10, 10}}, {240, {250, 250, 250}},
        {241, {240, 200, 20}}, {245, {200, 160, 60}},  {246, {192, 0, 0}},  {251, {0, 192, 192}},
        {252, {20, 20, 240}},  {255, {10, 130, 220}},  {-5, {0, 0, 0}},     {300, {10, 130, 220}},
    };
    for (const auto& [number, want] : entries) {
        const PaletteColour got = GradientPaletteEntry(number);
        EXPECT_EQ(std::tie(got.red, got.green, got.blue), std::tie(want.red, want.green, want.blue))
            << number;
        EXPECT_EQ(GradientPaletteColour(number), ColourFromParts(want.red, want.green, want.blue))
            << number;
    }
}

TEST(GradientBands, MulDivRoundsHalfAwayFromZeroOverA64BitProduct) {
    const int32_t cases[][4] = {
        {1, 1, 2, 1},           {-1, 1, 2, -1},
        {1, -1, 2, -1},         {1, 1, -2, -1},
        {-1, -1, -2, -1},       {-7, 1, 2, -4},
        {5, 1, 4, 1},           {254, 600, 255, 598},
        {254, -189, 255, -188}, {INT_MAX, INT_MAX, INT_MAX, INT_MAX},
        {7, 3, 0, -1},          {INT_MAX, 2, 1, -1},
        {INT_MIN, 2, 1, -1},    {0, 0, 5, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MulDivRounded(c[0], c[1], c[2]), c[3]) << c[0] << " * " << c[1] << " / " << c[2];
    }
}

TEST(GradientBands, BandsForStepsDirectionsAndSizes) {
    EXPECT_EQ(ClampGradientSteps(-40), 2); // 1 and 1000: the bands below
    const int32_t sun = ColourFromParts(240, 200, 20);
    const int32_t blue = ColourFromParts(0, 100, 200);
    const int32_t orange = ColourFromParts(200, 100, 0);
    const int32_t ink = ColourFromParts(30, 60, 90);
    struct Case {
        int32_t top, bottom, steps, direction, width, height, band;
        const char* want;
    };
    const Case cases[] = {
        // The 600-pixel backdrop runs from the top colour almost to the bottom colour.
        {sun, 51, 255, 0, 800, 600, 0, "0,0,800,2 (240,200,20)"},
        {sun, 51, 255, 0, 800, 600, 254, "0,598,800,600 (52,1,0)"},
        // Steps are clamped to 2 through 255.
        {blue, orange, 1, 0, 40, 600, 1, "0,300,40,600 (100,100,100)"},
        {blue, orange, 1000, 0, 40, 600, 254, "0,598,40,600 (199,100,1)"},
        {blue, orange, 255, 0, 40, 600, 254, "0,598,40,600 (199,100,1)"},
        // Direction 1 lays vertical bands from left to right; any other horizontal ones.
        {0, ink, 3, 1, 300, 100, 0, "0,0,100,100 (0,0,0)"},
        {0, ink, 3, 1, 300, 100, 1, "100,0,200,100 (10,20,30)"},
        {0, ink, 3, 1, 300, 100, 2, "200,0,300,100 (20,40,60)"},
        {0, ink, 3, 7, 300, 90, 1, "0,30,300,60 (10,20,30)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Described(GradientBandAt(c.top, c.bottom, c.steps, c.direction, c.width, c.height,
                                           c.band)),
                  c.want);
    }
    // Full-width bands that meet without gaps or overlaps.
    int32_t reached = 0;
    for (int32_t i = 0; i < 255; ++i) {
        const GradientBand band = GradientBandAt(sun, 51, 255, 0, 800, 600, i);
        EXPECT_EQ(std::tie(band.left, band.top, band.right), std::make_tuple(0, reached, 800)) << i;
        reached = band.bottom;
    }
    EXPECT_EQ(reached, 600);
}
