// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/ColorValue.h"

#include <cstdint>
#include <cstdio>

#include "platform/Error.h"
#include "platform/Translate.h"

namespace colorvalue {

namespace {

constexpr TColor kRgbBits = 0x00FFFFFF;

std::string Hex(std::uint32_t value, int minDigits) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*X", minDigits, value);
    return buffer;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// "$" followed by the text, read as a 32-bit hexadecimal number: one or more digits and
// nothing else (no sign, no blanks), the value no wider than 32 bits.
std::uint32_t ParseDollarHex(std::string_view text) {
    const auto fail = [&] {
        throw platform::Error(platform::Arg(
            platform::Translate("Errors", "'%1' is not a valid integer value"), {"$" + std::string(text)}));
    };
    if (text.empty()) fail();
    std::uint64_t value = 0;
    for (char c : text) {
        const int digit = HexDigit(c);
        if (digit < 0) fail();
        value = value * 16 + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFu) fail();
    }
    return static_cast<std::uint32_t>(value);
}

}  // namespace

Channels ChannelsOf(TColor color) {
    return {platform::RedOf(color), platform::GreenOf(color), platform::BlueOf(color)};
}

TColor ColorFromChannels(int red, int green, int blue) {
    return static_cast<TColor>(blue) * 65536 + static_cast<TColor>(green) * 256 + static_cast<TColor>(red);
}

std::string TagForm(TColor color) {
    const Channels c = ChannelsOf(color);
    return TagFormFromChannels(c.red, c.green, c.blue);
}

std::string TagFormFromChannels(int red, int green, int blue) {
    return Hex(static_cast<std::uint32_t>(red) * 65536 + static_cast<std::uint32_t>(green) * 256 +
                   static_cast<std::uint32_t>(blue),
               6);
}

std::string FileForm(TColor color) { return Hex(color, 6); }

// A style holds colours in 24 bits; a hand-edited file with a wider number keeps only
// its colour bits, so that every later text form is six digits again.
TColor FileFormToColor(std::string_view text) { return ParseDollarHex(text) & kRgbBits; }

int ChannelFormToChannel(std::string_view text) { return static_cast<int>(ParseDollarHex(text) & 0xFF); }

std::string ChannelForm(int channel) { return Hex(static_cast<std::uint32_t>(channel & 0xFF), 2); }

}  // namespace colorvalue
