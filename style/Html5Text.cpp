// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/Html5Text.h"

#include "style/ColorValue.h"
#include "style/CssText.h"

namespace {

std::string FontDeclarations(const TStyle& style) {
    std::string css =
        "color: #" + colorvalue::TagForm(style.FontColor) + "; font-family: " + CssFontFamily(style);
    if (const std::string_view size = CssFontSize(style.SizeStep); !size.empty()) {
        css += "; font-size: " + std::string(size);
    }
    if (style.Bold) css += "; font-weight: bold";
    if (style.Italic) css += "; font-style: italic";
    return css;
}

}  // namespace

std::string HtmlEscape(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&': escaped += "&amp;"; break;
            case '<': escaped += "&lt;"; break;
            case '>': escaped += "&gt;"; break;
            case '"': escaped += "&quot;"; break;
            case '\'': escaped += "&#39;"; break;
            default: escaped += c; break;
        }
    }
    return escaped;
}

std::string MakeHtml5(const TStyle& style) {
    const std::string span =
        "<span style=\"" + HtmlEscape(FontDeclarations(style)) + "\">" + style.UserText + "</span>";
    if (!style.Centered) return span;
    return "<div style=\"text-align: center\">" + span + "</div>";
}

std::string MakeHtml5Page(const TStyle& style, std::string_view title, std::string_view moreCss) {
    // The text stands in a block of the page's own font as a font tag does, in a span of the
    // font's class: a paragraph of that class would take its margins and its line's least
    // height from the font's size, and the page would not look as the tags do. The block is a
    // header rather than a div: pasted back, a page is read by its sheet, and a styled div
    // stands for a font tag, as in Copy as HTML5.
    return "<!DOCTYPE html>\n"
           "<html lang=\"en\">\n"
           "<head>\n"
           "<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
           "<title>" +
           HtmlEscape(title.empty() ? std::string_view("Velloran") : title) +
           "</title>\n"
           "<style>\n" +
           MakeCss(style) + std::string(moreCss) +
           "</style>\n"
           "</head>\n"
           "<body>\n" +
           std::string(style.Centered ? "<header style=\"text-align: center\">" : "<header>") +
           "<span class=\"" + std::string(kCssFontClass) + "\">" + style.UserText + "</span></header>\n" +
           std::string(kPageLinkSamples) +
           "</body>\n"
           "</html>\n";
}
