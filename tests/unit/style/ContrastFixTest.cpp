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

namespace {

// The level a ratio reaches for normal or large text, as the check marks it (in tenths shown).
int Level(double ratio, bool large) {
    const double shown = std::floor(ratio * 10 + 1e-9) / 10;
    return shown >= (large ? 4.5 : 7.0) ? 2 : shown >= (large ? 3.0 : 4.5) ? 1 : 0;
}

}  // namespace

// Pairs that pass AA and miss AAA: the AAA fix passes AAA, and one step of lightness nearer
// the colour's own still misses it.
TEST(ContrastFix, FixAAAReachesAAAAndNoNearerLightnessDoes) {
    struct Case {
        TColor color, background;
        bool large;
    };
    const Case cases[] = {
        {0x767676, 0xFFFFFF, false},  // the lightest grey that passes AA on white
        {0x0000DD, 0xFFFFFF, false},  // a red that passes AA, not AAA
        {0x0080FF, 0x333333, false},  // orange on a dark grey
        {0x008000, 0xFFFFFF, false},  // green on white
        {0x888888, 0xFFFFFF, true},   // mid grey large text on white
        {0x2266EE, 0xFFFFFF, true},   // orange large text on white
        {0x0066CC, 0xFFFFFF, true},   // ochre large text on white
        {0x808080, 0x000000, false},  // mid grey on black: lighter
    };
    for (const Case& c : cases) {
        ASSERT_EQ(Level(ContrastRatio(c.color, c.background), c.large), 1) << std::hex << c.color;
        const double mark = MinimumRatioAAA(c.large);
        const auto fix = NearestPassingColor(c.color, c.background, mark);
        ASSERT_TRUE(fix.has_value()) << std::hex << c.color;
        EXPECT_EQ(Level(ContrastRatio(fix->color, c.background), c.large), 2) << std::hex << c.color;
        const double own = ToOklch(c.color).lightness;
        const double closer = fix->lightness + (own > fix->lightness ? 1 : -1) * kFixLightnessStep;
        EXPECT_LT(ContrastRatio(WithLightness(c.color, closer), c.background), mark) << std::hex << c.color;
        if (ToOklch(c.color).chroma > 0.05) {
            EXPECT_LT(HueDistance(ToOklch(fix->color).hue, ToOklch(c.color).hue), 3.0) << std::hex << c.color;
        }
    }
}

// Links too close to the text: the fix stands 3:1 from the text, lies on the far side of the
// link from the text, keeps the link's level against the background (AAA where there is room,
// else AA), and one step nearer the link's own lightness would not do.
TEST(ContrastFix, LinksMoveAwayFromTheTextKeepingTheirBackgroundLevel) {
    struct Case {
        TColor link, text, background;
        int keptLevel;  // the least level against the background the fix must reach
    };
    const Case cases[] = {
        {0xEE0000, 0x000000, 0xFFFFFF, 1},  // browsers' blue on black text, white page: AAA has no room
        {0x8B1A55, 0x222222, 0xFFFFFF, 1},  // a dark purple beside near-black text
        {0x993300, 0x000000, 0xFFFFFF, 1},  // dark blue, AAA before
        {0xAAAAAA, 0xFFFFFF, 0x000000, 1},  // grey link, white text on black: darker
        {0x00CCFF, 0xEEEEEE, 0x000000, 1},  // gold link near light text on black
        {0x336633, 0x111111, 0xF0F0F0, 1},  // green, text and link both dark
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.link << " " << c.text << " " << c.background);
        ASSERT_LT(ContrastRatio(c.link, c.text), kLinkTextRatio);
        const auto fix = LinkApartFromText(c.link, c.text, c.background);
        ASSERT_TRUE(fix.has_value());
        EXPECT_GE(ContrastRatio(fix->color, c.text), kLinkTextRatio);
        EXPECT_GE(Level(ContrastRatio(fix->color, c.background), false), c.keptLevel);
        const double own = ToOklch(c.link).lightness;
        const double text = ToOklch(c.text).lightness;
        EXPECT_EQ(fix->lightness > own, own > text) << "moved toward the text";
        const double closer = fix->lightness + (own > fix->lightness ? 1 : -1) * kFixLightnessStep;
        const TColor nearer = WithLightness(c.link, closer);
        EXPECT_TRUE(ContrastRatio(nearer, c.text) < kLinkTextRatio ||
                    Level(ContrastRatio(nearer, c.background), false) < c.keptLevel);
        if (ToOklch(c.link).chroma > 0.05) {
            EXPECT_LT(HueDistance(ToOklch(fix->color).hue, ToOklch(c.link).hue), 3.0);
        }
    }
    // A link that already stands apart stays; a dark grey link a shade darker than grey
    // text has no room below it: black itself is not 3:1 from the text.
    const auto same = LinkApartFromText(0xEE0000, 0xFFFFFF, 0xFFFFFF);
    ASSERT_TRUE(same.has_value());
    EXPECT_EQ(same->color, 0xEE0000u);
    EXPECT_FALSE(LinkApartFromText(0x4A4A4A, 0x555555, 0xFFFFFF).has_value());
    // A grey link a shade lighter than grey text on white: lighter, it would lose the 3.6:1 it
    // has against the page; crossing over the text to a dark grey would be nearer, but crossing
    // is not moving away.
    EXPECT_FALSE(LinkApartFromText(0x868686, 0x808080, 0xFFFFFF).has_value());
    // Blue beside dark grey text on white: 3:1 from the text is past AA against the page, so
    // the link would have to fall below AA, which the fix never does.
    EXPECT_FALSE(LinkApartFromText(0xEE0000, 0x333333, 0xFFFFFF).has_value());
    // A link of the text's own lightness may go either way: here only lighter keeps AA on black.
    const auto either = LinkApartFromText(0x808080, 0x808080, 0x000000);
    ASSERT_TRUE(either.has_value());
    EXPECT_GT(either->lightness, ToOklch(0x808080).lightness);
    EXPECT_GE(ContrastRatio(either->color, 0x808080), kLinkTextRatio);
    EXPECT_GE(ContrastRatio(either->color, 0x000000), 4.5);
}

// Each link against the body text, marked at 3:1.
TEST(ContrastFix, LinkRowsMeasureEachLinkAgainstTheText) {
    TStyle style;
    style.BackColor = 0xFFFFFF;
    style.TextColor = 0x000000;
    style.LinkColor = 0xEE0000;     // 2.2:1 to black
    style.VisitedColor = 0x8B1A55;  // purple, 1.7:1
    style.ActiveColor = 0x0000FF;   // red, 5.2:1
    const auto rows = LinkTextRows(style);
    const char* names[] = {"New links against text", "Visited links against text",
                           "Active links against text"};
    const bool passes[] = {false, false, true};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].name, names[i]);
        EXPECT_DOUBLE_EQ(rows[i].ratio, ContrastRatio(rows[i].color, style.TextColor));
        EXPECT_EQ(rows[i].passesAA, passes[i]) << i;
        EXPECT_EQ(rows[i].passesAAA, passes[i]) << i;
    }
    EXPECT_EQ(rows[0].color, 0xEE0000u);
    EXPECT_EQ(rows[2].color, 0x0000FFu);
}
