// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/ContrastFix.h"

#include <algorithm>

#include "style/Contrast.h"
#include "style/Oklch.h"

std::optional<ContrastFix> NearestPassingColor(platform::TColor color, platform::TColor background,
                                               double minimumRatio) {
    const double own = ToOklch(color).lightness;
    if (ContrastRatio(color, background) >= minimumRatio) return ContrastFix{color, own};
    // Outwards from the colour's own lightness, one step each way in turn, so that the first
    // passing colour is the nearest; darker first on a tie.
    const int steps = static_cast<int>(1 / kFixLightnessStep) + 1;
    for (int i = 1; i <= steps; ++i) {
        for (double lightness : {own - i * kFixLightnessStep, own + i * kFixLightnessStep}) {
            // The ends themselves (black, white) are tried even when the steps miss them.
            if (lightness < -kFixLightnessStep || lightness > 1 + kFixLightnessStep) continue;
            lightness = std::clamp(lightness, 0.0, 1.0);
            const platform::TColor candidate = WithLightness(color, lightness);
            if (ContrastRatio(candidate, background) >= minimumRatio)
                return ContrastFix{candidate, lightness};
        }
    }
    return std::nullopt;
}
