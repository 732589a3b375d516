// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "style/Style.h"

// The two tags the program exists to produce, built by plain concatenation: no line
// breaks, no escaping, no checks. Web authors paste them as they stand.
std::string MakeFontTag(const TStyle& style, bool withText);
std::string MakeBodyTag(const TStyle& style);
