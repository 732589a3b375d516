// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/ContrastFix.h"

#include <gtest/gtest.h>

#include <cmath>

#include "style/Contrast.h"
#include "style/Oklch.h"

namespace {

double HueDistance(double a, double b) {
    const double d = std::fabs(a - b);
    return std::fmin(d, 360 - d);
}

}  // namespace

// CSS Color 4's published OKLCH values for the sRGB primaries and white; and a colour taken to
// its own lightness comes back unchanged.
TEST(ContrastFix, OklchMatchesPublishedValuesAndRoundTrips) {
    struct Case {
        TColor color;
        double lightness, chroma, hue;
    };
    const Case cases[] = {
        {0x0000FF, 0.62796, 0.25768, 29.234},  // red
        {0x00FF00, 0.86644, 0.29483, 142.50},  // lime
        {0xFF0000, 0.45201, 0.31321, 264.05},  // blue
        {0xFFFFFF, 1.0, 0.0, -1},
    };
    for (const Case& c : cases) {
        const Oklch lch = ToOklch(c.color);
        EXPECT_NEAR(lch.lightness, c.lightness, 1e-4) << std::hex << c.color;
        EXPECT_NEAR(lch.chroma, c.chroma, 1e-4) << std::hex << c.color;
        if (c.hue >= 0) {
            EXPECT_NEAR(lch.hue, c.hue, 0.01) << std::hex << c.color;
        }
    }
    for (TColor color : {0x0000FFu, 0x336699u, 0x777777u, 0x00FFFFu, 0x000000u, 0xFFFFFFu})
        EXPECT_EQ(WithLightness(color, ToOklch(color).lightness), color) << std::hex << color;
}

// The fix reaches the mark, a step of lightness nearer the colour's own would not, and a
// coloured colour keeps its hue.
TEST(ContrastFix, NearestPassingLightnessKeepsTheHue) {
    struct Case {
        TColor color, background;
        double minimum;
    };
    const Case cases[] = {
        {0x777777, 0xFFFFFF, 4.5},  // grey on white: a darker grey
        {0x00FFFF, 0xFFFFFF, 4.5},  // yellow on white: a dark yellow
        {0xFFFF00, 0xFFFFFF, 4.5},  // cyan link on white
        {0x000080, 0x000000, 4.5},  // maroon on black: a lighter red
        {0xFF0000, 0x000000, 4.5},  // blue on black
        {0x008000, 0x333333, 3.0},  // green large text on a dark grey
        {0x6699CC, 0x99CCFF, 4.5},  // a light background, colour lighter than half
        {0x0066CC, 0x331100, 7.0},  // orange on navy at the AAA mark
    };
    for (const Case& c : cases) {
        const auto fix = NearestPassingColor(c.color, c.background, c.minimum);
        ASSERT_TRUE(fix.has_value()) << std::hex << c.color;
        EXPECT_GE(ContrastRatio(fix->color, c.background), c.minimum) << std::hex << c.color;
        const Oklch own = ToOklch(c.color);
        const double closer = fix->lightness + (own.lightness > fix->lightness ? 1 : -1) * kFixLightnessStep;
        EXPECT_LT(ContrastRatio(WithLightness(c.color, closer), c.background), c.minimum)
            << std::hex << c.color;
        const Oklch got = ToOklch(fix->color);
        EXPECT_NEAR(got.lightness, fix->lightness, 0.01) << std::hex << c.color;
        if (own.chroma > 0.05) {
            EXPECT_LT(HueDistance(got.hue, own.hue), 3.0) << std::hex << c.color;
        }
    }
}

TEST(ContrastFix, PassingColourStaysAndAnUnreachableMarkFindsNothing) {
    const auto same = NearestPassingColor(0x000000, 0xFFFFFF, 4.5);
    ASSERT_TRUE(same.has_value());
    EXPECT_EQ(same->color, 0x000000u);
    // A mid grey is 4.7:1 from black and 4.5:1 from white at best: no colour reaches AAA.
    EXPECT_FALSE(NearestPassingColor(0x0000FF, 0x777777, 7.0).has_value());
    EXPECT_FALSE(NearestPassingColor(0x808080, 0x777777, 7.0).has_value());
}
