// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace windows {

// The special characters window's table: one entry per row, the character's code (a
// Latin-1 code point, which is also its Unicode code point) and its entity name.
struct SpecialEntry {
    int code = 0;
    std::string name;
};

inline constexpr int kFirstLatin1Code = 160;
inline constexpr int kLastLatin1Code = 255;
inline constexpr std::size_t kLatin1NameCount = kLastLatin1Code - kFirstLatin1Code + 1;
inline constexpr std::size_t kLeadingEntryCount = 5;

// The names the window keeps, one per line, for codes 160 to 255.
extern const std::array<std::string_view, kLatin1NameCount> kLatin1Names;
// The entries before the Latin-1 block: quote, ampersand, less, greater, backquote.
extern const std::array<SpecialEntry, kLeadingEntryCount> kLeadingEntries;

std::vector<std::string> StoredLatin1Names();

// The numeric reference as the table shows it: "&#" and the decimal code, no semicolon.
std::string CodeText(int code);

// The whole table, rows 1 to 101: the leading entries, then codes 160 to 255 named by the
// given lines (line n - 160 for code n; a missing line gives an empty name).
std::vector<SpecialEntry> SpecialTable(const std::vector<std::string>& latin1Names);

}  // namespace windows
