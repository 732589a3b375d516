// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/Contrast.h"

#include <gtest/gtest.h>

TEST(Contrast, KnownPairsByTheWcagFormula) {
    struct Case {
        TColor text, background;
        double ratio;
        const char* shown;
    };
    const Case cases[] = {
        {0xFFFFFF, 0x000000, 21.0, "21.0:1"},
        {0x000000, 0xFFFFFF, 21.0, "21.0:1"},  // the order does not matter
        {0x777777, 0xFFFFFF, 4.478, "4.4:1"},  // shown rounded down, never up to 4.5
        {0x336699, 0x336699, 1.0, "1.0:1"},
        {0x0000FF, 0x000000, 5.252, "5.2:1"},  // pure red: only the red weight counts
        {0x00FF00, 0x000000, 15.304, "15.3:1"},
    };
    for (const Case& c : cases) {
        const double ratio = ContrastRatio(c.text, c.background);
        EXPECT_NEAR(ratio, c.ratio, 0.001) << std::hex << c.text;
        EXPECT_EQ(ContrastText(ratio), c.shown) << std::hex << c.text;
    }
}

// #777777 on white, 4.478:1, sits between the large-text and the normal-text marks, so the
// font row's marks show where large text begins.
TEST(Contrast, LargeTextStartsAtStepFiveBoldOrNot) {
    struct Case {
        int step;
        bool bold;
        bool large, aa, aaa;
    };
    const Case cases[] = {
        {3, true, false, false, false}, {4, false, false, false, false}, {4, true, false, false, false},
        {5, false, true, true, false},  {5, true, true, true, false},    {7, false, true, true, false},
    };
    for (const Case& c : cases) {
        TStyle style;
        style.BackColor = 0xFFFFFF;
        style.FontColor = 0x777777;
        style.TextColor = 0x777777;
        style.SizeStep = c.step;
        style.Bold = c.bold;
        const auto rows = ContrastRows(style);
        EXPECT_EQ(rows[0].largeText, c.large) << c.step << c.bold;
        EXPECT_EQ(rows[0].passesAA, c.aa) << c.step << c.bold;
        EXPECT_EQ(rows[0].passesAAA, c.aaa) << c.step << c.bold;
        // The body's text is never taken as large.
        EXPECT_FALSE(rows[1].largeText);
        EXPECT_FALSE(rows[1].passesAA);
    }
}

TEST(Contrast, RowsCheckEachTextColourAgainstTheBackground) {
    TStyle style;  // black background, white text, green visited links, yellow font
    style.PictureMode = true;
    style.PictureName = "tile.gif";
    style.LinkColor = 0x757575;    // just past the AA mark
    style.ActiveColor = 0x959595;  // just past the AAA mark
    const auto rows = ContrastRows(style);
    const char* names[] = {"Font color", "Normal text", "New links", "Visited links", "Active links"};
    const char* shown[] = {"19.5:1", "21.0:1", "4.5:1", "4.0:1", "7.0:1"};
    const bool aa[] = {true, true, true, false, true};
    const bool aaa[] = {true, true, false, false, true};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].name, names[i]);
        EXPECT_EQ(ContrastText(rows[i].ratio), shown[i]) << names[i];
        EXPECT_EQ(rows[i].passesAA, aa[i]) << names[i];
        EXPECT_EQ(rows[i].passesAAA, aaa[i]) << names[i];
    }
}
