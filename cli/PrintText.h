// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>

#include "style/Style.h"

// The text --print names (font, font-text, body, css or html5) of a style.
std::string PrintedText(const std::string& what, const TStyle& style);

// Writes the text with a line end after it, once.
void PrintLine(std::ostream& out, const std::string& text);
