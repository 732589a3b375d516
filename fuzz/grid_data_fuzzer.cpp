// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the column grid's data-file parser: the first byte picks the
// number of grid columns and the strip rules, the rest is the file. Besides crashes, it
// checks the parser's promises: no line passes the length limit, fields come in column
// order, inside the grid, and a text field is never empty. The limit counts characters, so
// a line of two-byte characters may hold twice as many bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "controls/GridDataFile.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

std::size_t Characters(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const int columns = data[0] & 0x0F;
    const controls::StripRules strip{(data[0] & 0x10) != 0, (data[0] & 0x20) != 0};
    const std::string_view content(reinterpret_cast<const char*>(data + 1), size - 1);
    for (const std::string_view line : controls::SplitDataLines(content)) {
        Check(Characters(line) <= controls::kMaxDataLineLength);
        int previous = 0;
        for (const controls::DataField& field : controls::ParseDataLine(line, columns, strip)) {
            Check(field.column >= previous && field.column < columns);
            Check(field.kind == controls::DataField::Kind::Picture || !field.text.empty());
            previous = field.column;
        }
    }
    return 0;
}
