// SPDX-License-Identifier: GPL-3.0-or-later
// The language the front program writes in, chosen from the environment as gettext programs
// choose theirs, and its texts looked up in the catalogue compiled into it.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Catalogue.h"

// A variable of the environment, or nothing when it is not set.
using TEnvironment = std::function<std::optional<std::string>(const char* name)>;

// The catalogue names to try, best first. The locale is the first of LC_ALL, LC_MESSAGES and
// LANG that is set; under the C locale, or with none, the messages are English whatever
// LANGUAGE says (a script that asks for C wants the written texts). Otherwise LANGUAGE's
// colon-separated list comes first, then the locale. "de_AT.UTF-8" gives "de_AT", "de"; the
// list ends at the first English name, as the window program's does (a pseudo-language such
// as en_XA is still tried), and at C.
std::vector<std::string> MessageLanguages(const TEnvironment& environment);

// The first of `languages` that `catalogue` holds texts for; empty for English.
std::string CatalogueLanguage(const std::vector<std::string>& languages,
                              std::span<const TCatalogueEntry> catalogue);

// The translation of `source` of `context` in `language`, or nothing when there is none.
std::optional<std::string_view> LookUp(std::span<const TCatalogueEntry> catalogue, std::string_view language,
                                       std::string_view context, std::string_view source);

// Routes every platform::Translate through `catalogue` in the user's language. Returns that
// language, or an empty string when the texts stay English.
std::string UseUserLanguage(const TEnvironment& environment, std::span<const TCatalogueEntry> catalogue);

// The process's own environment.
std::optional<std::string> ProcessEnvironment(const char* name);
