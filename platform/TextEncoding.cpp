// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TextEncoding.h"

#include <array>
#include <cstdint>

namespace platform {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LEMark = "\xFF\xFE";
constexpr std::string_view kUtf16BEMark = "\xFE\xFF";
constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kMaxCodePoint = 0x10FFFF;

// Windows-1252's bytes 0x80..0x9F. The five bytes the code page leaves undefined map to the
// C1 control of the same value, as Windows itself maps them, so every byte round-trips.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

bool IsValidUtf8(std::string_view s) {
    for (std::size_t pos = 0; pos < s.size();) {
        const auto next = NextUtf8(s, pos);
        if (!next) return false;
        pos += next->second;
    }
    return true;
}

std::string FromWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        AppendUtf8(out, b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char32_t{b});
    }
    return out;
}

std::string FromUtf16(std::string_view bytes, bool bigEndian) {
    const auto unit = [&](std::size_t i) -> char32_t {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (first << 8 | second) : (second << 8 | first);
    };
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const char32_t c = unit(i);
        if (c >= 0xD800 && c < 0xDC00 && i + 3 < bytes.size()) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        AppendUtf8(out, IsSurrogate(c) ? kReplacement : c);
    }
    if (i < bytes.size()) AppendUtf8(out, kReplacement);
    return out;
}

void AppendUtf16(std::string& out, char16_t unit, bool bigEndian) {
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    out += bigEndian ? high : low;
    out += bigEndian ? low : high;
}

// Invalid sequences cannot reach here from a decoded file; one that comes from elsewhere
// is written as U+FFFD rather than as bytes the encoding cannot hold.
std::string ToUtf16(std::string_view utf8, bool bigEndian) {
    std::string out(bigEndian ? kUtf16BEMark : kUtf16LEMark);
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto next = NextUtf8(utf8, pos);
        const char32_t c = next ? next->first : kReplacement;
        pos += next ? next->second : 1;
        if (c >= 0x10000) {
            AppendUtf16(out, static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)), bigEndian);
            AppendUtf16(out, static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)), bigEndian);
        } else {
            AppendUtf16(out, static_cast<char16_t>(c), bigEndian);
        }
    }
    return out;
}

std::optional<std::string> ToWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto next = NextUtf8(utf8, pos);
        if (!next) return std::nullopt;
        pos += next->second;
        const char32_t c = next->first;
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out += static_cast<char>(c);
            continue;
        }
        std::size_t index = 0;
        while (index < kHighControls.size() && kHighControls[index] != c) ++index;
        if (index == kHighControls.size()) return std::nullopt;
        out += static_cast<char>(0x80 + index);
    }
    return out;
}

}  // namespace

std::optional<std::pair<char32_t, std::size_t>> NextUtf8(std::string_view s, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    if (lead < 0x80) return std::pair{char32_t{lead}, std::size_t{1}};
    std::size_t length = 0;
    char32_t c = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, c = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, c = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, c = lead & 0x07, least = 0x10000;
    } else {
        return std::nullopt;
    }
    if (pos + length > s.size()) return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(s[pos + i]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (next & 0x3F);
    }
    if (c < least || c > kMaxCodePoint || IsSurrogate(c)) return std::nullopt;
    return std::pair{c, length};
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

DecodedText DecodeText(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Mark)) {
        // A marked file is UTF-8 by its own word. A broken sequence in it is kept as it is, so
        // that writing the file back does not change bytes nobody edited.
        return {std::string(bytes.substr(kUtf8Mark.size())), TextEncoding::Utf8Bom};
    }
    if (bytes.starts_with(kUtf16LEMark)) {
        return {FromUtf16(bytes.substr(kUtf16LEMark.size()), false), TextEncoding::Utf16LE};
    }
    if (bytes.starts_with(kUtf16BEMark)) {
        return {FromUtf16(bytes.substr(kUtf16BEMark.size()), true), TextEncoding::Utf16BE};
    }
    if (IsValidUtf8(bytes)) return {std::string(bytes), TextEncoding::Utf8};
    return {FromWindows1252(bytes), TextEncoding::Windows1252};
}

std::optional<std::string> EncodeText(std::string_view utf8, TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf8: return std::string(utf8);
        case TextEncoding::Utf8Bom: return std::string(kUtf8Mark) + std::string(utf8);
        case TextEncoding::Utf16LE: return ToUtf16(utf8, false);
        case TextEncoding::Utf16BE: return ToUtf16(utf8, true);
        case TextEncoding::Windows1252: return ToWindows1252(utf8);
    }
    return std::nullopt;
}

}  // namespace platform
