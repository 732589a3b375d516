// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/BoxLabelLayout.h"

using namespace controls;

namespace {

// Rasterises a frame into a character grid, with the line rules of the canvas (each line
// stops short of its end point, later strokes overwrite earlier ones): 'W' white, 'S'
// shadow, 'B' black border, '.' untouched.
std::vector<std::string> Rasterise(const BoxFrame& frame, int width, int height) {
    std::vector<std::string> grid(height, std::string(width, '.'));
    auto set = [&](int x, int y, char c) {
        if (x >= 0 && y >= 0 && x < width && y < height) grid[y][x] = c;
    };
    auto line = [&](int x0, int y0, int x1, int y1, char c) {
        // Frames only use straight lines.
        const int sx = x1 > x0 ? 1 : x1 < x0 ? -1 : 0;
        const int sy = y1 > y0 ? 1 : y1 < y0 ? -1 : 0;
        for (int x = x0, y = y0; x != x1 || y != y1; x += sx, y += sy) set(x, y, c);
    };
    auto strokes = [&](const std::vector<FrameStroke>& list) {
        for (const FrameStroke& s : list) {
            const char c = s.color == FrameColor::White ? 'W' : 'S';
            line(s.fromX, s.fromY, s.cornerX, s.cornerY, c);
            line(s.cornerX, s.cornerY, s.toX, s.toY, c);
        }
    };
    strokes(frame.outer);
    if (frame.border) {
        const BoxRect& b = *frame.border;
        line(b.left, b.top, b.right, b.top, 'B');
        line(b.left, b.bottom - 1, b.right, b.bottom - 1, 'B');
        line(b.left, b.top, b.left, b.bottom, 'B');
        line(b.right - 1, b.top, b.right - 1, b.bottom, 'B');
    }
    strokes(frame.inner);
    return grid;
}

BoxLabelStyle LblFilename() {
    BoxLabelStyle s;
    s.width = 85;
    s.height = 18;
    s.bevelOuter = TBevelStyle::bvNone;
    s.bevelInner = TBevelStyle::bvLowered;
    return s;
}

}  // namespace

TEST(BoxLabelFrame, DefaultLabelHasRaisedOuterAndLoweredInnerRing) {
    const BoxLabelStyle style;  // 70 x 20, outer raised, inner lowered, width 1, no border
    const BoxFrame frame = ComputeBoxFrame(style);
    EXPECT_EQ(frame.inset, 2);
    EXPECT_FALSE(frame.border.has_value());
    const auto g = Rasterise(frame, 70, 20);
    // Outer ring: lit top and left, shadowed right and bottom.
    EXPECT_EQ(g[0][0], 'W');
    EXPECT_EQ(g[0][68], 'W');
    EXPECT_EQ(g[18][0], 'W');
    EXPECT_EQ(g[19][0], 'W') << "bottom-left corner keeps the first colour";
    EXPECT_EQ(g[0][69], 'S') << "top-right corner takes the second colour";
    EXPECT_EQ(g[10][69], 'S');
    EXPECT_EQ(g[19][1], 'S');
    EXPECT_EQ(g[19][69], 'S');
    // Inner ring one pixel in: the other way round.
    EXPECT_EQ(g[1][1], 'S');
    EXPECT_EQ(g[1][67], 'S');
    EXPECT_EQ(g[18][1], 'S');
    EXPECT_EQ(g[1][68], 'W');
    EXPECT_EQ(g[18][2], 'W');
    EXPECT_EQ(g[18][68], 'W');
    EXPECT_EQ(g[2][2], '.') << "the inside is left to the fill";
    EXPECT_EQ(g[17][67], '.');
}

TEST(BoxLabelFrame, SunkenRingAtTheEdgeWithoutOuterBevel) {
    const BoxFrame frame = ComputeBoxFrame(LblFilename());
    EXPECT_EQ(frame.inset, 1);
    EXPECT_TRUE(frame.outer.empty());
    const auto g = Rasterise(frame, 85, 18);
    EXPECT_EQ(g[0][0], 'S');
    EXPECT_EQ(g[0][83], 'S');
    EXPECT_EQ(g[17][0], 'S');
    EXPECT_EQ(g[0][84], 'W');
    EXPECT_EQ(g[17][1], 'W');
    EXPECT_EQ(g[17][84], 'W');
    EXPECT_EQ(g[1][1], '.');
}

TEST(BoxLabelFrame, SingleBorderAloneIsOneBlackPixelWide) {
    BoxLabelStyle style;
    style.bevelOuter = TBevelStyle::bvNone;
    style.bevelInner = TBevelStyle::bvNone;
    style.borderStyle = TBorderStyle::bsSingle;
    const BoxFrame frame = ComputeBoxFrame(style);
    EXPECT_EQ(frame.inset, 1);
    ASSERT_TRUE(frame.border.has_value());
    EXPECT_EQ(*frame.border, (BoxRect{0, 0, 70, 20}));
}

TEST(BoxLabelFrame, BorderSitsBetweenTheBevelsAndWidthCountsPerBevel) {
    BoxLabelStyle style;
    style.borderStyle = TBorderStyle::bsSingle;
    style.bevelWidth = 2;
    const BoxFrame frame = ComputeBoxFrame(style);
    EXPECT_EQ(frame.inset, 5);
    EXPECT_EQ(frame.outer.size(), 4u);
    EXPECT_EQ(frame.inner.size(), 4u);
    ASSERT_TRUE(frame.border.has_value());
    EXPECT_EQ(*frame.border, (BoxRect{2, 2, 68, 18}));
    const auto g = Rasterise(frame, 70, 20);
    EXPECT_EQ(g[1][1], 'W') << "second outer ring";
    EXPECT_EQ(g[2][2], 'B');
    EXPECT_EQ(g[17][67], 'B');
    EXPECT_EQ(g[3][3], 'S') << "first inner ring, lowered";
    EXPECT_EQ(g[4][4], 'S') << "second inner ring";
    EXPECT_EQ(g[15][65], 'W');
    EXPECT_EQ(g[5][5], '.');
}

TEST(BoxLabelFrame, BevelWidthBelowOneDrawsNoRingsAndAddsNoInset) {
    for (const int width : {0, -3}) {
        BoxLabelStyle style;
        style.bevelWidth = width;
        const BoxFrame frame = ComputeBoxFrame(style);
        EXPECT_TRUE(frame.outer.empty());
        EXPECT_TRUE(frame.inner.empty());
        EXPECT_EQ(frame.inset, 0) << "width " << width;
    }
}

TEST(BoxLabelText, HorizontalPlacementUsesTwiceTheInset) {
    BoxLabelStyle style;  // inset 2
    style.alignment = TAlignment::taLeftJustify;
    EXPECT_EQ(PlaceBoxText(style, 2, 30, 13).left, 4);
    EXPECT_EQ(PlaceBoxText(style, 2, 30, 13).right, 34);

    style.alignment = TAlignment::taRightJustify;
    const BoxRect right = PlaceBoxText(style, 2, 30, 13);
    EXPECT_EQ(right.right, 70 - 5) << "ends before CW - 5 with one pixel more kept free";
    EXPECT_EQ(right.left, 35);

    style.alignment = TAlignment::taCenter;
    const BoxRect centre = PlaceBoxText(style, 2, 30, 13);
    EXPECT_EQ(centre.left, 2);
    EXPECT_EQ(centre.right, 68);
}

TEST(BoxLabelText, VerticalPlacement) {
    struct Case {
        const char* name;
        THorizontalAlignment align;
        int height, inset, textHeight, top, bottom;
    };
    const Case cases[] = {
        {"top adds the inset", THorizontalAlignment::haTop, 20, 2, 13, 2, 15},
        {"bottom keeps the inset free", THorizontalAlignment::haBottom, 20, 2, 13, 5, 18},
        {"centre, 2.5 rounds down to even", THorizontalAlignment::haCenter, 18, 1, 13, 2, 15},
        {"centre, 3.5 rounds up to even", THorizontalAlignment::haCenter, 20, 2, 13, 4, 17},
        {"centre, exact", THorizontalAlignment::haCenter, 20, 2, 12, 4, 16},
        {"centre pushed back inside the frame", THorizontalAlignment::haCenter, 20, 3, 16, 3, 17},
    };
    for (const Case& c : cases) {
        BoxLabelStyle style;
        style.height = c.height;
        style.verticalAlign = c.align;
        const BoxRect r = PlaceBoxText(style, c.inset, 30, c.textHeight);
        EXPECT_EQ(r.top, c.top) << c.name;
        EXPECT_EQ(r.bottom, c.bottom) << c.name;
    }
}

TEST(BoxLabelText, FilenameLabelCase) {
    const BoxLabelStyle style = LblFilename();
    const BoxRect r = PlaceBoxText(style, ComputeBoxFrame(style).inset, 40, 13);
    EXPECT_EQ(r, (BoxRect{1, 2, 84, 15}));
}

TEST(BoxLabelText, StaysInsideTheFrameWhenTheTextOrFrameIsTooBig) {
    BoxLabelStyle style;
    style.width = 10;
    style.height = 8;
    style.alignment = TAlignment::taLeftJustify;
    style.verticalAlign = THorizontalAlignment::haCenter;
    // Text taller and wider than the control: centring goes above the top.
    EXPECT_EQ(PlaceBoxText(style, 2, 40, 13), (BoxRect{4, 2, 8, 6}));

    // A frame wider than half the control leaves an empty or inverted rectangle, which
    // draws nothing.
    style.alignment = TAlignment::taRightJustify;
    style.verticalAlign = THorizontalAlignment::haBottom;
    const BoxRect r = PlaceBoxText(style, 6, 3, 3);
    EXPECT_EQ(r.left, 6);
    EXPECT_EQ(r.top, 6);
    EXPECT_EQ(r.right, -3);
    EXPECT_EQ(r.bottom, 2);
}

TEST(BoxLabelText, HalfRoundsToEven) {
    const std::pair<int, int> cases[] = {{5, 2}, {7, 4},  {4, 2},   {1, 0},   {3, 2},
                                         {0, 0}, {-1, 0}, {-3, -2}, {-5, -2}, {-4, -2}};
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(HalfRoundedToEven(value), expected) << value << " / 2";
    }
}

// Wrapped text must be broken to a width that the placed rectangle then holds in full,
// or the rectangle would break it into more lines than were measured.
TEST(BoxLabelText, WrapWidthIsTheWidestRectangleTheAlignmentAllows) {
    for (const TAlignment align :
         {TAlignment::taLeftJustify, TAlignment::taRightJustify, TAlignment::taCenter}) {
        BoxLabelStyle style;
        style.alignment = align;
        const int inset = 2;
        const int wrap = BoxTextWrapWidth(style, inset);
        const BoxRect r = PlaceBoxText(style, inset, wrap, 13);
        EXPECT_EQ(r.right - r.left, wrap) << static_cast<int>(align);
    }
    BoxLabelStyle style;
    EXPECT_EQ(BoxTextWrapWidth(style, 2), 66);
    style.alignment = TAlignment::taLeftJustify;
    EXPECT_EQ(BoxTextWrapWidth(style, 2), 64);
    style.alignment = TAlignment::taRightJustify;
    EXPECT_EQ(BoxTextWrapWidth(style, 2), 63);
}
