// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/LegacyValue.h"

#include <algorithm>
#include <array>
#include <string>

#include "style/ColorValue.h"
#include "style/CssNamedColors.h"
#include "style/Style.h"

namespace {

// The legacy colour reading looks at no more characters than this.
constexpr std::size_t kColorCharacterLimit = 128;
// A channel keeps at most this many of its last digits before its leading zeros go.
constexpr std::size_t kChannelDigitLimit = 8;
constexpr std::size_t kChannelDigits = 2;
constexpr int kRelativeSizeBase = 3;
// Enough to clamp any size: more digits are read but no longer counted.
constexpr int kSizeSaturation = 1000;
// A code point beyond the Basic Multilingual Plane counts as these two characters, since
// browsers read the text as UTF-16 code units.
constexpr std::string_view kAstralStandIn = "00";
// Stands for any other non-ASCII character: not a hexadecimal digit, so it becomes a 0.
constexpr char kOtherStandIn = 'x';

bool IsAsciiWhitespace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigit(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string_view TrimAsciiWhitespace(std::string_view text) {
    while (!text.empty() && IsAsciiWhitespace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsAsciiWhitespace(text.back())) text.remove_suffix(1);
    return text;
}

bool EqualsIgnoringAsciiCase(std::string_view text, std::string_view lower) {
    return text.size() == lower.size() &&
           std::equal(text.begin(), text.end(), lower.begin(), [](char a, char b) {
               return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
           });
}

// The bytes of the UTF-8 character starting at text[pos]: its length when its continuation
// bytes are all there, else 1.
std::size_t CharacterLength(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    const std::size_t length = lead >= 0xF8 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (pos + length > text.size()) return 1;
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[pos + i]) & 0xC0) != 0x80) return 1;
    }
    return length;
}

// The text as one char per UTF-16 code unit, ASCII kept, at most `limit` of them.
std::string CodeUnits(std::string_view text, std::size_t limit) {
    std::string units;
    for (std::size_t pos = 0; pos < text.size() && units.size() < limit;) {
        const std::size_t length = CharacterLength(text, pos);
        if (length == 1 && static_cast<unsigned char>(text[pos]) < 0x80) {
            units += text[pos];
        } else if (length == 4) {
            units += kAstralStandIn;
        } else {
            units += kOtherStandIn;
        }
        pos += length;
    }
    units.resize(std::min(units.size(), limit));
    return units;
}

int HexValue(std::string_view digits) {
    int value = 0;
    for (const char c : digits) value = value * 16 + HexDigit(c);
    return value;
}

// "#RGB": each digit doubled, 17 times its value.
std::optional<platform::TColor> ShortHexColor(std::string_view value) {
    if (value.size() != 4 || value[0] != '#') return std::nullopt;
    const std::string_view digits = value.substr(1);
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return HexDigit(c) >= 0; }))
        return std::nullopt;
    return colorvalue::ColorFromChannels(HexDigit(digits[0]) * 17, HexDigit(digits[1]) * 17,
                                         HexDigit(digits[2]) * 17);
}

platform::TColor LegacyHexColor(std::string_view value) {
    std::string digits = CodeUnits(value, kColorCharacterLimit);
    if (!digits.empty() && digits.front() == '#') digits.erase(0, 1);
    for (char& c : digits) {
        if (HexDigit(c) < 0) c = '0';
    }
    while (digits.empty() || digits.size() % 3 != 0) digits += '0';

    std::size_t length = digits.size() / 3;
    std::array<std::string_view, 3> channels;
    for (std::size_t i = 0; i < channels.size(); ++i)
        channels[i] = std::string_view(digits).substr(i * length, length);
    if (length > kChannelDigitLimit) {
        for (std::string_view& channel : channels) channel.remove_prefix(length - kChannelDigitLimit);
        length = kChannelDigitLimit;
    }
    const auto leadingZero = [](std::string_view channel) { return channel.front() == '0'; };
    while (length > kChannelDigits && std::all_of(channels.begin(), channels.end(), leadingZero)) {
        for (std::string_view& channel : channels) channel.remove_prefix(1);
        --length;
    }
    if (length > kChannelDigits) {
        for (std::string_view& channel : channels) channel = channel.substr(0, kChannelDigits);
    }
    return colorvalue::ColorFromChannels(HexValue(channels[0]), HexValue(channels[1]), HexValue(channels[2]));
}

}  // namespace

std::optional<platform::TColor> ParseLegacyColor(std::string_view value) {
    // Only the empty text is no colour; white space alone goes on to be read, as black.
    if (value.empty()) return std::nullopt;
    value = TrimAsciiWhitespace(value);
    if (EqualsIgnoringAsciiCase(value, "transparent")) return std::nullopt;
    if (const std::optional<platform::TColor> named = CssColorByName(value)) return named;
    if (const std::optional<platform::TColor> shortHex = ShortHexColor(value)) return shortHex;
    return LegacyHexColor(value);
}

std::optional<int> ParseLegacyFontSize(std::string_view value) {
    std::size_t pos = 0;
    while (pos < value.size() && IsAsciiWhitespace(value[pos])) ++pos;
    if (pos == value.size()) return std::nullopt;
    const char sign = value[pos] == '+' || value[pos] == '-' ? value[pos] : 0;
    if (sign != 0) ++pos;
    if (pos == value.size() || !IsDigit(value[pos])) return std::nullopt;
    int number = 0;
    for (; pos < value.size() && IsDigit(value[pos]); ++pos) {
        number = std::min(number * 10 + (value[pos] - '0'), kSizeSaturation);
    }
    const int step = sign == '+'   ? kRelativeSizeBase + number
                     : sign == '-' ? kRelativeSizeBase - number
                                   : number;
    return std::clamp(step, kMinSizeStep, kMaxSizeStep);
}
