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
// line; a centred style wraps the span in <div style="text-align: center">.
std::string MakeHtml5(const TStyle& style);

// A complete page: the CSS sheet in its head, and in its body the user's text in the font's
// class and one sample of each kind of link. The title is escaped; an empty one is the
// program's name, since a page must have a title with text. `moreCss` follows the sheet in the
// same style element (the dark variant's block).
std::string MakeHtml5Page(const TStyle& style, std::string_view title, std::string_view moreCss = {});
