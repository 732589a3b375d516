// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "style/ReadableColor.h"

// An accent keeps its own colour where it reads, else moves towards the theme's text colour
// by tenths only as far as the ratio needs, so that it stays as near its own hue as it can.
TEST(ReadableColorTest, AccentMovesTowardsTheThemeTextOnlyAsFarAsNeeded) {
    struct Row {
        const char* what;
        platform::TColor accent, background, themeText;
        double ratio;
        platform::TColor expected;  // 0x00BBGGRR
    };
    const Row rows[] = {
        {"navy on white stays", 0x800000, 0xFFFFFF, 0x000000, kReadableText, 0x800000},
        {"navy on dark grey: 7 tenths", 0x800000, 0x353535, 0xF0F0F0, kReadableText, 0xCEA8A8},
        {"a red glyph: 4 tenths", 0x0000C0, 0x353535, 0xF0F0F0, kReadableGlyph, 0x6060D3},
        {"out of reach: the theme's text", 0x800000, 0x353535, 0xF0F0F0, 21.0, 0xF0F0F0},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ReadableOn(row.accent, row.background, row.themeText, row.ratio), row.expected) << row.what;
}
