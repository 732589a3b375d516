// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Color.h"

// OKLCH: lightness 0..1, chroma, and hue in degrees, on Björn Ottosson's OKLab. Changing only
// the lightness keeps a colour's hue and colourfulness as the eye sees them, which the sRGB
// channels or HSL do not.
struct Oklch {
    double lightness = 0;
    double chroma = 0;
    double hue = 0;
};

Oklch ToOklch(platform::TColor color);

// The colour of that lightness with the hue and chroma of `color`. Where the sRGB gamut has
// no such colour, the chroma is lowered only as far as the gamut needs, keeping the hue.
platform::TColor WithLightness(platform::TColor color, double lightness);

// An OKLab colour (lightness 0..1) as sRGB. Outside the gamut, the chroma is lowered in OKLCH
// until clipping what is left moves the colour less than the eye tells apart (0.02 in OKLab),
// the way CSS maps a colour to a screen's gamut; lightness at or past 0 or 1 is black or white.
platform::TColor SrgbOfOklab(double lightness, double a, double b);

// A linear-light sRGB colour of any range, mapped as SrgbOfOklab maps it.
platform::TColor SrgbOfLinear(double red, double green, double blue);
