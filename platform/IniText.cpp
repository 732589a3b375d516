// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IniText.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

#include "platform/AsciiCase.h"

namespace platform {

namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kLineBreaks = "\r\n";
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kDefaultLineEnd = "\n";
constexpr char kSectionStart = '[';
constexpr char kSectionEnd = ']';
constexpr char kCommentStart = ';';
constexpr char kKeyEnd = '=';

enum class LineKind { Blank, Comment, Section, Key, Other };

struct Line {
    std::size_t begin = 0;       // first byte of the line
    std::size_t contentEnd = 0;  // first byte of its line end
    std::size_t end = 0;         // first byte of the next line
    LineKind kind = LineKind::Blank;
    std::string_view name;   // section name or key, trimmed
    std::string_view value;  // key lines only, trimmed
};

std::string_view Trim(std::string_view s) {
    const auto first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

// Each line break (CRLF counts as one) becomes a single space.
std::string WithoutLineBreaks(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') {
            continue;  // the LF that follows becomes the space
        }
        out += (s[i] == '\r' || s[i] == '\n') ? ' ' : s[i];
    }
    return out;
}

// A caller's section or key name in the form it is matched and stored in.
std::string NormalName(std::string_view name) { return std::string(Trim(WithoutLineBreaks(name))); }

void Classify(std::string_view content, Line& line) {
    line.name = {};
    line.value = {};
    const std::string_view body = Trim(content);
    if (body.empty()) {
        line.kind = LineKind::Blank;
    } else if (body.front() == kSectionStart) {
        line.kind = LineKind::Section;
        const std::string_view inner = body.substr(1);
        line.name = Trim(inner.substr(0, inner.find(kSectionEnd)));
    } else if (body.front() == kCommentStart) {
        line.kind = LineKind::Comment;
    } else if (const auto equals = body.find(kKeyEnd); equals != std::string_view::npos) {
        line.kind = LineKind::Key;
        line.name = Trim(body.substr(0, equals));
        line.value = Trim(body.substr(equals + 1));
    } else {
        line.kind = LineKind::Other;
    }
}

// Hands out the lines of a text one at a time, in order.
class LineReader {
public:
    explicit LineReader(std::string_view text)
        : text_(text), pos_(text.starts_with(kUtf8ByteOrderMark) ? kUtf8ByteOrderMark.size() : 0) {}

    bool Next(Line& line) {
        if (pos_ >= text_.size()) {
            return false;
        }
        line.begin = pos_;
        line.contentEnd = std::min(text_.find_first_of(kLineBreaks, pos_), text_.size());
        line.end = line.contentEnd;
        if (line.end < text_.size()) {
            const bool crlf =
                text_[line.end] == '\r' && line.end + 1 < text_.size() && text_[line.end + 1] == '\n';
            line.end += crlf ? 2 : 1;
        }
        pos_ = line.end;
        Classify(text_.substr(line.begin, line.contentEnd - line.begin), line);
        return true;
    }

private:
    std::string_view text_;
    std::size_t pos_;
};

// Advances the reader past the header of the first section of this name.
std::optional<Line> FindSection(LineReader& reader, std::string_view section) {
    Line line;
    while (reader.Next(line)) {
        if (line.kind == LineKind::Section && SameName(line.name, section)) {
            return line;
        }
    }
    return std::nullopt;
}

// The length in bytes of the UTF-8 character starting with this byte; a byte that cannot
// start one counts as a character of its own.
std::size_t Utf8Length(unsigned char lead) {
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}

// Characters are counted in UTF-8 so that the cut never splits one and the user's text is cut
// where the user would count; a malformed sequence ends at its first byte that does not fit.
std::string CutValue(std::string_view value) {
    std::size_t pos = 0;
    for (std::size_t characters = 0; pos < value.size() && characters < kIniMaxValueLength; ++characters) {
        const std::size_t length = Utf8Length(static_cast<unsigned char>(value[pos]));
        ++pos;
        for (std::size_t i = 1; i < length && pos < value.size() && (value[pos] & 0xC0) == 0x80; ++i) {
            ++pos;
        }
    }
    return std::string(value.substr(0, pos));
}

std::optional<Line> LastLine(std::string_view text) {
    LineReader reader(text);
    Line line;
    if (!reader.Next(line)) {
        return std::nullopt;
    }
    while (reader.Next(line)) {
    }
    return line;
}

std::string_view LineEndOf(std::string_view text, const Line& line) {
    return std::string_view(text).substr(line.contentEnd, line.end - line.contentEnd);
}

// The line end new lines get where there is no neighbouring line to copy: the file's first.
std::string_view FirstLineEnd(std::string_view text) {
    const auto pos = text.find_first_of(kLineBreaks);
    if (pos == std::string_view::npos) {
        return kDefaultLineEnd;
    }
    if (text[pos] == '\r') {
        return text.substr(pos, pos + 1 < text.size() && text[pos + 1] == '\n' ? 2 : 1);
    }
    return text.substr(pos, 1);
}

std::string CheckedSectionName(std::string_view section) {
    std::string name = NormalName(section);
    if (name.find(kSectionEnd) != std::string::npos) {
        throw std::invalid_argument("INI section name holds ']': " + name);
    }
    return name;
}

std::string CheckedKeyName(std::string_view key) {
    std::string name = NormalName(key);
    if (name.find(kKeyEnd) != std::string::npos || name.starts_with(kSectionStart) ||
        name.starts_with(kCommentStart)) {
        throw std::invalid_argument("INI key cannot be stored: " + name);
    }
    return name;
}

}  // namespace

std::optional<std::string> IniText::Value(std::string_view section, std::string_view key) const {
    LineReader reader(text_);
    if (!FindSection(reader, NormalName(section))) {
        return std::nullopt;
    }
    const std::string wanted = NormalName(key);
    Line line;
    while (reader.Next(line) && line.kind != LineKind::Section) {
        if (line.kind == LineKind::Key && SameName(line.name, wanted)) {
            return CutValue(line.value);
        }
    }
    return std::nullopt;
}

bool IniText::SectionExists(std::string_view section) const {
    LineReader reader(text_);
    return FindSection(reader, NormalName(section)).has_value();
}

std::vector<std::string> IniText::SectionValues(std::string_view section) const {
    std::vector<std::string> values;
    LineReader reader(text_);
    if (!FindSection(reader, NormalName(section))) {
        return values;
    }
    Line line;
    while (reader.Next(line) && line.kind != LineKind::Section) {
        if (line.kind == LineKind::Key) {
            values.push_back(std::string(line.name) + kKeyEnd + CutValue(line.value));
        }
    }
    return values;
}

void IniText::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    const std::string sectionName = CheckedSectionName(section);
    const std::string keyName = CheckedKeyName(key);
    const std::string keyLine = keyName + kKeyEnd + WithoutLineBreaks(value);

    LineReader reader(text_);
    const std::optional<Line> header = FindSection(reader, sectionName);
    if (!header) {
        AppendSection(sectionName, {keyLine});
        return;
    }

    Line lastContent = *header;
    Line line;
    while (reader.Next(line) && line.kind != LineKind::Section) {
        if (line.kind == LineKind::Key && SameName(line.name, keyName)) {
            text_.replace(line.begin, line.contentEnd - line.begin, keyLine);
            return;
        }
        if (line.kind == LineKind::Key || line.kind == LineKind::Other) {
            lastContent = line;
        }
    }
    // Blank lines and comments after the section's last key stay where they are: they usually
    // separate it from, or introduce, what follows. The new line copies the line end of the
    // line it follows, which also keeps a lone CR from joining an LF after it into one break.
    std::string insertion;
    std::string_view lineEnd = LineEndOf(text_, lastContent);
    if (lineEnd.empty()) {
        lineEnd = FirstLineEnd(text_);
        insertion += lineEnd;
    }
    insertion += keyLine;
    insertion += lineEnd;
    text_.insert(lastContent.end, insertion);
}

void IniText::AppendSection(const std::string& sectionName, const std::vector<std::string>& keyLines) {
    const std::string_view lineEnd = FirstLineEnd(text_);
    std::string addition;
    if (const std::optional<Line> last = LastLine(text_)) {
        if (last->end == last->contentEnd) {
            addition += lineEnd;
        }
        // One blank line between sections, without piling up more.
        if (last->kind != LineKind::Blank) {
            addition += lineEnd;
        }
    }
    addition += kSectionStart;
    addition += sectionName;
    addition += kSectionEnd;
    addition += lineEnd;
    for (const std::string& keyLine : keyLines) {
        addition += keyLine;
        addition += lineEnd;
    }
    text_ += addition;
}

void IniText::ReplaceSection(std::string_view section,
                             const std::vector<std::pair<std::string, std::string>>& keyValues) {
    const std::string sectionName = CheckedSectionName(section);
    std::vector<std::string> keyLines;
    keyLines.reserve(keyValues.size());
    for (const auto& [key, value] : keyValues) {
        keyLines.push_back(CheckedKeyName(key) + kKeyEnd + WithoutLineBreaks(value));
    }
    EraseSection(sectionName);
    if (!keyLines.empty()) {
        AppendSection(sectionName, keyLines);
    }
}

bool IniText::EraseSection(std::string_view section) {
    const std::string name = NormalName(section);
    std::string kept;
    std::size_t keptFrom = 0;
    bool erasing = false;
    bool erased = false;
    LineReader reader(text_);
    Line line;
    while (reader.Next(line)) {
        if (line.kind != LineKind::Section) {
            continue;
        }
        const bool match = SameName(line.name, name);
        if (match && !erasing) {
            kept.append(text_, keptFrom, line.begin - keptFrom);
            erasing = true;
            erased = true;
        } else if (!match && erasing) {
            keptFrom = line.begin;
            erasing = false;
        }
    }
    if (!erased) {
        return false;
    }
    if (!erasing) {
        kept.append(text_, keptFrom);
    }
    text_ = std::move(kept);
    return true;
}

std::optional<std::int32_t> ParseIniInteger(std::string_view text) {
    bool negative = false;
    if (text.starts_with('+') || text.starts_with('-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.starts_with('$')) {
        base = 16;
        text.remove_prefix(1);
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    }
    // from_chars takes no sign for an unsigned type, so "$-5" and "0x+5" are refused here.
    std::uint32_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    constexpr std::uint32_t kMaxPositive = 0x7FFFFFFF;
    if (magnitude > kMaxPositive + (negative ? 1u : 0u)) {
        return std::nullopt;
    }
    return negative ? static_cast<std::int32_t>(0u - magnitude) : static_cast<std::int32_t>(magnitude);
}

}  // namespace platform
