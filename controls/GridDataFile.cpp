// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/GridDataFile.h"

namespace controls {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

enum class ParseState { Normal, Quoted, Braced, FieldDone, PictureDone, End };

// The end of the line reaches the state machine as a character of its own.
constexpr int kTerminator = -1;

// The bytes of the line's first kMaxDataLineLength characters; a character is a byte that
// does not continue a UTF-8 sequence, with the bytes that continue it.
std::size_t CutLength(std::string_view line) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if ((static_cast<unsigned char>(line[i]) & 0xC0) == 0x80) continue;
        if (characters == kMaxDataLineLength) return i;
        ++characters;
    }
    return line.size();
}

}  // namespace

std::vector<std::string_view> SplitDataLines(std::string_view content) {
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    while (pos < content.size()) {
        std::size_t end = pos;
        while (end < content.size() && content[end] != '\r' && content[end] != '\n') ++end;
        const std::string_view line = content.substr(pos, end - pos);
        lines.push_back(line.substr(0, CutLength(line)));
        pos = end;
        if (pos < content.size() && content[pos] == '\r') ++pos;
        if (pos < content.size() && content[pos] == '\n' && (pos == end || content[pos - 1] == '\r')) ++pos;
    }
    return lines;
}

std::string StripLeadingBlanks(std::string_view text) {
    std::size_t start = 0;
    while (start + 1 < text.size() && IsBlank(text[start])) ++start;
    return std::string(text.substr(start));
}

std::string StripTrailingBlanks(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && IsBlank(text[end - 1])) --end;
    return std::string(text.substr(0, end));
}

std::vector<DataField> ParseDataLine(std::string_view line, int columnCount, StripRules strip) {
    std::vector<DataField> fields;
    int column = 0;
    std::string text;
    ParseState state = ParseState::Normal;
    std::size_t pos = 0;
    while (state != ParseState::End && column < columnCount) {
        if (state == ParseState::FieldDone || state == ParseState::PictureDone) state = ParseState::Normal;
        const int c = pos < line.size() ? static_cast<unsigned char>(line[pos]) : kTerminator;
        ++pos;
        bool endAfterPicture = false;
        switch (state) {
            case ParseState::Normal:
                if (c == kTerminator)
                    state = ParseState::End;
                else if (c == '"')
                    state = ParseState::Quoted;
                else if (c == ',')
                    state = ParseState::FieldDone;
                else if (c == '{')
                    state = ParseState::Braced;
                else
                    text.push_back(static_cast<char>(c));
                break;
            case ParseState::Quoted:
                if (c == kTerminator)
                    state = ParseState::End;
                else if (c == '"')
                    state = ParseState::Normal;
                else
                    text.push_back(static_cast<char>(c));
                break;
            case ParseState::Braced:
                if (c == '}') {
                    state = ParseState::PictureDone;
                } else if (c == kTerminator) {
                    state = ParseState::PictureDone;
                    endAfterPicture = true;
                } else {
                    text.push_back(static_cast<char>(c));
                }
                break;
            default: break;
        }
        if (state == ParseState::FieldDone || state == ParseState::End) {
            if (strip.leading) text = StripLeadingBlanks(text);
            if (strip.trailing) text = StripTrailingBlanks(text);
            if (!text.empty()) fields.push_back({DataField::Kind::Text, column, text});
            text.clear();
            ++column;
        } else if (state == ParseState::PictureDone) {
            // A file name is stripped on both sides whatever the rules say.
            fields.push_back(
                {DataField::Kind::Picture, column, StripTrailingBlanks(StripLeadingBlanks(text))});
            text.clear();
            if (endAfterPicture) state = ParseState::End;
        }
    }
    return fields;
}

}  // namespace controls
