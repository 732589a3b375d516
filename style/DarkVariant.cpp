// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/DarkVariant.h"

#include <algorithm>
#include <array>

#include "style/ColorValue.h"
#include "style/Contrast.h"
#include "style/ContrastFix.h"
#include "style/CssText.h"
#include "style/Oklch.h"

namespace {

constexpr double kLightBackground = 0.5;
// How far the background darkens at a time when a colour cannot keep its level.
constexpr double kBackgroundStep = 0.02;
// How far the text moves at a time to leave the links room.
constexpr double kTextStep = 0.01;

// The colours in the order ContrastRows checks them against the background.
constexpr std::array<TColor TStyle::*, 5> kForegrounds = {
    &TStyle::FontColor, &TStyle::TextColor, &TStyle::LinkColor, &TStyle::VisitedColor, &TStyle::ActiveColor};

// The text's place in kForegrounds.
constexpr std::size_t kTextRow = 1;
// The colours LinkTextRows checks against the text, in its order.
constexpr std::array<TColor TStyle::*, 3> kLinks = {&TStyle::LinkColor, &TStyle::VisitedColor,
                                                    &TStyle::ActiveColor};

TColor TurnedAround(TColor color) { return WithLightness(color, 1 - ToOklch(color).lightness); }

// The mark a row reached in the style: 0 when it reached none, which any colour meets.
double ReachedMark(const ContrastRow& row) {
    if (row.passesAAA) return MinimumRatioAAA(row.largeText);
    if (row.passesAA) return MinimumRatioAA(row.largeText);
    return 0;
}

// The links that stand apart from the text in the style, set apart from it in `dark`; false
// when one cannot be at this text colour.
bool SetLinksApart(const std::array<ContrastRow, 3>& linkRows, TStyle& dark) {
    for (std::size_t i = 0; i < kLinks.size(); ++i) {
        if (!linkRows[i].passesAA) continue;
        const auto fix = LinkApartFromText(dark.*kLinks[i], dark.TextColor, dark.BackColor);
        if (!fix) return false;
        dark.*kLinks[i] = fix->color;
    }
    return true;
}

// A link told apart from the text in the style stays apart: readers who cannot see the
// underline find links by that step of lightness, on a dark page as on a light one. Where the
// turned text leaves a link no room between it and the background, the text moves, as little
// as gives room and never below its own mark; false when no text lightness does.
bool KeepLinksApart(const TStyle& style, double textMark, TStyle& dark) {
    const auto linkRows = LinkTextRows(style);
    const TStyle mapped = dark;
    const double own = ToOklch(mapped.TextColor).lightness;
    for (int step = 0; step * kTextStep <= 1; ++step) {
        for (const int sign : {1, -1}) {
            const double lightness = own + sign * step * kTextStep;
            if ((step == 0 && sign < 0) || lightness < 0 || lightness > 1) continue;
            dark = mapped;
            if (step > 0) dark.TextColor = WithLightness(mapped.TextColor, lightness);
            if (ContrastRatio(dark.TextColor, dark.BackColor) < textMark) continue;
            if (SetLinksApart(linkRows, dark)) return true;
        }
    }
    dark = mapped;
    return false;
}

// The foregrounds turned around against `background`, each lifted to its mark; false when
// some colour's hue has no lightness that reaches its mark there. In sRGB this does not
// happen with a background turned from a light one, which leaves white at least 6:1 and as
// far above AA and AAA as the style's own pairs could be; the darker background is kept as a
// safety net for colours at the rounding's edge.
bool MapForegrounds(const TStyle& style, const std::array<ContrastRow, 5>& rows, TStyle& dark) {
    for (std::size_t i = 0; i < kForegrounds.size(); ++i) {
        const auto fix =
            NearestPassingColor(TurnedAround(style.*kForegrounds[i]), dark.BackColor, ReachedMark(rows[i]));
        if (!fix) return false;
        dark.*kForegrounds[i] = fix->color;
    }
    return KeepLinksApart(style, ReachedMark(rows[kTextRow]), dark);
}

std::string Color(TColor color) { return "#" + colorvalue::TagForm(color); }

std::string Rule(std::string_view selector, const std::string& declarations) {
    return "  " + std::string(selector) + " {\n" + declarations + "  }\n";
}

std::string Declaration(std::string_view property, TColor color) {
    return "    " + std::string(property) + ": " + Color(color) + ";\n";
}

}  // namespace

bool WantsDarkVariant(const TStyle& style) { return ToOklch(style.BackColor).lightness >= kLightBackground; }

TStyle DarkVariant(const TStyle& style) {
    if (!WantsDarkVariant(style)) return style;
    const auto rows = ContrastRows(style);
    TStyle dark = style;
    // Black always leaves room: every hue's lightest colour is white, 21:1 from it.
    for (double lightness = 1 - ToOklch(style.BackColor).lightness;; lightness -= kBackgroundStep) {
        lightness = std::max(lightness, 0.0);
        dark.BackColor = WithLightness(style.BackColor, lightness);
        if (MapForegrounds(style, rows, dark) || lightness == 0) break;
    }
    return dark;
}

std::string MakeDarkCss(const TStyle& style) {
    if (!WantsDarkVariant(style)) return {};
    const TStyle dark = DarkVariant(style);
    return "\n@media (prefers-color-scheme: dark) {\n" +
           Rule("body",
                Declaration("background-color", dark.BackColor) + Declaration("color", dark.TextColor)) +
           "\n" + Rule("a:link", Declaration("color", dark.LinkColor)) + "\n" +
           Rule("a:visited", Declaration("color", dark.VisitedColor)) + "\n" +
           Rule("a:active", Declaration("color", dark.ActiveColor)) + "\n" +
           Rule("." + std::string(kCssFontClass), Declaration("color", dark.FontColor)) + "}\n";
}
