// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "style/Style.h"

// The contrast of the style's text colours against its background colour, by the WCAG 2
// measure that web authors are held to.

// The relative luminance of a colour, 0 (black) to 1 (white), by the WCAG 2 formula.
double RelativeLuminance(TColor color);

// (lighter + 0.05) / (darker + 0.05): 1 for equal colours, 21 for black against white. The
// order of the two colours does not matter.
double ContrastRatio(TColor a, TColor b);

// The ratio as the check shows it, rounded down to one decimal, so that a figure shown never
// passes a mark the ratio itself misses: 4.478 shows as "4.4:1".
std::string ContrastText(double ratio);

// Large text in WCAG's sense is 18 points, or 14 points bold: the size steps shown at 18
// points and more. Bold does not lower the mark, since browsers draw step 4 at 18 pixels,
// 13.5 points, below the 14 points that bold text needs.
bool IsLargeText(int sizeStep);

// The minimum ratios of the two levels; large text needs less.
double MinimumRatioAA(bool largeText);
double MinimumRatioAAA(bool largeText);

// One text colour of the style checked against the background colour.
struct ContrastRow {
    std::string_view name;
    TColor color = 0;
    double ratio = 1;
    bool largeText = false;
    bool passesAA = false;
    bool passesAAA = false;
    bool operator==(const ContrastRow&) const = default;
};

// The font colour (large or not by the style's size step), normal text, new links,
// visited links and active links, in that order, each against BackColor: in picture mode
// too, since the colour is what shows while the picture loads.
std::array<ContrastRow, 5> ContrastRows(const TStyle& style);

// A link told from the body text by its colour alone (not underlined) needs this ratio
// against the text, so that visitors who cannot tell the hues apart still see the link.
inline constexpr double kLinkTextRatio = 3.0;

// New, visited and active links, in that order, each against TextColor. Both marks tell
// whether the ratio reaches kLinkTextRatio; there is no second level.
std::array<ContrastRow, 3> LinkTextRows(const TStyle& style);
