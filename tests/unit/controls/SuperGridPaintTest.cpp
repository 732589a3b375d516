// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "controls/SuperGridPaint.h"

namespace {

using controls::CellLook;
using controls::CellPlace;
using controls::TColumn;
using controls::TColumns;
using controls::TGridDrawState;
using platform::Rect;
using platform::TColor;

constexpr TColor kGridBrush = 0x111111;
constexpr TColor kGridFont = 0x222222;
constexpr TColor kTitleColor = 0x333333;
constexpr TColor kCellColor = 0x444444;
constexpr TColor kOdd = 0x555555;
constexpr TColor kEven = 0x666666;
constexpr TColor kTitleFontColor = 0x777777;
constexpr TColor kCellFontColor = 0x888888;

TColumns& StyledColumns() {
    static TColumns columns;
    if (columns.Count() == 0) {
        TColumn column;
        column.TitleColor = kTitleColor;
        column.Color = kCellColor;
        controls::TFont titleFont;
        titleFont.Color = kTitleFontColor;
        column.SetTitleFont(titleFont);
        controls::TFont font;
        font.Color = kCellFontColor;
        column.SetFont(font);
        columns.Add(column);
    }
    return columns;
}

struct LookCase {
    const char* what;
    int col, row, fixedRows;
    TGridDrawState state;
    bool useOdd, useEven, focusSelected;
    TColor brush, fontColor;
    bool titleFont;
};

class CellLookTest : public ::testing::TestWithParam<LookCase> {};

TEST_P(CellLookTest, ChoosesBrushAndFont) {
    const LookCase& c = GetParam();
    TColumns& columns = StyledColumns();
    columns.SetUseOddRowColor(c.useOdd);
    columns.SetOddRowColor(kOdd);
    columns.SetUseEvenRowColor(c.useEven);
    columns.SetEvenRowColor(kEven);
    const CellPlace place{c.col, c.row, c.fixedRows, c.state, c.focusSelected, false};
    const CellLook look = controls::ChooseCellLook(columns, place, kGridBrush, kGridFont);
    EXPECT_EQ(look.brush, c.brush) << c.what;
    EXPECT_EQ(look.fontColor, c.fontColor) << c.what;
    if (c.col == 0) {
        const controls::TFont* expected =
            c.titleFont ? &columns.Items(0).TitleFont() : &columns.Items(0).Font();
        EXPECT_EQ(look.font, expected) << c.what;
    } else {
        EXPECT_EQ(look.font, nullptr) << c.what;
    }
}

constexpr TGridDrawState kPlain{};
constexpr TGridDrawState kFixed{false, false, true};
constexpr TGridDrawState kSelected{true, false, false};
constexpr TGridDrawState kSelectedFocused{true, true, false};

INSTANTIATE_TEST_SUITE_P(
    Cells, CellLookTest,
    ::testing::Values(
        LookCase{"title cell", 0, 0, 1, kFixed, true, true, false, kTitleColor, kTitleFontColor, true},
        LookCase{"row 1 is odd", 0, 1, 1, kPlain, true, true, false, kOdd, kCellFontColor, false},
        LookCase{"row 2 is even", 0, 2, 1, kPlain, true, true, false, kEven, kCellFontColor, false},
        LookCase{"row colours off", 0, 2, 1, kPlain, false, false, false, kCellColor, kCellFontColor, false},
        LookCase{"second fixed row: title look", 0, 1, 2, kFixed, true, true, false, kTitleColor,
                 kTitleFontColor, true},
        LookCase{"fixed column in a data row", 0, 3, 1, kFixed, true, true, false, kCellColor, kCellFontColor,
                 false},
        LookCase{"selected, not focused", 0, 1, 1, kSelected, true, true, false, kGridBrush, kGridFont,
                 false},
        LookCase{"selected and focused, focus-selected option", 0, 2, 1, kSelectedFocused, true, true, true,
                 kGridBrush, kGridFont, false},
        LookCase{"selected and focused, no option", 0, 2, 1, kSelectedFocused, true, true, false, kEven,
                 kCellFontColor, false},
        LookCase{"no descriptor keeps the grid's choice", 1, 0, 1, kFixed, true, true, false, kGridBrush,
                 kGridFont, false},
        LookCase{"no descriptor, odd row", 1, 1, 1, kPlain, true, true, false, kOdd, kGridFont, false}),
    [](const auto& info) { return "Cell" + std::to_string(info.index); });

// Every character 10 pixels wide, "..." 30: E = 36.
int TenEach(const std::string& text) { return static_cast<int>(text.size()) * 10; }

TEST(EllipsisTextTest, KeepsATextOfExactlyTheWidthAndCutsALongerOne) {
    EXPECT_EQ(controls::EllipsisText(std::string("abcdefghij"), 100, TenEach), "abcdefghij");
    // W - E = 64: characters are added while the kept part is narrower than 64, so the
    // seventh (kept width 60 before it) is the one that passes the limit.
    EXPECT_EQ(controls::EllipsisText(std::string("abcdefghijk"), 100, TenEach), "abcdefg...");
    // A cell narrower than the dots keeps only them.
    EXPECT_EQ(controls::EllipsisText(std::string("abcdef"), 20, TenEach), "...");
}

TEST(TitleTopTest, PlacesTheBlockOfLines) {
    const Rect r{0, 10, 50, 40};       // 30 high
    const std::vector<int> two{8, 8};  // a block of 20
    EXPECT_EQ(controls::TitleTop(r, two, controls::kLayoutTop), 10);
    EXPECT_EQ(controls::TitleTop(r, two, controls::kLayoutCenter), 10 + (31 - 20) / 2);
    EXPECT_EQ(controls::TitleTop(r, two, controls::kLayoutBottom), 40 - 20);
    // A block as high as the cell, or higher, starts at the top whatever the layout.
    EXPECT_EQ(controls::TitleTop(r, {13, 13}, controls::kLayoutBottom), 10);
}

TEST(TextTopTest, PlacesTextAndPictures) {
    const Rect r{0, 0, 20, 20};
    EXPECT_EQ(controls::TextTop(r, 10, controls::kLayoutCenter), 5);
    EXPECT_EQ(controls::TextTop(r, 10, controls::kLayoutBottom), 10);
    EXPECT_EQ(controls::TextTop(r, 21, controls::kLayoutBottom), 0);
    // Pictures: H = bottom - (top + 2) + 1 = 19.
    EXPECT_EQ(controls::ImageTop(r, 13, true, controls::kLayoutTop), 2);
    EXPECT_EQ(controls::ImageTop(r, 13, true, controls::kLayoutCenter), 3);
    EXPECT_EQ(controls::ImageTop(r, 13, true, controls::kLayoutBottom), 5);
    EXPECT_EQ(controls::ImageTop(r, 13, false, controls::kLayoutBottom), 2);
}

TEST(TitleFrameTest, DrawsOuterBevelBandAndInnerBevelInOrder) {
    TColumn column;
    column.TitleColor = kTitleColor;
    column.TitleBevelOuter = static_cast<std::uint8_t>(controls::TPanelBevel::bvRaised);
    column.TitleBevelInner = static_cast<std::uint8_t>(controls::TPanelBevel::bvLowered);
    column.TitleBorderWidth = 3;
    column.TitleBevelWidth = 2;
    Rect r{0, 0, 40, 20};
    const auto rings = controls::TitleFrame(column, r);
    ASSERT_EQ(rings.size(), 3u);
    EXPECT_EQ(rings[0],
              (controls::FrameRing{{0, 0, 40, 20}, 2, platform::clBtnHighlight, platform::clBtnShadow}));
    EXPECT_EQ(rings[1], (controls::FrameRing{{2, 2, 38, 18}, 3, kTitleColor, kTitleColor}));
    EXPECT_EQ(rings[2],
              (controls::FrameRing{{5, 5, 35, 15}, 2, platform::clBtnShadow, platform::clBtnHighlight}));
    EXPECT_EQ(r, (Rect{7, 7, 33, 13}));
}

// A damaged description can hold any width: a ring takes no more steps than the cell has
// pixels, and the arithmetic never leaves int.
TEST(TitleFrameTest, AVastWidthUsesTheRectangleUpInOneRing) {
    constexpr int kMax = std::numeric_limits<int>::max();
    const struct {
        std::uint8_t outer;
        int bevel;
        int band;
        platform::TColor topLeft;
    } cases[] = {
        {static_cast<std::uint8_t>(controls::TPanelBevel::bvLowered), 1'000'000'000, kMax,
         platform::clBtnShadow},
        {0, 1, kMax, kTitleColor},
    };
    for (const auto& c : cases) {
        TColumn column;
        column.TitleColor = kTitleColor;
        column.TitleBevelOuter = c.outer;
        column.TitleBevelWidth = c.bevel;
        column.TitleBorderWidth = c.band;
        Rect r{1, 1, 41, 21};
        const auto rings = controls::TitleFrame(column, r);
        ASSERT_EQ(rings.size(), 1u) << c.bevel;
        EXPECT_EQ(rings[0].width, 21) << c.bevel;
        EXPECT_EQ(rings[0].topLeft, c.topLeft) << c.bevel;
        EXPECT_EQ(r, (Rect{22, 22, 20, 0})) << c.bevel;
    }
}

TEST(TitleFrameTest, StopsWhenTheRectangleHasNoWidthLeft) {
    TColumn column;
    column.TitleBevelOuter = static_cast<std::uint8_t>(controls::TPanelBevel::bvLowered);
    column.TitleBevelInner = static_cast<std::uint8_t>(controls::TPanelBevel::bvLowered);
    column.TitleBevelWidth = 3;
    Rect r{0, 0, 4, 20};  // after the outer bevel: right - left + 1 = -1
    const auto rings = controls::TitleFrame(column, r);
    ASSERT_EQ(rings.size(), 1u);
    EXPECT_EQ(r, (Rect{3, 3, 1, 17}));
}

}  // namespace
