// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the INI reader as a file's content, decoded as a file on disk is,
// and edits them in memory, the same line handling a file goes through. Besides crashes, it
// checks the promises the program relies on: a file written back unchanged keeps its bytes,
// a value is never longer than the read limit, a written key reads back, and a change to one
// key or section leaves every other key reading as it did.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "platform/IniText.h"
#include "platform/TextEncoding.h"

namespace {

using platform::IniText;

constexpr std::string_view kSections[] = {"Body", "Font", "AltFonts", "Options", ""};
constexpr std::string_view kKeys[] = {"colorBG", "caption", "fontsize", "AltFonts0", "save", ""};
// Enough bytes for kIniMaxValueLength characters of four bytes each.
constexpr std::size_t kMaxValueBytes = 4 * platform::kIniMaxValueLength;

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Every key the program reads, from every section it knows.
struct Snapshot {
    std::optional<std::string> values[std::size(kSections)][std::size(kKeys)];
};

Snapshot Take(const IniText& text) {
    Snapshot snapshot;
    for (std::size_t s = 0; s < std::size(kSections); ++s) {
        for (std::size_t k = 0; k < std::size(kKeys); ++k) {
            snapshot.values[s][k] = text.Value(kSections[s], kKeys[k]);
        }
    }
    return snapshot;
}

// Whether every key outside (section, key) reads the same; key npos spares the whole section.
bool SameElsewhere(const Snapshot& a, const Snapshot& b, std::size_t section, std::size_t key) {
    for (std::size_t s = 0; s < std::size(kSections); ++s) {
        for (std::size_t k = 0; k < std::size(kKeys); ++k) {
            const bool changed = s == section && (key == std::string_view::npos || k == key);
            if (!changed && a.values[s][k] != b.values[s][k]) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const platform::DecodedText decoded = platform::DecodeText(input);
    // Only broken UTF-16 (a lone surrogate, an odd byte) does not come back as it was.
    if (decoded.encoding != platform::TextEncoding::Utf16LE &&
        decoded.encoding != platform::TextEncoding::Utf16BE) {
        Check(platform::EncodeText(decoded.utf8, decoded.encoding) == input);
    }
    const IniText original{decoded.utf8};

    const Snapshot before = Take(original);
    for (std::size_t s = 0; s < std::size(kSections); ++s) {
        for (const auto& value : before.values[s]) {
            if (value) {
                Check(value->size() <= kMaxValueBytes);
                platform::ParseIniInteger(*value);
            }
        }
        for (const std::string& line : original.SectionValues(kSections[s])) {
            Check(line.find('=') != std::string::npos);
        }
    }

    // The written value comes from the input too, so it holds line breaks, blanks and junk.
    const std::size_t section = size > 0 ? data[0] % std::size(kSections) : 0;
    const std::size_t key = size > 1 ? data[1] % std::size(kKeys) : 0;
    const std::string_view value = input.substr(input.size() - std::min<std::size_t>(input.size(), 40));

    IniText edited = original;
    edited.SetValue(kSections[section], kKeys[key], value);
    IniText fresh;
    fresh.SetValue(kSections[section], kKeys[key], value);
    Check(edited.Value(kSections[section], kKeys[key]) == fresh.Value(kSections[section], kKeys[key]));
    Check(SameElsewhere(before, Take(edited), section, key));

    IniText erased = original;
    erased.EraseSection(kSections[section]);
    Check(!erased.SectionExists(kSections[section]));
    Check(SameElsewhere(before, Take(erased), section, std::string_view::npos));
    return 0;
}
