// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IniFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <utility>

#include "platform/AtomicWrite.h"
#include "platform/Error.h"
#include "platform/FileBytes.h"
#include "platform/Translate.h"

namespace platform {

namespace {

// Far beyond any settings or style file. A larger file is treated as unreadable rather than
// pulled into memory whole: reads see it as empty and changes refuse to rewrite it.
constexpr off_t kMaxFileSize = 64 * 1024 * 1024;

// The file's whole content: empty for a missing file, nothing for a file that exists but
// cannot be read as a regular file of sensible size.
std::optional<std::string> ReadIniBytes(const std::string& path) {
    FileContent content = ReadRegularFile(path, kMaxFileSize);
    switch (content.state) {
        case FileContent::State::Read: return std::move(content.bytes);
        case FileContent::State::Missing: return std::string();
        case FileContent::State::Unreadable: break;
    }
    return std::nullopt;
}

}  // namespace

TIniFile::TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const {
    return Load().Value(section, key).value_or(std::string(defaultValue));
}

int TIniFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
    const std::optional<std::string> value = Load().Value(section, key);
    if (!value) {
        return defaultValue;
    }
    return ParseIniInteger(*value).value_or(defaultValue);
}

bool TIniFile::SectionExists(std::string_view section) const { return Load().SectionExists(section); }

bool TIniFile::ValueExists(std::string_view section, std::string_view key) const {
    return Load().Value(section, key).has_value();
}

std::vector<std::string> TIniFile::ReadSectionValues(std::string_view section) const {
    return Load().SectionValues(section);
}

IniText TIniFile::ReadAll() const {
    std::optional<std::string> content = ReadIniBytes(fileName_);
    if (!content) {
        throw ReadError(Arg(Translate("Errors", "Unable to read %1"), {fileName_}));
    }
    return IniText(DecodeText(*content).utf8);
}

void TIniFile::Change(const std::function<void(IniText& text)>& edit) {
    Loaded file = LoadForChange();
    edit(file.text);
    Store(file);
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    Change([&](IniText& text) { text.SetValue(section, key, value); });
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

void TIniFile::EraseSection(std::string_view section) {
    Loaded file = LoadForChange();
    if (file.text.EraseSection(section)) {
        Store(file);
    }
}

IniText TIniFile::Load() const {
    return IniText(DecodeText(ReadIniBytes(fileName_).value_or(std::string())).utf8);
}

TIniFile::Loaded TIniFile::LoadForChange() const {
    std::optional<std::string> content = ReadIniBytes(fileName_);
    if (!content) {
        FailWrite(errno);
    }
    DecodedText decoded = DecodeText(*content);
    return {IniText(std::move(decoded.utf8)), decoded.encoding};
}

void TIniFile::Store(const Loaded& content) const {
    WriteFileAtomically(
        fileName_,
        EncodeText(content.text.Text(), content.encoding).value_or(content.text.Text()));  // else UTF-8
}

void TIniFile::FailWrite(int error) const { throw Error(WriteFailure(fileName_, error)); }

}  // namespace platform
