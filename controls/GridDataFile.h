// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace controls {

// The column grid's data file: comma-separated lines, one per grid row. A field may be
// quoted (commas and braces inside quotes are text) or hold a picture file name in braces;
// text after the closing brace goes to the same cell.

// The longest line read, in characters; the rest of a longer line is skipped.
inline constexpr std::size_t kMaxDataLineLength = 2048;

// The largest data file read, far more than any table a grid can show; a larger one is
// refused as unreadable rather than filling the memory.
inline constexpr long kMaxDataFileBytes = 64L * 1024 * 1024;

// The lines of a file's UTF-8 text, each cut to kMaxDataLineLength characters. CR LF, LF and
// CR end a line; a last line without an end counts.
std::vector<std::string_view> SplitDataLines(std::string_view content);

struct DataField {
    enum class Kind { Text, Picture };
    Kind kind = Kind::Text;
    int column = 0;
    std::string text;  // the cell's text, or the picture's file name
    bool operator==(const DataField&) const = default;
};

struct StripRules {
    bool leading = true;
    bool trailing = true;
};

// Leading: blanks (tabs and spaces) off the front, but never the last character, so a
// field of blanks keeps one. Trailing: every blank off the end.
std::string StripLeadingBlanks(std::string_view text);
std::string StripTrailingBlanks(std::string_view text);

// Parses one line for a grid of columnCount columns, in the order the cells are to be
// filled. Empty text fields are left out (they leave the cell unchanged); pictures come
// with their column, and a text following a picture's closing brace is a further Text field
// of the same column. Fields past the last column are dropped.
std::vector<DataField> ParseDataLine(std::string_view line, int columnCount, StripRules strip);

}  // namespace controls
