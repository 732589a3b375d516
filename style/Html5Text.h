// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "style/Style.h"

// The style as HTML5 that validates, for authors whose pages no longer use FONT and BODY.

// Text with the characters HTML reserves (& < > " ') written as references, safe in element
// content and in a quoted attribute alike.
std::string HtmlEscape(std::string_view text);

// The font tag's equivalent: the user's text in a span whose style attribute holds the font
// rule of the CSS sheet (colour, family, size, and bold and italic only when set), all on one
// line; a centred style wraps the span in <div style="text-align: center">. The text is HTML
// source, as in the font tag, and goes in as written.
std::string MakeHtml5(const TStyle& style);

// A complete page: the CSS sheet in its head, and in its body the user's text (as written) in
// a span of the font's class, in a header (centred for a centred style), then kPageLinkSamples.
// The title is escaped; an empty one is the program's name, since a page must have a title
// with text. `moreCss` follows the sheet in the same style element (the dark variant's block).
std::string MakeHtml5Page(const TStyle& style, std::string_view title, std::string_view moreCss = {});

// The page's sample of each kind of link, a paragraph a line. A link to this page itself has
// been visited by whoever reads it; a link to a place in the page that nobody has gone to yet
// shows the unvisited colour.
inline constexpr std::string_view kPageLinkSamples =
    "<p><a href=\"#not-visited\">A link</a> in the link colour.</p>\n"
    "<p><a href=\"\">A visited link</a>: this page itself, which the reader has seen.</p>\n"
    "<p>A link takes the active colour while it is being clicked.</p>\n";
