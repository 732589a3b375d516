// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/Oklch.h"

#include <array>
#include <cmath>
#include <numbers>

#include "style/ColorValue.h"
#include "style/VisionSimulation.h"

namespace {

using Linear = std::array<double, 3>;

struct Lab {
    double l, a, b;
};

Lab LabOfLinear(const Linear& rgb) {
    const double l = std::cbrt(0.4122214708 * rgb[0] + 0.5363325363 * rgb[1] + 0.0514459929 * rgb[2]);
    const double m = std::cbrt(0.2119034982 * rgb[0] + 0.6806995451 * rgb[1] + 0.1073969566 * rgb[2]);
    const double s = std::cbrt(0.0883024619 * rgb[0] + 0.2817188376 * rgb[1] + 0.6299787005 * rgb[2]);
    return {0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
            1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
            0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s};
}

Linear LinearOfLab(const Lab& lab) {
    const double l = std::pow(lab.l + 0.3963377774 * lab.a + 0.2158037573 * lab.b, 3);
    const double m = std::pow(lab.l - 0.1055613458 * lab.a - 0.0638541728 * lab.b, 3);
    const double s = std::pow(lab.l - 0.0894841775 * lab.a - 1.2914855480 * lab.b, 3);
    return {4.0767416621 * l - 3.3077115913 * m + 0.2309699292 * s,
            -1.2684380046 * l + 2.6097574011 * m - 0.3413193965 * s,
            -0.0041960863 * l - 0.7034186147 * m + 1.7076147010 * s};
}

constexpr double kRadians = std::numbers::pi / 180;

Linear LinearOfLch(double lightness, double chroma, double hue) {
    return LinearOfLab({lightness, chroma * std::cos(hue * kRadians), chroma * std::sin(hue * kRadians)});
}

// A hair of tolerance, so that white and black themselves count as inside.
bool InGamut(const Linear& rgb) {
    constexpr double kSlack = 1e-9;
    for (double c : rgb)
        if (c < -kSlack || c > 1 + kSlack) return false;
    return true;
}

int Channel(double linear) {
    return static_cast<int>(std::lround(LinearToSrgb(std::fmin(1.0, std::fmax(0.0, linear))) * 255));
}

}  // namespace

Oklch ToOklch(platform::TColor color) {
    const colorvalue::Channels c = colorvalue::ChannelsOf(color);
    const Lab lab = LabOfLinear(
        {SrgbToLinear(c.red / 255.0), SrgbToLinear(c.green / 255.0), SrgbToLinear(c.blue / 255.0)});
    double hue = std::atan2(lab.b, lab.a) / kRadians;
    if (hue < 0) hue += 360;
    return {lab.l, std::hypot(lab.a, lab.b), hue};
}

platform::TColor WithLightness(platform::TColor color, double lightness) {
    const Oklch lch = ToOklch(color);
    Linear rgb = LinearOfLch(lightness, lch.chroma, lch.hue);
    if (!InGamut(rgb)) {
        // Chroma 0 is a grey, always inside; halve the gap to the largest chroma that fits.
        double inside = 0;
        double outside = lch.chroma;
        for (int i = 0; i < 30; ++i) {
            const double mid = (inside + outside) / 2;
            (InGamut(LinearOfLch(lightness, mid, lch.hue)) ? inside : outside) = mid;
        }
        rgb = LinearOfLch(lightness, inside, lch.hue);
    }
    return colorvalue::ColorFromChannels(Channel(rgb[0]), Channel(rgb[1]), Channel(rgb[2]));
}

namespace {

Linear Clipped(const Linear& rgb) {
    return {std::fmin(1.0, std::fmax(0.0, rgb[0])), std::fmin(1.0, std::fmax(0.0, rgb[1])),
            std::fmin(1.0, std::fmax(0.0, rgb[2]))};
}

double DeltaEOk(const Linear& one, const Linear& other) {
    const Lab a = LabOfLinear(one);
    const Lab b = LabOfLinear(other);
    return std::sqrt((a.l - b.l) * (a.l - b.l) + (a.a - b.a) * (a.a - b.a) + (a.b - b.b) * (a.b - b.b));
}

platform::TColor ColorOf(const Linear& rgb) {
    return colorvalue::ColorFromChannels(Channel(rgb[0]), Channel(rgb[1]), Channel(rgb[2]));
}

}  // namespace

platform::TColor SrgbOfOklab(double lightness, double a, double b) {
    constexpr double kJustNoticeable = 0.02;
    constexpr double kEpsilon = 0.0001;
    if (lightness >= 1) return colorvalue::ColorFromChannels(255, 255, 255);
    if (lightness <= 0) return colorvalue::ColorFromChannels(0, 0, 0);
    const Linear original = LinearOfLab({lightness, a, b});
    if (InGamut(original)) return ColorOf(original);
    if (DeltaEOk(Clipped(original), original) < kJustNoticeable) return ColorOf(Clipped(original));
    const double hue = std::atan2(b, a) / kRadians;
    double low = 0;
    double high = std::hypot(a, b);
    bool lowInGamut = true;
    Linear clipped = Clipped(original);
    while (high - low > kEpsilon) {
        const double chroma = (low + high) / 2;
        const Linear current = LinearOfLch(lightness, chroma, hue);
        if (lowInGamut && InGamut(current)) {
            low = chroma;
            continue;
        }
        clipped = Clipped(current);
        const double difference = DeltaEOk(clipped, current);
        if (difference < kJustNoticeable) {
            if (kJustNoticeable - difference < kEpsilon) break;
            lowInGamut = false;
            low = chroma;
        } else {
            high = chroma;
        }
    }
    return ColorOf(clipped);
}

platform::TColor SrgbOfLinear(double red, double green, double blue) {
    const Lab lab = LabOfLinear({red, green, blue});
    return SrgbOfOklab(lab.l, lab.a, lab.b);
}
