// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "platform/Color.h"

// The 216 colours of the web-safe palette as the palette window lays them out: six columns
// and 36 rows of swatches in a scrolling box. Blue grows along a row, red from row to row
// within a band of six rows, green from band to band.
namespace webpalette {

using platform::TColor;

inline constexpr int kColumns = 6;
inline constexpr int kRows = 36;
inline constexpr int kCount = kColumns * kRows;
inline constexpr int kSwatchWidth = 40;
inline constexpr int kSwatchHeight = 21;
inline constexpr int kMargin = 5;
inline constexpr int kStepAcross = 45;
inline constexpr int kStepDown = 25;
// The height of the scrolling content: the last row's bottom edge.
inline constexpr int kContentHeight = kMargin + (kRows - 1) * kStepDown + kSwatchHeight;
inline constexpr int kContentWidth = kMargin + (kColumns - 1) * kStepAcross + kSwatchWidth + kMargin;

struct Swatch {
    int left;
    int top;
    TColor color;  // 0x00BBGGRR
};

// Swatch i (0..215; the window's Shape1 is swatch 0).
Swatch SwatchAt(int index);
const std::array<Swatch, kCount>& Swatches();

// The swatch under a point of the content, or -1 over a gap or outside the grid.
int SwatchIndexAt(int x, int y);

// The swatch one step from swatch `index` (across by `columns`, down by `rows`), held at the
// edges of the grid, as the arrow keys move the palette's focus.
int SwatchStep(int index, int columns, int rows);

// What the palette shows while the mouse is over a colour: the value's six hexadecimal
// digits (BBGGRR) in reverse order, which for the palette's colours, whose two digits per
// channel are equal, reads as RRGGBB.
std::string HoverText(TColor color);

}  // namespace webpalette
