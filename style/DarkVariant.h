// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "style/Style.h"

// The style's dark variant, for visitors whose desktop asks pages for a dark scheme
// (`prefers-color-scheme: dark`). Each of the six colours keeps its OKLCH hue; its lightness
// is turned around (L becomes 1 - L), and its chroma is lowered where the sRGB gamut has no
// colour of that hue and lightness. Every colour that reaches AA or AAA against the background
// in the style reaches at least the same level in the variant: a colour the turn leaves short
// takes the nearest lightness that makes the level, and where no lightness of its hue can, the
// background is darkened until one does. A link that stands 3:1 apart from the text in the
// style stands apart from it in the variant too.

// Whether the style has a light background (OKLCH lightness of a half or more) and so wants a
// dark variant; a style that is dark already is its own.
bool WantsDarkVariant(const TStyle& style);

// The variant's colours in a copy of the style; the style itself when it is dark already.
TStyle DarkVariant(const TStyle& style);

// The CSS that sets the variant over MakeCss's sheet:
//
//   @media (prefers-color-scheme: dark) {
//     body { background-color; color }
//     a:link, a:visited, a:active { color }
//     .velloran { color }
//   }
//
// in MakeCss's layout, indented one step more, after a blank line. A background picture is
// left as the sheet sets it. Empty when the style is dark already.
std::string MakeDarkCss(const TStyle& style);
