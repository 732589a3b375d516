// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "style/Style.h"

// The style written as CSS, for pages that set their look in a style sheet rather than with
// FONT and BODY attributes. The form is fixed, so that a sheet copied twice from the same
// style is the same text:
//
//   body { background-color; color; background-image in picture mode with a picture, its file
//          name written as a relative URL so that the browser finds the file beside the page }
//   a:link, a:visited, a:active { color }
//   .velloran { color; font-family; font-size; font-weight, font-style and text-align
//               only when the style is bold, italic or centred }
//
// one declaration a line, indented by two spaces, a blank line between rules. Colours are
// written as the tags write them: "#" and six upper-case digits RRGGBB. Faces are quoted,
// except the generic families (serif, sans-serif, monospace...), which are keywords and are
// written bare in lower case.
std::string MakeCss(const TStyle& style);

// The class the font's rule is written for.
inline constexpr std::string_view kCssFontClass = "velloran";

// The face and the alternative faces as the font-family value, each a CSS string but the
// generic families.
std::string CssFontFamily(const TStyle& style);

// A CSS keyword for an HTML size step 1..7, by the legacy mapping browsers use for
// <FONT SIZE>; empty outside 1..7.
std::string_view CssFontSize(int sizeStep);

// Text as a double-quoted CSS string: quotes, backslashes and line breaks are escaped, so
// that any face or file name reads back as itself.
std::string CssString(std::string_view text);
