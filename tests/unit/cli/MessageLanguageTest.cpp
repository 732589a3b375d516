// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/MessageLanguage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <tuple>

#include "cli/CommandLine.h"
#include "platform/Translate.h"

namespace {

using Environment = std::map<std::string, std::string>;

TEnvironment From(const Environment& variables) {
    return [variables](const char* name) -> std::optional<std::string> {
        const auto found = variables.find(name);
        return found == variables.end() ? std::nullopt : std::optional(found->second);
    };
}

std::string Shown(const Environment& variables) {
    std::string shown;
    for (const auto& [name, value] : variables) shown += name + "=" + value + " ";
    return shown;
}

// As gettext programs read the environment: the locale decides whether LANGUAGE counts at all.
TEST(MessageLanguage, IsChosenAsGettextChoosesIt) {
    const std::pair<Environment, std::vector<std::string>> cases[] = {
        {{}, {}},
        {{{"LANG", "de_DE.UTF-8"}}, {"de_DE", "de"}},
        {{{"LANG", "de_AT.UTF-8"}, {"LANGUAGE", "de_AT"}}, {"de_AT", "de"}},
        // Under the C locale, or none, a script reads the written texts whatever LANGUAGE says.
        {{{"LANGUAGE", "de"}, {"LANG", "C"}}, {}},
        {{{"LANGUAGE", "de"}, {"LANG", "POSIX"}}, {}},
        {{{"LANGUAGE", "de"}, {"LANG", "C.UTF-8"}}, {}},
        {{{"LANGUAGE", "de"}}, {}},
        {{{"LANGUAGE", "de"}, {"LANG", "de_DE.UTF-8"}, {"LC_ALL", "C"}}, {}},
        {{{"LANGUAGE", "de"}, {"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "C"}}, {}},
        // LC_ALL, then LC_MESSAGES, then LANG; an empty one is not set.
        {{{"LC_ALL", "fr_FR.UTF-8"}, {"LC_MESSAGES", "es_ES"}, {"LANG", "de_DE"}}, {"fr_FR", "fr"}},
        {{{"LC_ALL", ""}, {"LC_MESSAGES", "es_MX"}, {"LANG", "de_DE"}}, {"es_MX", "es"}},
        {{{"LANGUAGE", ""}, {"LANG", "fr_CA"}}, {"fr_CA", "fr"}},
        // LANGUAGE's list first, then the locale.
        {{{"LANGUAGE", "fr:de"}, {"LANG", "es_ES.UTF-8"}}, {"fr", "de", "es_ES", "es"}},
        {{{"LANGUAGE", "de-AT::fr"}, {"LANG", "de_AT.UTF-8"}}, {"de_AT", "de", "fr"}},
        // In the list, C asks for the written texts, as gettext reads it.
        {{{"LANGUAGE", "es:C:fr"}, {"LANG", "de_DE.UTF-8"}}, {"es"}},
        // English is the written text: the search ends there, after a pseudo-language too.
        {{{"LANGUAGE", "en_GB:de"}, {"LANG", "de_DE.UTF-8"}}, {"en_GB"}},
        {{{"LANGUAGE", "en_XA"}, {"LANG", "de_DE.UTF-8"}}, {"en_XA"}},
        {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "de"}}, {"de", "en_US"}},
        {{{"LANG", "sr_RS.UTF-8@latin"}}, {"sr_RS@latin", "sr@latin", "sr_RS", "sr"}},
    };
    for (const auto& [environment, languages] : cases) {
        EXPECT_EQ(MessageLanguages(From(environment)), languages) << Shown(environment);
    }
}

const TCatalogueEntry kSmall[] = {
    {"de", "CommandLine", "Only one --print can be given.", "Nur ein --print ist möglich."},
    {"de", "CommandLine", "Unknown option '%1'.", "Unbekannte Option „%1“."},
    {"de", "Reading", "Unknown option '%1'.", "(another context)"},
    {"en_XA", "CommandLine", "Unknown option '%1'.", "[Ûñķñöŵñ öþţîöñ '%1'. ŵôŕđšƒ]"},
    {"fr", "CommandLine", "Unknown option '%1'.", "Option « %1 » inconnue."},
};

TEST(MessageLanguage, IsTheFirstTheCatalogueHolds) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"de_AT", "de"}, "de"},       {{"it", "fr", "de"}, "fr"},
        {{"en_XA"}, "en_XA"},          {{"en_GB"}, ""},
        {{"d", "dee", "e"}, ""},       {{}, ""},
        {{"fr_FR", "fr", "de"}, "fr"},
    };
    for (const auto& [languages, chosen] : cases) {
        std::string shown;
        for (const std::string& language : languages) shown += language + " ";
        EXPECT_EQ(CatalogueLanguage(languages, kSmall), chosen) << shown;
    }
}

TEST(MessageLanguage, LooksUpTheTextOfItsContext) {
    const std::tuple<std::string, std::string, std::string, std::optional<std::string>> cases[] = {
        {"de", "CommandLine", "Unknown option '%1'.", "Unbekannte Option „%1“."},
        {"de", "Reading", "Unknown option '%1'.", "(another context)"},
        {"de", "CommandLine", "Only one --print can be given.", "Nur ein --print ist möglich."},
        {"fr", "CommandLine", "Unknown option '%1'.", "Option « %1 » inconnue."},
        {"fr", "CommandLine", "Only one --print can be given.", std::nullopt},
        {"de", "Usage", "Unknown option '%1'.", std::nullopt},
        {"de", "CommandLine", "Unknown option", std::nullopt},
        {"es", "CommandLine", "Unknown option '%1'.", std::nullopt},
    };
    for (const auto& [language, context, source, translation] : cases) {
        const std::optional<std::string_view> found = LookUp(kSmall, language, context, source);
        EXPECT_EQ(found ? std::optional<std::string>(*found) : std::nullopt, translation)
            << language << " " << context << " " << source;
    }
}

// The table the build compiled in: sorted as the look-up needs it, once per text, and with the
// catalogues' languages; its texts reach the command line's messages.
TEST(MessageLanguage, TheCompiledCatalogueServesTheCommandLine) {
    const std::span<const TCatalogueEntry> catalogue = FrontCatalogue();
    const auto key = [](const TCatalogueEntry& entry) {
        return std::tie(entry.language, entry.context, entry.source);
    };
    EXPECT_TRUE(std::adjacent_find(catalogue.begin(), catalogue.end(), [&key](const auto& a, const auto& b) {
                    return !(key(a) < key(b));
                }) == catalogue.end());
    // The bytes as the catalogues hold them, quotation marks and accents too.
    for (const auto& [language, translation] : {std::pair{"de", "Unbekannte Option „%1“."},
                                                {"fr", "Option « %1 » inconnue."},
                                                {"es", "Opción desconocida «%1»."}}) {
        EXPECT_EQ(CatalogueLanguage({language}, catalogue), language);
        EXPECT_EQ(LookUp(catalogue, language, "CommandLine", "Unknown option '%1'."), translation);
    }

    const std::pair<Environment, std::string> cases[] = {
        {{{"LANGUAGE", "de"}, {"LANG", "de_DE.UTF-8"}}, "de"},
        {{{"LANG", "de_AT.UTF-8"}}, "de"},
        {{{"LANGUAGE", "de"}, {"LANG", "C"}}, ""},
        {{{"LANGUAGE", "en_GB:de"}, {"LANG", "de_DE.UTF-8"}}, ""},
    };
    const std::string english = ParseCommandLine({"velloran", "--bogus"}).error;
    for (const auto& [environment, language] : cases) {
        EXPECT_EQ(UseUserLanguage(From(environment), catalogue), language) << Shown(environment);
        const std::string error = ParseCommandLine({"velloran", "--bogus"}).error;
        if (language.empty()) {
            EXPECT_EQ(error, english) << Shown(environment);
        } else {
            EXPECT_NE(error, english) << Shown(environment);
            EXPECT_EQ(error, platform::Arg(std::string(*LookUp(catalogue, language, "CommandLine",
                                                               "Unknown option '%1'.")),
                                           {"bogus"}));
        }
    }
    platform::SetTranslator({});
    EXPECT_EQ(english, "Unknown option 'bogus'.");
}

}  // namespace
