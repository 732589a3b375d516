// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

// --read FILE --print WHAT: reads a file (or standard input, named "-") as Paste Tag reads the
// clipboard, markup or CSS, into the default style, and prints a text of the result.

// The installed faces the read chooses among, and the face shown for a generic family.
struct TInstalledFaces {
    std::vector<std::string> faces;
    std::function<std::string(std::string_view)> generic;
};

// The most bytes read from the file: past the 64 KB the readers take, a file is cut and said to
// be; past this, it is refused rather than held in memory.
inline constexpr long kMaxReadBytes = 16L * 1024 * 1024;

// Prints the text, and what was not read to `err`. Returns 0 when the file held markup or CSS
// the readers took something from, 1 otherwise.
int ReadMarkup(const std::string& what, const std::string& path, std::istream& in, std::ostream& out,
               std::ostream& err, const TInstalledFaces& installed);
