// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/IniText.h"
#include "platform/TextEncoding.h"

namespace platform {

// An INI file on disk, read and written one key at a time in the manner of the classic
// private-profile calls. The rules of the format are IniText's. Nothing is cached: every call
// reads the file afresh, so another writer's changes are always seen.
//
// The file's bytes are decoded as TextEncoding says (UTF-8, UTF-16 with a mark, or
// Windows-1252) and the text is handled as UTF-8; a change writes the file back in the
// encoding it had, or as UTF-8 when a value has no Windows-1252 form.
//
// The key reads never fail: a missing file, or one that cannot be read (no permission, a
// folder, a device, a file far too large), reads as empty, every key missing. ReadAll tells
// the two apart for callers that must not take an unreadable file for an empty one.
//
// Every change replaces the whole file atomically: the new text goes to a temporary file in
// the same folder, which is synced and then renamed over the file (through a symbolic link to
// the file it names). An existing file keeps its permission bits, owner and group. Where the
// folder refuses the temporary file, or the owner cannot be kept, an existing writable file
// is rewritten in place instead (room for the longer text is reserved first, then the text
// written, cut to length and synced); only an I/O error in the middle of that can leave the
// file partly written. A change that cannot be made throws platform::Error with the text
// "Unable to write to " + the path as given and the reason on a line of its own (WriteFailure),
// and leaves the file as it was; no temporary file
// remains. That covers a missing folder, a new file in an unwritable folder, a
// file that cannot be written (including one with no write permission bits at all, which is
// refused even where the user could replace it), a file that exists but cannot be read
// (rewriting it would lose its other keys), and any write, sync or rename error.
class TIniFile {
public:
    explicit TIniFile(std::string fileName);

    const std::string& FileName() const { return fileName_; }

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // The value as ParseIniInteger reads it; the default when the key is missing or its value
    // is no such integer.
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;
    // The section's "key=value" lines (IniText::SectionValues); empty for a missing section.
    std::vector<std::string> ReadSectionValues(std::string_view section) const;

    // The whole text, for a caller that reads many keys at once. A missing file gives an
    // empty text; one that exists but cannot be read throws platform::ReadError
    // "Unable to read " + the path.
    IniText ReadAll() const;

    // Makes any number of changes to the text in memory and replaces the file once, so a long
    // list of keys costs one write. Fails as WriteString does; then nothing is changed.
    void Change(const std::function<void(IniText& text)>& edit);

    // The file is written even when the value is unchanged, so a file that cannot be written
    // is always reported. See IniText::SetValue for how the key is placed.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    // Removes every section of the name. When there is none, the file is left alone.
    void EraseSection(std::string_view section);

private:
    struct Loaded {
        IniText text;
        TextEncoding encoding = TextEncoding::Utf8;
    };
    IniText Load() const;
    Loaded LoadForChange() const;
    void Store(const Loaded& content) const;
    [[noreturn]] void FailWrite(int error) const;

    std::string fileName_;
};

}  // namespace platform
