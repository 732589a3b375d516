// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "platform/Color.h"

// The one-click mends of a failing contrast. Each keeps the colour's OKLCH hue and chroma and
// moves only its lightness, to the value nearest its own that meets the mark.

// How finely the lightness is searched, on OKLCH's 0..1 scale: finer than one step of a channel.
inline constexpr double kFixLightnessStep = 0.001;

struct ContrastFix {
    platform::TColor color = 0;
    double lightness = 0;
};

// The colour whose ratio against the background reaches `minimumRatio` (the AA or AAA mark).
// Nothing when no lightness of that hue reaches the ratio; the colour itself when it already does.
std::optional<ContrastFix> NearestPassingColor(platform::TColor color, platform::TColor background,
                                               double minimumRatio);

// The link colour whose ratio against the text reaches kLinkTextRatio (Contrast.h), found by moving the
// link's lightness away from the text's (lighter when the link is the lighter of the two), so
// the link never crosses over the text. Its ratio against the background keeps the highest
// level the link reached there (AAA, else AA, for normal text); where keeping AAA leaves no
// room, AA is kept; a link below AA keeps at least the ratio it had. Nothing when no such
// lightness exists; the link itself when it already stands apart.
std::optional<ContrastFix> LinkApartFromText(platform::TColor link, platform::TColor text,
                                             platform::TColor background);
