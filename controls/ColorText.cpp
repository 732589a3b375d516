// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ColorText.h"

#include <array>
#include <cstdint>
#include <cstdio>

#include "platform/Error.h"
#include "platform/Translate.h"

namespace controls {

namespace {

using platform::TColor;

struct NamedColor {
    TColor color;
    std::string_view name;
};

constexpr TColor Sys(int index) { return platform::kSystemColorFlag | static_cast<TColor>(index); }

constexpr std::array<NamedColor, 42> kColorNames{{
    {0x000000, "clBlack"},
    {0x000080, "clMaroon"},
    {0x008000, "clGreen"},
    {0x008080, "clOlive"},
    {0x800000, "clNavy"},
    {0x800080, "clPurple"},
    {0x808000, "clTeal"},
    {0x808080, "clGray"},
    {0xC0C0C0, "clSilver"},
    {0x0000FF, "clRed"},
    {0x00FF00, "clLime"},
    {0x00FFFF, "clYellow"},
    {0xFF0000, "clBlue"},
    {0xFF00FF, "clFuchsia"},
    {0xFFFF00, "clAqua"},
    {0xFFFFFF, "clWhite"},
    // The system colours, by their index.
    {Sys(0), "clScrollBar"},
    {Sys(1), "clBackground"},
    {Sys(2), "clActiveCaption"},
    {Sys(3), "clInactiveCaption"},
    {Sys(4), "clMenu"},
    {Sys(5), "clWindow"},
    {Sys(6), "clWindowFrame"},
    {Sys(7), "clMenuText"},
    {Sys(8), "clWindowText"},
    {Sys(9), "clCaptionText"},
    {Sys(10), "clActiveBorder"},
    {Sys(11), "clInactiveBorder"},
    {Sys(12), "clAppWorkSpace"},
    {Sys(13), "clHighlight"},
    {Sys(14), "clHighlightText"},
    {Sys(15), "clBtnFace"},
    {Sys(16), "clBtnShadow"},
    {Sys(17), "clGrayText"},
    {Sys(18), "clBtnText"},
    {Sys(19), "clInactiveCaptionText"},
    {Sys(20), "clBtnHighlight"},
    {Sys(21), "cl3DDkShadow"},
    {Sys(22), "cl3DLight"},
    {Sys(23), "clInfoText"},
    {Sys(24), "clInfoBk"},
    {0x1FFFFFFF, "clNone"},
}};

[[noreturn]] void NotAnInteger(std::string_view text) {
    throw platform::Error(
        platform::Arg(platform::Translate("Errors", "'%1' is not a valid integer value"), {text}));
}

// Decimal with an optional sign, or hexadecimal after "$"; the value must fit in 32 bits.
TColor ParseNumber(std::string_view text) {
    std::string_view digits = text;
    bool negative = false;
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    int base = 10;
    if (!digits.empty() && digits.front() == '$') {
        base = 16;
        digits.remove_prefix(1);
    }
    if (digits.empty()) NotAnInteger(text);
    std::uint64_t value = 0;
    for (const char c : digits) {
        int digit = -1;
        if (c >= '0' && c <= '9') digit = c - '0';
        if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        if (digit < 0) NotAnInteger(text);
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFu) NotAnInteger(text);
    }
    if (base == 10 && value > (negative ? 0x80000000u : 0x7FFFFFFFu)) NotAnInteger(text);
    const auto bits = static_cast<TColor>(value);
    return negative ? static_cast<TColor>(0u - bits) : bits;
}

}  // namespace

std::optional<TColor> ColorOfName(std::string_view name) {
    for (const NamedColor& entry : kColorNames) {
        if (entry.name == name) return entry.color;
    }
    return std::nullopt;
}

std::string ColorToString(TColor color) {
    for (const NamedColor& entry : kColorNames) {
        if (entry.color == color) return std::string(entry.name);
    }
    char text[16];
    std::snprintf(text, sizeof text, "$%.8x", color);
    return text;
}

TColor StringToColor(std::string_view text) {
    if (const auto named = ColorOfName(text)) return *named;
    return ParseNumber(text);
}

}  // namespace controls
