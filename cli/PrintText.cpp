// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PrintText.h"

#include <ostream>

#include "style/CssText.h"
#include "style/Html5Text.h"
#include "style/TagText.h"

std::string PrintedText(const std::string& what, const TStyle& style) {
    if (what == "font") return MakeFontTag(style, false);
    if (what == "font-text") return MakeFontTag(style, true);
    if (what == "body") return MakeBodyTag(style);
    if (what == "html5") return MakeHtml5(style);
    return MakeCss(style);
}

void PrintLine(std::ostream& out, const std::string& text) {
    out << text;
    if (text.empty() || text.back() != '\n') out << '\n';
    out.flush();
}
