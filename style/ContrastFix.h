// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "platform/Color.h"

// The one-click mend of a failing contrast: the colour of the same OKLCH hue and chroma whose
// lightness is the closest to the colour's own that reaches the ratio against the background.

// How finely the lightness is searched, on OKLCH's 0..1 scale: finer than one step of a channel.
inline constexpr double kFixLightnessStep = 0.001;

struct ContrastFix {
    platform::TColor color = 0;
    double lightness = 0;
};

// Nothing when no lightness of that hue reaches the ratio; the colour itself when it already does.
std::optional<ContrastFix> NearestPassingColor(platform::TColor color, platform::TColor background,
                                               double minimumRatio);
