// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/ReadableColor.h"

#include "style/Contrast.h"

namespace {

constexpr int kMixSteps = 10;

int MixChannel(int from, int to, int step) { return from + (to - from) * step / kMixSteps; }

platform::TColor Mix(platform::TColor from, platform::TColor to, int step) {
    using namespace platform;
    return static_cast<TColor>(MixChannel(RedOf(from), RedOf(to), step)) |
           static_cast<TColor>(MixChannel(GreenOf(from), GreenOf(to), step)) << 8 |
           static_cast<TColor>(MixChannel(BlueOf(from), BlueOf(to), step)) << 16;
}

}  // namespace

platform::TColor ReadableOn(platform::TColor accent, platform::TColor background, platform::TColor themeText,
                            double minimumRatio) {
    for (int step = 0; step < kMixSteps; ++step) {
        const platform::TColor mixed = Mix(accent, themeText, step);
        if (ContrastRatio(mixed, background) >= minimumRatio) return mixed;
    }
    return themeText;
}
