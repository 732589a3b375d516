// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/DarkVariant.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>
#include <string>

#include "style/CssText.h"
#include "tests/unit/style/Checkers.h"

namespace {

// WCAG 2's measure, written out here from its definition rather than taken from the program.
double Luminance(const std::string& hex) {
    auto channel = [&](int at) {
        const double c = std::stoi(hex.substr(static_cast<std::size_t>(at), 2), nullptr, 16) / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(1) + 0.7152 * channel(3) + 0.0722 * channel(5);
}

double Ratio(const std::string& a, const std::string& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// 0 none, 1 AA, 2 AAA, on the ratio shown to a tenth. Large text needs less.
int Level(double ratio, bool large) {
    const double shown = std::floor(ratio * 10 + 1e-9) / 10;
    return shown >= (large ? 4.5 : 7.0) ? 2 : shown >= (large ? 3.0 : 4.5) ? 1 : 0;
}

// "selector|property" -> value, from what tinycss2 reads: the sheet's own rules, and the
// rules inside the dark scheme's @media block with it as their prefix.
constexpr const char* kDark = "@media (prefers-color-scheme: dark) ";
std::map<std::string, std::string> Read(const std::string& css) {
    std::map<std::string, std::string> values;
    std::istringstream lines(ParsedByTinycss2(css));
    for (std::string line; std::getline(lines, line);) {
        EXPECT_NE(line.rfind("ERROR", 0), 0u) << line << "\n" << css;
        const std::size_t bar = line.rfind('|');
        if (bar != std::string::npos) values[line.substr(0, bar)] = line.substr(bar + 1);
    }
    return values;
}

TStyle With(TColor back, TColor text, TColor link, TColor visited, TColor active, TColor font, int size = 3) {
    TStyle style;
    style.BackColor = back;
    style.TextColor = text;
    style.LinkColor = link;
    style.VisitedColor = visited;
    style.ActiveColor = active;
    style.FontColor = font;
    style.SizeStep = size;
    style.FaceName = "Arial";
    return style;
}

}  // namespace

// For every style with a light background, each colour's level against the background in the
// dark block is at least its level in the sheet, measured on the text both blocks read as;
// the dark block's background is dark. A style that is dark already has no block.
TEST(DarkVariant, EveryPairKeepsItsLevelInTheDarkBlock) {
    struct Case {
        const char* what;
        TStyle style;
        bool block;
    };
    const Case cases[] = {
        {"the program's defaults (dark already)", TStyle{}, false},
        {"browser defaults", With(0xFFFFFF, 0x000000, 0xEE0000, 0x8B1A55, 0x0000FF, 0x000000), true},
        {"cream page, brown text", With(0xE1F0F5, 0x13335C, 0x99330A, 0x7A2E6B, 0x0000CC, 0x2F4F4F, 6), true},
        {"light blue page, AAA grey text", With(0xFFEEDD, 0x555555, 0xCC6600, 0x800080, 0x0000FF, 0x000080),
         true},
        {"mid grey page", With(0xA0A0A0, 0x000000, 0x660000, 0x003300, 0xFFFFFF, 0x202020, 7), true},
        {"saturated yellow page", With(0x00FFFF, 0x0000FF, 0xFF0000, 0x008000, 0x800080, 0x0000CC, 5), true},
        {"saturated cyan page", With(0xFFFF00, 0x000080, 0x0000FF, 0x800000, 0x008000, 0x000000), true},
        {"light text on a light page (no level)",
         With(0xFFFFFF, 0xEEEEEE, 0x00FFFF, 0xFFCCFF, 0xCCFFCC, 0xDDDDDD), true},
        {"links apart from the text by 3:1", With(0xD3EECD, 0x251320, 0x3435B9, 0xECDEC1, 0xCB2CFE, 0x000000),
         true},
        {"near-black page", With(0x1E1E1E, 0xDDDDDD, 0xFFAA55, 0xFF88CC, 0x00CCFF, 0xFFFFFF), false},
        {"saturated dark blue page", With(0x800000, 0xFFFFFF, 0x00FFFF, 0xFFCCCC, 0x00FF00, 0x00FFFF), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string dark = MakeDarkCss(c.style);
        ASSERT_EQ(!dark.empty(), c.block);
        if (!c.block) continue;
        const auto values = Read(MakeCss(c.style) + dark);
        const std::string d = kDark;
        const std::string lightBack = values.at("body|background-color");
        const std::string darkBack = values.at(d + "body|background-color");
        EXPECT_LT(Luminance(darkBack), 0.2) << darkBack;
        struct Pair {
            std::string colour;
            bool large;
        };
        const bool largeFont = c.style.SizeStep >= 5;  // 18 points and more
        const Pair pairs[] = {{"body|color", false},
                              {"a:link|color", false},
                              {"a:visited|color", false},
                              {"a:active|color", false},
                              {".velloran|color", largeFont}};
        int levels = 0;
        for (const Pair& pair : pairs) {
            const int light = Level(Ratio(values.at(pair.colour), lightBack), pair.large);
            const int inDark = Level(Ratio(values.at(d + pair.colour), darkBack), pair.large);
            EXPECT_GE(inDark, light) << pair.colour << " " << values.at(pair.colour) << " on " << lightBack
                                     << " became " << values.at(d + pair.colour) << " on " << darkBack;
            levels += light;
        }
        // A link told apart from the text by 3:1 in the sheet stays apart in the dark block.
        for (const char* link : {"a:link|color", "a:visited|color", "a:active|color"}) {
            if (Level(Ratio(values.at(link), values.at("body|color")), true) == 0) continue;
            EXPECT_GE(Level(Ratio(values.at(d + link), values.at(d + "body|color")), true), 1)
                << link << " " << values.at(d + link) << " against text " << values.at(d + "body|color");
        }
        // Every row but the one with no level has something to keep.
        if (std::string(c.what).find("no level") == std::string::npos) {
            EXPECT_GT(levels, 0);
        }
    }
}

// The block in its fixed form: the page's background turned to black and its text to white,
// each rule indented inside the query. Greys have no hue, so the turn is plain: #777777, short
// of AA on white, keeps no level and only turns (OKLCH lightness 0.569 to 0.431).
TEST(DarkVariant, BlockIsWrittenInTheFixedForm) {
    const TStyle style = With(0xFFFFFF, 0x000000, 0xFFFFFF, 0x777777, 0x000000, 0x000000);
    EXPECT_EQ(MakeDarkCss(style),
              "\n@media (prefers-color-scheme: dark) {\n"
              "  body {\n"
              "    background-color: #000000;\n"
              "    color: #FFFFFF;\n"
              "  }\n"
              "\n"
              "  a:link {\n"
              "    color: #000000;\n"
              "  }\n"
              "\n"
              "  a:visited {\n"
              "    color: #505050;\n"
              "  }\n"
              "\n"
              "  a:active {\n"
              "    color: #FFFFFF;\n"
              "  }\n"
              "\n"
              "  .velloran {\n"
              "    color: #FFFFFF;\n"
              "  }\n"
              "}\n");
}

// A grey's OKLCH lightness is the cube root of its linear value, so the turned-around grey is
// known exactly: the dark background of a grey page is that grey, not a darker one, and black
// text turns white.
TEST(DarkVariant, GreyPagesTurnToTheirOppositeGrey) {
    auto decode = [](int code) {
        const double v = code / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    auto encode = [](double linear) {
        return static_cast<int>(std::lround(
            255 * (linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1 / 2.4) - 0.055)));
    };
    for (const int grey : {0xFF, 0xF0, 0xD0, 0xC0, 0xA8}) {
        const TColor back = static_cast<TColor>(grey * 0x010101);
        const TStyle dark = DarkVariant(With(back, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000));
        const int turned = encode(std::pow(1 - std::cbrt(decode(grey)), 3));
        const int got = static_cast<int>(dark.BackColor & 0xFF);
        EXPECT_NEAR(got, turned, 1) << std::hex << grey;
        EXPECT_EQ(dark.BackColor, static_cast<TColor>(got * 0x010101)) << std::hex << grey;
        EXPECT_EQ(dark.TextColor, 0xFFFFFFu) << std::hex << grey;
    }
}
