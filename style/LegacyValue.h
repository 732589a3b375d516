// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include "platform/Color.h"

// The values of the old presentational attributes (COLOR, BGCOLOR, TEXT, SIZE...) read as
// every browser reads them, by the HTML standard's legacy rules. The text is UTF-8, as a
// parsed attribute value is; a byte that is not part of a UTF-8 character counts as one
// character.

// Almost any text is a colour: a CSS colour keyword ("orange", "grey"), "#RGB", and else the
// legacy reading that keeps hexadecimal digits, takes every other character as 0 and splits
// the result into three channels ("chucknorris" is #C00000). Only the empty text and
// "transparent" are no colour.
std::optional<platform::TColor> ParseLegacyColor(std::string_view value);

// A size step 1..7: digits after optional white space, with "+" or "-" counting from 3; the
// result is clamped to 1..7 and text after the digits is ignored ("3.5" is 3). No digits is
// no size.
std::optional<int> ParseLegacyFontSize(std::string_view value);
