// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/SpecialEntities.h"

namespace windows {

// The names of codes 160 to 255, in code order. 164 is "&curren;": the name once stored
// there, "&current;", is no entity, and a browser reads it as "&curren" followed by "t;".
const std::array<std::string_view, kLatin1NameCount> kLatin1Names{{
    "&nbsp;",   "&iexcl;",  "&cent;",   "&pound;",  "&curren;", "&yen;",    "&brvbar;", "&sect;",
    "&die;",    "&copy;",   "&ordf;",   "&laquo;",  "&not;",    "&shy;",    "&reg;",    "&macr;",
    "&deg;",    "&plusmn;", "&sup2;",   "&sup3;",   "&acute;",  "&micro;",  "&para;",   "&middot;",
    "&cedil;",  "&sup1;",   "&ordm;",   "&raquo;",  "&frac14;", "&frac12;", "&frac34;", "&iquest;",
    "&Agrave;", "&Aacute;", "&Acirc;",  "&Atilde;", "&Auml;",   "&Aring;",  "&AElig;",  "&Ccedil;",
    "&Egrave;", "&Eacute;", "&Ecirc;",  "&Euml;",   "&Igrave;", "&Iacute;", "&Icirc;",  "&Iuml;",
    "&ETH;",    "&Ntilde;", "&Ograve;", "&Oacute;", "&Ocirc;",  "&Otilde;", "&Ouml;",   "&times;",
    "&Oslash;", "&Ugrave;", "&Uacute;", "&Ucirc;",  "&Uuml;",   "&Yacute;", "&THORN;",  "&szlig;",
    "&agrave;", "&aacute;", "&acirc;",  "&atilde;", "&auml;",   "&aring;",  "&aelig;",  "&ccedil;",
    "&egrave;", "&eacute;", "&ecirc;",  "&euml;",   "&igrave;", "&iacute;", "&icirc;",  "&iuml;",
    "&eth;",    "&ntilde;", "&ograve;", "&oacute;", "&ocirc;",  "&otilde;", "&ouml;",   "&divide;",
    "&oslash;", "&ugrave;", "&uacute;", "&ucirc;",  "&uuml;",   "&yacute;", "&thorn;",  "&yuml;",
}};

// The backquote's name carries its semicolon: without one "&grave" is not among the few
// legacy names a browser accepts bare, and the page would show it as typed. The other four
// are such legacy names and work as they are.
const std::array<SpecialEntry, kLeadingEntryCount> kLeadingEntries{{
    {34, "&quot"},
    {38, "&amp"},
    {60, "&lt"},
    {62, "&gt"},
    {96, "&grave;"},
}};

std::string CodeText(int code) { return "&#" + std::to_string(code); }

std::vector<SpecialEntry> SpecialTable(const std::vector<std::string>& latin1Names) {
    std::vector<SpecialEntry> table(kLeadingEntries.begin(), kLeadingEntries.end());
    for (int code = kFirstLatin1Code; code <= kLastLatin1Code; ++code) {
        const auto line = static_cast<std::size_t>(code - kFirstLatin1Code);
        table.push_back({code, line < latin1Names.size() ? latin1Names[line] : std::string()});
    }
    return table;
}

std::vector<std::string> StoredLatin1Names() { return {kLatin1Names.begin(), kLatin1Names.end()}; }

}  // namespace windows
