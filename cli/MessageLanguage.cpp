// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/MessageLanguage.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "platform/Translate.h"

namespace {

// A variable that is set and not empty: gettext reads an empty one as not set.
std::optional<std::string> Setting(const TEnvironment& environment, const char* name) {
    std::optional<std::string> value = environment(name);
    if (value && value->empty()) value.reset();
    return value;
}

// language[_territory][.codeset][@modifier]; a tag written with dashes ("de-AT") reads the same.
struct LocaleName {
    std::string language;
    std::string territory;
    std::string modifier;
};

LocaleName Parse(std::string name) {
    std::replace(name.begin(), name.end(), '-', '_');
    LocaleName parts;
    if (const std::size_t at = name.find('@'); at != std::string::npos) {
        parts.modifier = name.substr(at + 1);
        name.erase(at);
    }
    if (const std::size_t dot = name.find('.'); dot != std::string::npos) name.erase(dot);
    const std::size_t underscore = name.find('_');
    parts.language = name.substr(0, underscore);
    if (underscore != std::string::npos) parts.territory = name.substr(underscore + 1);
    return parts;
}

bool IsCLocale(const LocaleName& locale) { return locale.language == "C" || locale.language == "POSIX"; }

// Adds the names to try for one of the user's languages, most particular first. Returns false
// when the list ends there: English is the written text, and C, as in gettext, asks for it.
bool AddNames(const std::string& entry, std::vector<std::string>& names) {
    const LocaleName locale = Parse(entry);
    if (locale.language.empty()) return true;
    if (IsCLocale(locale)) return false;
    const std::string full =
        locale.territory.empty() ? locale.language : locale.language + "_" + locale.territory;
    std::vector<std::string> tried;
    if (!locale.modifier.empty()) {
        tried.push_back(full + "@" + locale.modifier);
        tried.push_back(locale.language + "@" + locale.modifier);
    }
    tried.push_back(full);
    const bool english = locale.language == "en";
    if (!english) tried.push_back(locale.language);
    for (const std::string& name : tried) {
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
    return !english;
}

std::vector<std::string> Split(const std::string& list, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(separator, start), list.size());
        parts.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

auto Key(const TCatalogueEntry& entry) { return std::tie(entry.language, entry.context, entry.source); }

}  // namespace

std::vector<std::string> MessageLanguages(const TEnvironment& environment) {
    std::optional<std::string> locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = Setting(environment, name);
        if (locale) break;
    }
    if (!locale || IsCLocale(Parse(*locale))) return {};
    std::vector<std::string> entries;
    if (const std::optional<std::string> languages = Setting(environment, "LANGUAGE"))
        entries = Split(*languages, ':');
    entries.push_back(*locale);
    std::vector<std::string> names;
    for (const std::string& entry : entries) {
        if (!AddNames(entry, names)) break;
    }
    return names;
}

std::string CatalogueLanguage(const std::vector<std::string>& languages,
                              std::span<const TCatalogueEntry> catalogue) {
    for (const std::string& language : languages) {
        const auto first = std::lower_bound(
            catalogue.begin(), catalogue.end(), language,
            [](const TCatalogueEntry& entry, std::string_view wanted) { return entry.language < wanted; });
        if (first != catalogue.end() && first->language == language) return language;
    }
    return {};
}

std::optional<std::string_view> LookUp(std::span<const TCatalogueEntry> catalogue, std::string_view language,
                                       std::string_view context, std::string_view source) {
    const TCatalogueEntry wanted{language, context, source, {}};
    const auto found =
        std::lower_bound(catalogue.begin(), catalogue.end(), wanted,
                         [](const TCatalogueEntry& a, const TCatalogueEntry& b) { return Key(a) < Key(b); });
    if (found == catalogue.end() || Key(*found) != Key(wanted)) return std::nullopt;
    return found->translation;
}

std::string UseUserLanguage(const TEnvironment& environment, std::span<const TCatalogueEntry> catalogue) {
    std::string language = CatalogueLanguage(MessageLanguages(environment), catalogue);
    if (language.empty()) {
        platform::SetTranslator({});
        return language;
    }
    platform::SetTranslator([catalogue, language](const char* context, const char* text) {
        const std::optional<std::string_view> translation = LookUp(catalogue, language, context, text);
        return translation ? std::string(*translation) : std::string(text);
    });
    return language;
}

std::optional<std::string> ProcessEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}
