// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "platform/Color.h"

// The colour keywords of CSS: the sixteen of HTML 4, the extended set that browsers took from
// SVG (with both spellings of grey) and rebeccapurple. "transparent" and "currentcolor" are
// not among them, as they name no colour of their own.

struct CssNamedColor {
    std::string_view name;  // lower case
    std::uint32_t rgb;      // 0xRRGGBB, as the keyword lists write it
};

// Every keyword, sorted by name.
std::span<const CssNamedColor> CssNamedColors();

// The colour a keyword names, matched ignoring ASCII case; nothing for any other text.
std::optional<platform::TColor> CssColorByName(std::string_view name);
