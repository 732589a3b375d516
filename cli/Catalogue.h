// SPDX-License-Identifier: GPL-3.0-or-later
// The front program's catalogue: the finished translations of the program's catalogues,
// compiled into it at build time, since it loads no toolkit to read the window program's.
#pragma once

#include <span>
#include <string_view>

// One translated text: `source` of `context` reads `translation` in `language`.
struct TCatalogueEntry {
    std::string_view language;
    std::string_view context;
    std::string_view source;
    std::string_view translation;
};

// Every entry, sorted by language, context and source, byte by byte. The build writes it.
std::span<const TCatalogueEntry> FrontCatalogue();
