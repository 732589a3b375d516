// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "controls/GridTypes.h"
#include "controls/SuperCol.h"
#include "platform/Rect.h"

namespace controls {

// The column grid's drawing decisions, free of any surface: which colours and font a cell
// gets, where its title, text and picture go, and which frames a title cell is given.
// Rectangles follow the grid's arithmetic as it has always been, including its "+ 1"s.

struct CellPlace {
    int col = 0;
    int row = 0;
    int fixedRows = 0;
    TGridDrawState state;
    // The options that keep a focused selected cell in the selection colours.
    bool drawFocusSelected = false;
    bool rowSelect = false;
};

// The brush, the font colour and the font (null: keep the grid's own) for one cell, given
// what the grid has chosen already (brush B0, font colour F0).
struct CellLook {
    platform::TColor brush = 0;
    platform::TColor fontColor = 0;
    const TFont* font = nullptr;
};

CellLook ChooseCellLook(const TColumns& columns, const CellPlace& place, platform::TColor gridBrush,
                        platform::TColor gridFontColor);

// Whether the selection colours win over the grid's: a selected cell that is not focused,
// or any selected cell with the focus-selected or row-select option.
bool UsesSelectionColors(const CellPlace& place);

// One frame ring of a title cell: the rectangle it is drawn on, its width, and its colours
// on the top and left edges and on the bottom and right edges.
struct FrameRing {
    platform::Rect rect;
    int width = 0;
    platform::TColor topLeft = 0;
    platform::TColor bottomRight = 0;
    bool operator==(const FrameRing&) const = default;
};

// The rings of a title cell's frame on r, outer bevel, flat band, inner bevel, each left out
// when it has nothing to draw or r has become too narrow; r is shrunk past them. No ring is
// wider than it takes to use r up, and a negative width counts as none.
std::vector<FrameRing> TitleFrame(const TColumn& column, platform::Rect& r);

// Where the block of title lines starts, for lines of the given heights in r.
int TitleTop(const platform::Rect& r, const std::vector<int>& lineHeights, std::uint8_t titleLayout);

// Where a text block of height h starts in r for a vertical placement.
int TextTop(const platform::Rect& r, int h, std::uint8_t layout);

// Where a cell picture of height h starts in rect (the cell's rectangle); the placement
// applies only with a column descriptor and a picture lower than the cell.
int ImageTop(const platform::Rect& rect, int h, bool hasColumn, std::uint8_t layout);

inline constexpr int kCellImageMargin = 2;
inline constexpr int kCellTextInset = 2;

// A text that is wider than the cell's width w (taken as right - left + 1) is cut after the
// first characters that keep it under w less the width of "..." and 6, and ends in "...".
// widthOf measures a text of the same type.
template <typename Text, typename WidthOf>
Text EllipsisText(const Text& text, int w, WidthOf widthOf) {
    if (widthOf(text) <= w) return text;
    const Text dots(3, '.');
    const int e = widthOf(dots) + 6;
    Text shortened;
    for (const auto c : text) {
        if (widthOf(shortened) >= w - e) break;
        shortened.push_back(c);
    }
    shortened += dots;
    return shortened;
}

}  // namespace controls
