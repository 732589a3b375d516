// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace platform {

// The encodings a settings or style file comes in. Files from other systems are often in
// Windows-1252, and some editors save UTF-16; the program works in UTF-8 and writes a file
// back in the encoding it had, so bytes it did not change stay as they were.
enum class TextEncoding {
    Utf8,         // no byte order mark; also what a new file gets
    Utf8Bom,      // UTF-8 after EF BB BF
    Utf16LE,      // after FF FE
    Utf16BE,      // after FE FF
    Windows1252,  // no mark, and not valid UTF-8 as a whole
};

struct DecodedText {
    std::string utf8;  // without the byte order mark
    TextEncoding encoding = TextEncoding::Utf8;
};

// A file's bytes as UTF-8. A byte order mark says what the file is; without one the file is
// UTF-8 when all of it is valid UTF-8, else Windows-1252. Every file but broken UTF-16 comes
// back byte for byte from EncodeText: a broken sequence after a UTF-8 mark is kept as it is,
// while a lone surrogate or an odd last byte of UTF-16 decodes to U+FFFD.
DecodedText DecodeText(std::string_view bytes);

// UTF-8 text as the bytes of a file in the encoding, mark included. Nothing when a character
// has no Windows-1252 byte; the caller then writes UTF-8 instead.
std::optional<std::string> EncodeText(std::string_view utf8, TextEncoding encoding);

// The character at pos and its length in bytes; nothing for a byte sequence that is not
// well-formed UTF-8 (overlong forms, surrogates and values past U+10FFFF included).
std::optional<std::pair<char32_t, std::size_t>> NextUtf8(std::string_view s, std::size_t pos);

// Appends one code point to UTF-8 text (the caller keeps surrogates out).
void AppendUtf8(std::string& out, char32_t c);

}  // namespace platform
