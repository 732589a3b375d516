// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Color.h"

namespace controls {

// The text form of a colour in a component stream: its name from the classic colour-name
// table when it has one ("clNavy", "clBtnFace"), otherwise "$" and eight lower-case digits.
std::string ColorToString(platform::TColor color);

// Reads a name from the table or a number (decimal, or hexadecimal after "$"). Any other
// text throws platform::Error "'<text>' is not a valid integer value", as the classic
// conversion does.
platform::TColor StringToColor(std::string_view text);

// The colour of a table name, if it is one (names match exactly).
std::optional<platform::TColor> ColorOfName(std::string_view name);

}  // namespace controls
