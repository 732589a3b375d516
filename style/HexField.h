// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The rules of the colour panel's two-digit hexadecimal fields, apart from the widgets.
namespace hexfield {

// Whether a typed character may enter a field: hexadecimal digits of either case and
// Backspace. Everything else is dropped before it reaches the field.
bool KeyPasses(char32_t character);

// What a navigation key does to a field's text: the new text, if any, and whether the
// key is consumed (kept from the field). Keys are the classic codes.
struct KeyResult {
    std::optional<std::string> text;
    bool consumed = false;
};
KeyResult NavigationKey(int key, std::string_view text);

// The text a field takes when it loses the focus: empty becomes "00", one hexadecimal
// digit gets a leading "0" (upper case); anything else stays.
std::string ExitText(std::string_view text);

}  // namespace hexfield
