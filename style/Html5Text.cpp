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
    const std::string span = "<span style=\"" + HtmlEscape(FontDeclarations(style)) + "\">" +
                             HtmlEscape(style.UserText) + "</span>";
    if (!style.Centered) return span;
    return "<div style=\"text-align: center\">" + span + "</div>";
}

std::string MakeHtml5Page(const TStyle& style, std::string_view title, std::string_view moreCss) {
    // A link to this page itself has been visited by whoever reads it; a link to a place in
    // the page that nobody has gone to yet shows the unvisited colour.
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
           "<body>\n"
           "<p class=\"" +
           std::string(kCssFontClass) + "\">" + HtmlEscape(style.UserText) +
           "</p>\n"
           "<p><a href=\"#not-visited\">A link</a> in the link colour.</p>\n"
           "<p><a href=\"\">A visited link</a>: this page itself, which the reader has seen.</p>\n"
           "<p>A link takes the active colour while it is being clicked.</p>\n"
           "</body>\n"
           "</html>\n";
}
