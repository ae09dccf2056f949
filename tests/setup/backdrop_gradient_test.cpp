#include "runtime/base/colours.h"
#include "setup/gradient_bands.h"
#include "setup/gradient_palette.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct Rgb {
    int32_t red, green, blue;
};

Rgb PartsOf(int32_t colour) {
    return {RedPart(colour), GreenPart(colour), BluePart(colour)};
}

void ExpectRgb(Rgb got, Rgb want) {
    EXPECT_EQ(got.red, want.red);
    EXPECT_EQ(got.green, want.green);
    EXPECT_EQ(got.blue, want.blue);
}

} // namespace

TEST(GradientPalette, CubeGreysAndFixedEntries) {
    const std::pair<int32_t, Rgb> entries[] = {
        {0, {0, 0, 0}},        {1, {0, 0, 51}},        {6, {51, 0, 0}},     {36, {0, 51, 0}},
        {94, {153, 102, 204}}, {215, {255, 255, 255}}, {216, {10, 10, 10}}, {240, {250, 250, 250}},
        {241, {240, 200, 20}}, {245, {200, 160, 60}},  {246, {192, 0, 0}},  {251, {0, 192, 192}},
        {252, {20, 20, 240}},  {255, {10, 130, 220}},  {-5, {0, 0, 0}},     {300, {10, 130, 220}},
    };
    for (const auto& [number, want] : entries) {
        SCOPED_TRACE(number);
        const PaletteColour got = GradientPaletteEntry(number);
        ExpectRgb({got.red, got.green, got.blue}, want);
        ExpectRgb(PartsOf(GradientPaletteColour(number)), want);
    }
}

TEST(GradientBands, MulDivRoundsHalfAwayFromZeroOverA64BitProduct) {
    struct Case {
        int32_t number, numerator, denominator, want;
    };
    const Case cases[] = {
        {1, 1, 2, 1},           {-1, 1, 2, -1},
        {1, -1, 2, -1},         {1, 1, -2, -1},
        {-1, -1, -2, -1},       {-7, 1, 2, -4},
        {5, 1, 4, 1},           {254, 600, 255, 598},
        {254, -189, 255, -188}, {INT_MAX, INT_MAX, INT_MAX, INT_MAX},
        {7, 3, 0, -1},          {INT_MAX, 2, 1, -1},
        {INT_MIN, 2, 1, -1},    {0, 0, 5, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MulDivRounded(c.number, c.numerator, c.denominator), c.want)
            << c.number << " * " << c.numerator << " / " << c.denominator;
    }
}

TEST(GradientBands, BackdropOf600PixelsRunsFromTopColourAlmostToBottomColour) {
    const int32_t top = ColourFromParts(240, 200, 20);
    const int32_t bottom = ColourFromParts(51, 0, 0);
    const GradientBand first = GradientBandAt(top, bottom, 255, 0, 800, 600, 0);
    ExpectRgb(PartsOf(first.colour), {240, 200, 20});
    EXPECT_EQ(first.top, 0);
    EXPECT_EQ(first.bottom, 2);
    const GradientBand last = GradientBandAt(top, bottom, 255, 0, 800, 600, 254);
    ExpectRgb(PartsOf(last.colour), {52, 1, 0});
    EXPECT_EQ(last.top, 598);
    EXPECT_EQ(last.bottom, 600);

    // Full-width bands that meet without gaps or overlaps.
    int32_t reached = 0;
    for (int32_t i = 0; i < 255; ++i) {
        const GradientBand band = GradientBandAt(top, bottom, 255, 0, 800, 600, i);
        EXPECT_EQ(band.top, reached) << "band " << i;
        EXPECT_EQ(band.left, 0);
        EXPECT_EQ(band.right, 800);
        reached = band.bottom;
    }
    EXPECT_EQ(reached, 600);
}

TEST(GradientBands, StepsAreClampedTo2Through255) {
    EXPECT_EQ(ClampGradientSteps(1), 2);
    EXPECT_EQ(ClampGradientSteps(-40), 2);
    EXPECT_EQ(ClampGradientSteps(1000), 255);

    const int32_t top = ColourFromParts(0, 100, 200);
    const int32_t bottom = ColourFromParts(200, 100, 0);
    const GradientBand ofOne = GradientBandAt(top, bottom, 1, 0, 40, 600, 1);
    ExpectRgb(PartsOf(ofOne.colour), {100, 100, 100});
    EXPECT_EQ(ofOne.top, 300);
    EXPECT_EQ(ofOne.bottom, 600);
    const GradientBand ofThousand = GradientBandAt(top, bottom, 1000, 0, 40, 600, 254);
    const GradientBand of255 = GradientBandAt(top, bottom, 255, 0, 40, 600, 254);
    EXPECT_EQ(ofThousand.colour, of255.colour);
    EXPECT_EQ(ofThousand.top, of255.top);
    EXPECT_EQ(ofThousand.bottom, 600);
}

TEST(GradientBands, DirectionOneLaysVerticalBandsFromLeftToRight) {
    const int32_t top = ColourFromParts(0, 0, 0);
    const int32_t bottom = ColourFromParts(30, 60, 90);
    const Rgb colours[] = {{0, 0, 0}, {10, 20, 30}, {20, 40, 60}};
    for (int32_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const GradientBand band = GradientBandAt(top, bottom, 3, 1, 300, 100, i);
        ExpectRgb(PartsOf(band.colour), colours[i]);
        EXPECT_EQ(band.left, 100 * i);
        EXPECT_EQ(band.right, 100 * (i + 1));
        EXPECT_EQ(band.top, 0);
        EXPECT_EQ(band.bottom, 100);
    }
    // Any direction other than 1 gives horizontal bands.
    const GradientBand other = GradientBandAt(top, bottom, 3, 7, 300, 90, 1);
    EXPECT_EQ(other.left, 0);
    EXPECT_EQ(other.right, 300);
    EXPECT_EQ(other.top, 30);
    EXPECT_EQ(other.bottom, 60);
}
