// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/LegacyValue.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "style/ColorValue.h"
#include "style/CssNamedColors.h"
#include "style/TagParser.h"

namespace {

std::optional<TColor> Rgb(std::uint32_t rgb) {
    return colorvalue::ColorFromChannels(static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 0xFF),
                                         static_cast<int>(rgb & 0xFF));
}

struct ColorRow {
    std::string value;
    std::optional<TColor> color;
};

// The HTML standard's rules for a legacy colour value, one row per step that decides.
const std::vector<ColorRow>& ColorRows() {
    static const std::vector<ColorRow> rows = {
        {"", std::nullopt},                // the empty text is no colour,
        {"   ", Rgb(0x000000)},            // but white space alone is read
        {" TransParent\n", std::nullopt},  // "transparent", any case and spacing
        {"orange", Rgb(0xFFA500)},         // a CSS keyword
        {"grey", Rgb(0x808080)},           // either spelling of grey
        {"DarkSlateGrey", Rgb(0x2F4F4F)},  // in any case
        {"lightblue", Rgb(0xADD8E6)},      //
        {"RebeccaPurple", Rgb(0x663399)},  //
        {"currentColor", Rgb(0xC0E000)},   // no keyword here: read by the digits
        {" #abc ", Rgb(0xAABBCC)},         // "#RGB", each digit doubled
        {"#abcd", Rgb(0xABCD00)},          // four digits pad to six
        {"#F8g", Rgb(0x0F0800)},           // not "#RGB": g is 0, channels of one digit
        {"FFF", Rgb(0x0F0F0F)},            // without "#" too
        {"#FF000", Rgb(0xFF0000)},         // padded to a multiple of three
        {"#ff0000;", Rgb(0xFF0000)},       // ";" is 0, then each channel's first two
        {"#12345G", Rgb(0x123450)},        // G is 0
        {"chucknorris", Rgb(0xC00000)},    // c00c 0000 000
        {"#", Rgb(0x000000)},              // nothing left is 000
        {"1\u00E92", Rgb(0x010002)},       // a character of the BMP is one 0
        {"1\U0001F600"
         "2",
         Rgb(0x100200)},                                               // one beyond it is two
        {"1\U0001F600", Rgb(0x010000)},                                // at the end too
        {"#1234567890ABCDEF1234567890", Rgb(0x23AB45)},                // channels keep their last 8 digits
        {"#0012340056780090AB", Rgb(0x125690)},                        // leading zeros go from all three
        {"\u00E9" + std::string(125, '0') + "FF", Rgb(0x0000FF)},      // 128 characters are read,
        {"\U0001F600" + std::string(125, '0') + "FF", Rgb(0x0000F0)},  // the emoji counting two,
        {"#" + std::string(126, '0') + "FF", Rgb(0x0000F0)},           // and the "#" one
        {"rgb(255,0,0)", Rgb(0x002500)},                               // CSS functions are not read as such
    };
    return rows;
}

struct SizeRow {
    const char* value;
    std::optional<int> step;
};

// The HTML standard's rules for a legacy font size.
constexpr std::array<SizeRow, 16> kSizeRows = {{
    {"+2", 5},
    {"-5", 1},
    {"3.5", 3},
    {"10", 7},
    {"0", 1},
    {"-0", 3},
    {" \t+1", 4},
    {"7px", 7},
    {"99999999999", 7},
    {"-99999999999", 1},
    {"", std::nullopt},
    {" ", std::nullopt},
    {"+", std::nullopt},
    {"- 2", std::nullopt},
    {"x", std::nullopt},
    {"\v5", std::nullopt},  // a vertical tab is not white space in HTML
}};

// A value as it may stand in a tag: quoted either way, or every character a reference.
std::vector<std::string> WrittenForms(const std::string& value) {
    std::string doubleQuoted = "\"", singleQuoted = "'", references = "\"";
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        doubleQuoted += c == '&' ? "&amp;" : c == '"' ? "&quot;" : std::string(1, c);
        singleQuoted += c == '&' ? "&#38;" : c == '\'' ? "&#39;" : std::string(1, c);
        if ((c & 0x80) == 0) {
            references += "&#" + std::to_string(static_cast<int>(c)) + ";";
        } else {
            references += c;  // the UTF-8 bytes of a character go in as they are
        }
    }
    return {doubleQuoted + "\"", singleQuoted + "'", references + "\""};
}

}  // namespace

TEST(LegacyColor, StepByStepExamples) {
    for (const ColorRow& row : ColorRows()) EXPECT_EQ(ParseLegacyColor(row.value), row.color) << row.value;
}

TEST(LegacyFontSize, StepByStepExamples) {
    for (const SizeRow& row : kSizeRows) EXPECT_EQ(ParseLegacyFontSize(row.value), row.step) << row.value;
}

// Every keyword, read back by tinycss2's CSS colour parser: the same colour for each, and no
// keyword missing (148, with both spellings of grey).
TEST(LegacyColor, EveryCssKeywordAsACssParserReadsIt) {
    std::string names;
    for (const CssNamedColor& color : CssNamedColors()) names += std::string(color.name) + " ";
    const std::string command =
        "/usr/bin/python3 -c 'import sys, tinycss2.color3 as c\n"
        "for n in sys.argv[1:]:\n"
        " r = c.parse_color(n)\n"
        " if r: print(n, round(r.red * 255), round(r.green * 255), round(r.blue * 255))' " +
        names;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    ASSERT_NE(pipe, nullptr);
    std::string out;
    std::array<char, 256> line;
    while (std::fgets(line.data(), line.size(), pipe.get()) != nullptr) out += line.data();

    // tinycss2 reads CSS Color 3, which came before rebeccapurple: it knows every other name.
    std::istringstream read(out + "rebeccapurple 102 51 153\n");
    std::string name;
    int red = 0, green = 0, blue = 0, count = 0;
    while (read >> name >> red >> green >> blue) {
        ++count;
        EXPECT_EQ(ParseLegacyColor(name), colorvalue::ColorFromChannels(red, green, blue)) << name;
        std::string upper = name;
        for (char& c : upper) c = static_cast<char>(c - 'a' + 'A');
        EXPECT_EQ(ParseLegacyColor(upper), colorvalue::ColorFromChannels(red, green, blue)) << upper;
    }
    EXPECT_EQ(count, 148);
    EXPECT_EQ(CssNamedColors().size(), 148u);
}

// What the paste reads from a FONT tag's COLOR and SIZE, however the value is written, is what
// the rules give for the value itself.
TEST(PasteTag, ReadsEveryTableValueAsTheRulesDo) {
    for (const ColorRow& row : ColorRows()) {
        for (const std::string& written : WrittenForms(row.value)) {
            const TPastedTag tag = ParsePastedTag("<font color=" + written + ">x</font>");
            if (row.color) {
                EXPECT_EQ(tag.colors, (std::vector<std::pair<TColorTarget, TColor>>{{ctFont, *row.color}}))
                    << written;
            } else {
                EXPECT_EQ(tag.problems.size(), 1u) << written;
            }
        }
    }
    for (const SizeRow& row : kSizeRows) {
        for (const std::string& written : WrittenForms(row.value)) {
            EXPECT_EQ(ParsePastedTag("<font size=" + written + ">x</font>").sizeStep, row.step) << written;
        }
    }
}
