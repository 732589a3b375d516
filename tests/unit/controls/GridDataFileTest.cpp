// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "controls/GridDataFile.h"

namespace {

using controls::DataField;
using Kind = DataField::Kind;

struct LineCase {
    const char* what;
    std::string line;
    int columns;
    controls::StripRules strip;
    std::vector<DataField> fields;
};

class DataLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(DataLineTest, ParsesIntoCells) {
    const LineCase& c = GetParam();
    EXPECT_EQ(controls::ParseDataLine(c.line, c.columns, c.strip), c.fields) << c.what;
}

constexpr controls::StripRules kBoth{true, true};
constexpr controls::StripRules kNone{false, false};
constexpr controls::StripRules kLeading{true, false};

INSTANTIATE_TEST_SUITE_P(
    Lines, DataLineTest,
    ::testing::Values(
        LineCase{"quotes keep a comma, braces name a picture and text may follow",
                 "a, \"b,c\" ,{pic.bmp}d",
                 3,
                 kBoth,
                 {{Kind::Text, 0, "a"},
                  {Kind::Text, 1, "b,c"},
                  {Kind::Picture, 2, "pic.bmp"},
                  {Kind::Text, 2, "d"}}},
        LineCase{"an empty field leaves its cell alone",
                 "x,,y",
                 3,
                 kBoth,
                 {{Kind::Text, 0, "x"}, {Kind::Text, 2, "y"}}},
        LineCase{"fields past the last column are dropped",
                 "1,2,3,4",
                 2,
                 kBoth,
                 {{Kind::Text, 0, "1"}, {Kind::Text, 1, "2"}}},
        LineCase{"no stripping keeps the blanks",
                 " a\t, b ",
                 2,
                 kNone,
                 {{Kind::Text, 0, " a\t"}, {Kind::Text, 1, " b "}}},
        LineCase{"leading stripping keeps the last blank",
                 "   ,x ",
                 2,
                 kLeading,
                 {{Kind::Text, 0, " "}, {Kind::Text, 1, "x "}}},
        LineCase{"trailing stripping takes every blank",
                 "  \t ,x",
                 2,
                 controls::StripRules{false, true},
                 {{Kind::Text, 1, "x"}}},
        LineCase{
            "an unclosed quote runs to the end of the line", "\"a,b", 2, kBoth, {{Kind::Text, 0, "a,b"}}},
        LineCase{"braces inside quotes are text", "\"{x}\"", 1, kBoth, {{Kind::Text, 0, "{x}"}}},
        LineCase{"an unclosed brace is a picture at the end of the line",
                 "{ pic.gif ",
                 2,
                 kNone,
                 {{Kind::Picture, 0, "pic.gif"}}},
        LineCase{"text before a brace is part of the picture's name",
                 "dir/{a.png}",
                 1,
                 kBoth,
                 {{Kind::Picture, 0, "dir/a.png"}}},
        LineCase{"a grid with no columns reads nothing", "a,b", 0, kBoth, {}}),
    [](const auto& info) { return "Line" + std::to_string(info.index); });

TEST(DataLinesTest, SplitsAtEveryLineEndAndCutsLongLines) {
    const std::string longLine(3000, 'x');
    const std::string content = "a\r\nb\nc\r\rd\n\n" + longLine + "\ne";
    const auto lines = controls::SplitDataLines(content);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "a");
    EXPECT_EQ(lines[1], "b");
    EXPECT_EQ(lines[2], "c");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], "d");
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[6].size(), controls::kMaxDataLineLength);
    EXPECT_EQ(lines[7], "e");
    std::string accented;
    for (int i = 0; i < 3000; ++i) accented += "\xC3\xA9";
    EXPECT_EQ(controls::SplitDataLines(accented)[0].size(), 2 * controls::kMaxDataLineLength)
        << "characters are counted, not bytes";
    EXPECT_TRUE(controls::SplitDataLines("").empty());
    EXPECT_EQ(controls::SplitDataLines("only\n").size(), 1u);
}

}  // namespace
