// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "style/Style.h"

// The two tags the program exists to produce, built by plain concatenation with no line
// breaks. Web authors paste them as they stand. The user's text is HTML source, as a font
// tag has always held it, and goes in as written. FACE lists the faces as CSS reads a family
// list: each in single quotes (a quote, backslash, line break, double quote or ampersand in
// a name escaped), a generic family such as serif bare. BACKGROUND names the picture as a
// relative URL (RelativeFileUrl), so that a name with "#", "?", "%" or a space is found.
std::string MakeFontTag(const TStyle& style, bool withText);
std::string MakeBodyTag(const TStyle& style);
