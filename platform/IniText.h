// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

// The longest value a read returns, in characters; the rest of a longer value is lost.
inline constexpr std::size_t kIniMaxValueLength = 1023;

// The text of an INI file held in memory, with the private-profile rules for finding and
// changing keys. TIniFile loads a file into one of these for every call; keeping the rules
// apart from the disk lets them be tested and fuzzed on plain strings. Every operation is a
// single pass over the text.
//
// The format as read here:
// - Lines end with LF, CRLF or a lone CR. A UTF-8 byte order mark at the start is skipped.
// - A line whose first non-blank character is '[' starts a section; its name is the text up
//   to the first ']' (or to the end of the line), trimmed. Key lines before the first section
//   belong to none and are never found.
// - A line whose first non-blank character is ';' is a comment.
// - Any other line holding '=' is a key line: the key is the text before the first '=', the
//   value the text after it, both trimmed of blanks (spaces and tabs). Quotes are not
//   special, so a value reads back exactly as it was written, bar surrounding blanks.
// - Lines of other text inside a section are kept but hold no key.
// - Section and key names match ignoring ASCII case, after the caller's name is trimmed.
//   Only the first section of a name counts, and within it the first line of a key.
//
// Edits touch only the lines they must; every other line keeps its bytes, line end included.
class IniText {
public:
    IniText() = default;
    explicit IniText(std::string text) : text_(std::move(text)) {}

    const std::string& Text() const { return text_; }

    // The key's value, cut to kIniMaxValueLength characters; nothing when the key is missing.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    bool SectionExists(std::string_view section) const;
    // The section's key lines in file order as "key=value", each trimmed and cut as Value
    // does; duplicate keys are listed as often as they occur.
    std::vector<std::string> SectionValues(std::string_view section) const;

    // Replaces the key's first line in its section, or adds "key=value" after the section's
    // last line of content, or adds the section at the end of the text (after a blank line).
    // A line break (CRLF, CR or LF) inside the section name, key or value would split the
    // line and corrupt the file's structure, so each one is written as a single space. New
    // lines end the way the surrounding text's lines do.
    // Names that cannot be stored so that they read back throw std::invalid_argument: a key
    // holding '=' or starting with '[' or ';', and a section name holding ']'. The program
    // only writes names of its own, so these are programmer errors.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);

    // The section as a whole: every section of this name is removed, then, unless keyValues
    // is empty, the section is added at the end of the text holding these key lines in this
    // order, as SetValue adds a new section. One pass, however long the list; names are
    // checked and line breaks replaced as SetValue does.
    void ReplaceSection(std::string_view section,
                        const std::vector<std::pair<std::string, std::string>>& keyValues);

    // Removes every section of this name, from its header up to the next section's header.
    // Returns whether anything was removed.
    bool EraseSection(std::string_view section);

private:
    void AppendSection(const std::string& sectionName, const std::vector<std::string>& keyLines);

    std::string text_;
};

// Reads an integer written in decimal, or in hexadecimal after "$", "0x" or "0X", with an
// optional sign before either ("-$10" is -16). The whole text must be the number; it must fit
// in 32 bits as a signed value. Anything else gives nothing.
std::optional<std::int32_t> ParseIniInteger(std::string_view text);

}  // namespace platform
