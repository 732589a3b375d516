// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Color.h"

// The minimum contrast ratios for what the program draws in a colour of its own choosing:
// text, and glyphs that are not text (a plus sign, a radio button's dot).
inline constexpr double kReadableText = 4.5;
inline constexpr double kReadableGlyph = 3.0;

// An accent colour that still reads on a background the desktop theme chose: the accent
// itself where it reaches the ratio, else the accent mixed towards the theme's own text
// colour, in tenths, until it does. The theme's text colour is meant to read on the theme's
// background, so the last step falls back to it. All colours are plain (0x00BBGGRR).
platform::TColor ReadableOn(platform::TColor accent, platform::TColor background, platform::TColor themeText,
                            double minimumRatio);
