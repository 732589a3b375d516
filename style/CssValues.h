// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
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

// What a value relative to its element is counted from: the font sizes of the element's
// parent and of the page's root, and the colour the element inherits (currentColor).
struct CssContext {
    double parentPx = 16;
    double rootPx = 16;
    std::optional<CssColorValue> currentColor;
};

// A named colour, #rgb, #rgba, #rrggbb, #rrggbbaa, rgb()/rgba() or hsl()/hsla() in the comma
// or the space syntax, hwb(), lab(), lch(), oklab() or oklch() (mapped into the sRGB gamut),
// or currentColor when the context knows it; channels clamped and rounded to whole 0..255
// steps. transparent is no colour a style can hold.
std::optional<CssColorValue> ReadCssColor(CssValue value, const CssContext& context = {});

// A length in px: px, pt, pc, in, cm, mm or q; em, ex and % of the parent's font size, rem of
// the root's; or a calc() of them.
std::optional<double> ReadCssLength(CssValue value, const CssContext& context = {});

// A font-size in px: a keyword (larger and smaller from the parent's size) or a length.
std::optional<double> ReadCssFontSizePx(CssValue value, const CssContext& context = {});
// The size step 1..7 nearest to a font-size.
std::optional<int> ReadCssFontSize(CssValue value, const CssContext& context = {});
int NearestSizeStep(double px);

// The font shorthand as CSS Fonts 4 reads it: style, variant, weight and stretch in any order,
// the size with an optional line height after "/", and the family list. What it leaves out is
// reset: normal style and weight.
struct CssFont {
    bool italic = false;
    bool bold = false;
    double sizePx = 16;
    std::vector<std::string> faces;
};
std::optional<CssFont> ReadCssFont(CssValue value, const CssContext& context = {});
// Whether the value is one of the system font keywords (caption, menu...), which name a font of
// the reader's own system.
bool IsCssSystemFont(CssValue value);

// The faces of a font-family value, in order: a string each, or identifiers joined by single
// spaces. The generic families are keywords and read in lower case.
std::optional<std::vector<std::string>> ReadCssFontFamily(CssValue value);

// Whether the name is one of CSS's generic families (serif, sans-serif, monospace, cursive,
// fantasy, system-ui...), in any letter case: a keyword, which quoted would name a face.
bool IsGenericFamily(std::string_view name);

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
