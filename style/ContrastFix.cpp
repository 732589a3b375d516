// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/ContrastFix.h"

#include <algorithm>
#include <functional>

#include "style/Contrast.h"
#include "style/Oklch.h"

namespace {

enum class Way { Both, Lighter, Darker };

// Outwards from the colour's own lightness, one step each way in turn (or one way only), so
// that the first colour that passes is the nearest; darker first on a tie.
std::optional<ContrastFix> NearestLightness(platform::TColor color, Way way,
                                            const std::function<bool(platform::TColor)>& passes) {
    const double own = ToOklch(color).lightness;
    if (passes(color)) return ContrastFix{color, own};
    const int steps = static_cast<int>(1 / kFixLightnessStep) + 1;
    for (int i = 1; i <= steps; ++i) {
        for (const int sign : {-1, 1}) {
            if ((way == Way::Lighter && sign < 0) || (way == Way::Darker && sign > 0)) continue;
            double lightness = own + sign * i * kFixLightnessStep;
            // The ends themselves (black, white) are tried even when the steps miss them.
            if (lightness < -kFixLightnessStep || lightness > 1 + kFixLightnessStep) continue;
            lightness = std::clamp(lightness, 0.0, 1.0);
            const platform::TColor candidate = WithLightness(color, lightness);
            if (passes(candidate)) return ContrastFix{candidate, lightness};
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<ContrastFix> NearestPassingColor(platform::TColor color, platform::TColor background,
                                               double minimumRatio) {
    return NearestLightness(color, Way::Both, [&](platform::TColor candidate) {
        return ContrastRatio(candidate, background) >= minimumRatio;
    });
}

std::optional<ContrastFix> LinkApartFromText(platform::TColor link, platform::TColor text,
                                             platform::TColor background) {
    const double linkLightness = ToOklch(link).lightness;
    const double textLightness = ToOklch(text).lightness;
    const Way way = linkLightness > textLightness   ? Way::Lighter
                    : linkLightness < textLightness ? Way::Darker
                                                    : Way::Both;
    const double had = ContrastRatio(link, background);
    const double aa = MinimumRatioAA(false);
    const double aaa = MinimumRatioAAA(false);
    auto apartKeeping = [&](double keep) {
        return NearestLightness(link, way, [&](platform::TColor candidate) {
            return ContrastRatio(candidate, text) >= kLinkTextRatio &&
                   ContrastRatio(candidate, background) >= keep;
        });
    };
    if (had >= aaa) {
        if (auto fix = apartKeeping(aaa)) return fix;
        return apartKeeping(aa);
    }
    return apartKeeping(had >= aa ? aa : had);
}
