// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/Color.h"
#include "style/CssTokens.h"

// The CSS values a style can take, read from a declaration's tokens. Each reader takes the
// whole value and gives nothing for a value it cannot hold, as a browser drops a declaration
// whose value does not parse.

using CssValue = std::span<const CssToken>;

struct CssColorValue {
    platform::TColor color = 0;
    // False when the colour was given with an alpha below 1, which a style cannot hold and
    // drops.
    bool opaque = true;
};

// A named colour, #rgb, #rgba, #rrggbb, #rrggbbaa, rgb()/rgba() or hsl()/hsla() in the comma
// or the space syntax; channels clamped and rounded to whole 0..255 steps. transparent and
// currentcolor are no colour a style can hold.
std::optional<CssColorValue> ReadCssColor(CssValue value);

// The size step 1..7 nearest to a font-size: a keyword, or a length in px, pt, pc, in, cm,
// mm, q, em, rem or %, the relative ones counted from the 16 px of "medium".
std::optional<int> ReadCssFontSize(CssValue value);

// The faces of a font-family value, in order: a string each, or identifiers joined by single
// spaces. The generic families are keywords and read in lower case.
std::optional<std::vector<std::string>> ReadCssFontFamily(CssValue value);

// Whether a font-weight is bold (600 and above), a font-style italic or oblique, a text-align
// centred.
std::optional<bool> ReadCssBold(CssValue value);
std::optional<bool> ReadCssItalic(CssValue value);
std::optional<bool> ReadCssCentered(CssValue value);

// A background-image: the address of its url, or empty for none.
std::optional<std::string> ReadCssImage(CssValue value);

// The background shorthand: its colour and its image, each when given. Other parts
// (repeat, position, size...) are passed over.
struct CssBackground {
    std::optional<CssColorValue> color;
    std::optional<std::string> image;
};
std::optional<CssBackground> ReadCssBackground(CssValue value);
