// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/HexField.h"

#include <cstdio>

#include "platform/KeyCodes.h"

namespace hexfield {

namespace {

using platform::VK_BACK, platform::VK_DOWN, platform::VK_END, platform::VK_HOME, platform::VK_NEXT,
    platform::VK_PRIOR, platform::VK_UP;
constexpr int kPage = 15;

bool IsHexDigit(char32_t c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

std::string TwoDigits(int value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02X", value);
    return buffer;
}

// The field's value, or nothing when its text is not a hexadecimal number (only pasting
// can put such a text there; the keys then leave it alone).
std::optional<int> ValueOf(std::string_view text) {
    if (text.empty() || text.size() > 2) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (!IsHexDigit(static_cast<unsigned char>(c))) return std::nullopt;
        value = value * 16 + (c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10);
    }
    return value;
}

KeyResult Set(const std::string& text) { return {text, true}; }

}  // namespace

bool KeyPasses(char32_t character) { return IsHexDigit(character) || character == VK_BACK; }

KeyResult NavigationKey(int key, std::string_view text) {
    if (key == VK_HOME) return Set("00");
    if (key == VK_END) return Set("FF");
    if (key != VK_UP && key != VK_DOWN && key != VK_NEXT && key != VK_PRIOR) return {};
    if (text.empty()) {
        switch (key) {
            case VK_UP: return Set("00");
            case VK_DOWN: return Set("FF");
            case VK_NEXT: return Set("0F");
            default: return Set("00");
        }
    }
    const std::optional<int> value = ValueOf(text);
    if (!value) return {};
    const int v = *value;
    switch (key) {
        case VK_UP: return v < 255 ? Set(TwoDigits(v + 1)) : KeyResult{};
        case VK_DOWN: return v > 0 ? Set(TwoDigits(v - 1)) : KeyResult{};
        case VK_NEXT: return Set(v <= 255 - kPage ? TwoDigits(v + kPage) : "FF");
        default: return Set(v > kPage ? TwoDigits(v - kPage) : "00");
    }
}

std::string ExitText(std::string_view text) {
    if (text.empty()) return "00";
    if (text.size() == 1) {
        const char c = text[0];
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')) return std::string("0") + c;
        if (c >= 'a' && c <= 'f') return std::string("0") + static_cast<char>(c - 'a' + 'A');
    }
    return std::string(text);
}

}  // namespace hexfield
