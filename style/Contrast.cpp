// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/Contrast.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/Color.h"
#include "platform/Translate.h"

namespace {

constexpr double kRedWeight = 0.2126;
constexpr double kGreenWeight = 0.7152;
constexpr double kBlueWeight = 0.0722;
// Below this a channel is on the linear part of the sRGB curve.
constexpr double kLinearLimit = 0.03928;
constexpr double kFlare = 0.05;

constexpr double kAA = 4.5;
constexpr double kAALarge = 3.0;
constexpr double kAAA = 7.0;
constexpr double kAAALarge = 4.5;

constexpr int kLargeStep = 5;

// The ratio in whole tenths, rounded down as shown. The tiny allowance keeps a ratio that is a
// whole tenth, computed a hair below it (black on white comes out at 20.999...), from showing
// a tenth less. The marks are judged on the same tenths, so they never disagree with the text.
long long Tenths(double ratio) { return static_cast<long long>(std::floor(ratio * 10 + 1e-9)); }

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= kLinearLimit ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

double RelativeLuminance(TColor color) {
    return kRedWeight * Linear(platform::RedOf(color)) + kGreenWeight * Linear(platform::GreenOf(color)) +
           kBlueWeight * Linear(platform::BlueOf(color));
}

double ContrastRatio(TColor a, TColor b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + kFlare) / (std::min(la, lb) + kFlare);
}

std::string ContrastText(double ratio) {
    const long long tenths = Tenths(ratio);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + ":1";
}

bool IsLargeText(int sizeStep) { return sizeStep >= kLargeStep; }

double MinimumRatioAA(bool largeText) { return largeText ? kAALarge : kAA; }
double MinimumRatioAAA(bool largeText) { return largeText ? kAAALarge : kAAA; }

std::array<ContrastRow, 5> ContrastRows(const TStyle& style) {
    struct Source {
        std::string_view name;
        TColor TStyle::*color;
    };
    static constexpr Source kSources[] = {
        {QT_TRANSLATE_NOOP("Contrast", "Font color"), &TStyle::FontColor},
        {QT_TRANSLATE_NOOP("Contrast", "Normal text"), &TStyle::TextColor},
        {QT_TRANSLATE_NOOP("Contrast", "New links"), &TStyle::LinkColor},
        {QT_TRANSLATE_NOOP("Contrast", "Visited links"), &TStyle::VisitedColor},
        {QT_TRANSLATE_NOOP("Contrast", "Active links"), &TStyle::ActiveColor},
    };
    std::array<ContrastRow, std::size(kSources)> rows;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ContrastRow& row = rows[i];
        row.name = kSources[i].name;
        row.color = style.*kSources[i].color;
        row.ratio = ContrastRatio(row.color, style.BackColor);
        // Only the font's size is the style's to know; body text is taken as normal.
        row.largeText = i == 0 && IsLargeText(style.SizeStep);
        row.passesAA = Tenths(row.ratio) >= Tenths(MinimumRatioAA(row.largeText));
        row.passesAAA = Tenths(row.ratio) >= Tenths(MinimumRatioAAA(row.largeText));
    }
    return rows;
}

std::array<ContrastRow, 3> LinkTextRows(const TStyle& style) {
    struct Source {
        std::string_view name;
        TColor TStyle::*color;
    };
    static constexpr Source kSources[] = {
        {QT_TRANSLATE_NOOP("Contrast", "New links against text"), &TStyle::LinkColor},
        {QT_TRANSLATE_NOOP("Contrast", "Visited links against text"), &TStyle::VisitedColor},
        {QT_TRANSLATE_NOOP("Contrast", "Active links against text"), &TStyle::ActiveColor},
    };
    std::array<ContrastRow, std::size(kSources)> rows;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ContrastRow& row = rows[i];
        row.name = kSources[i].name;
        row.color = style.*kSources[i].color;
        row.ratio = ContrastRatio(row.color, style.TextColor);
        row.passesAA = row.passesAAA = Tenths(row.ratio) >= Tenths(kLinkTextRatio);
    }
    return rows;
}
