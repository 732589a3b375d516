// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IniText.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace platform {
namespace {

// One file with the odd corners a hand-edited file has.
constexpr std::string_view kAwkwardFile =
    "; written by hand\n"
    "orphan=before any section\n"
    "[Body]\n"
    "colorBG=000000\n"
    "  ColorText  =  FFFFFF  \n"
    "\tcolorNew\t=\tFFFF00\t\n"
    "empty=\n"
    "dup=first\n"
    "dup=second\n"
    "eq=a=b\n"
    "quoted=\"x\"\n"
    ";colorActive=00FFFF\n"
    "stray line\n"
    "[ Font ] trailing words\n"
    "caption=Hello World\n"
    "[body]\n"
    "late=hidden by the first Body\n";

struct ReadCase {
    const char* section;
    const char* key;
    std::optional<std::string> expected;
};

void PrintTo(const ReadCase& row, std::ostream* out) {
    *out << '"' << row.section << "\" \"" << row.key << '"';
}

class IniTextRead : public testing::TestWithParam<ReadCase> {};

TEST_P(IniTextRead, FindsKeysByTheFileRules) {
    const IniText text{std::string(kAwkwardFile)};
    EXPECT_EQ(text.Value(GetParam().section, GetParam().key), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, IniTextRead,
    testing::Values(ReadCase{"Body", "colorBG", "000000"},
                    ReadCase{"BODY", "colortext", "FFFFFF"},  // names ignore case, blanks trimmed
                    ReadCase{"Body", "colorNew", "FFFF00"},   // tabs are blanks too
                    ReadCase{"Body", "empty", ""},            // present, empty: not the default
                    ReadCase{"Body", "dup", "first"},
                    ReadCase{"Body", "eq", "a=b"},                  // the first '=' ends the key
                    ReadCase{"Body", "quoted", "\"x\""},            // quotes are kept
                    ReadCase{"Body", "colorActive", std::nullopt},  // commented out
                    ReadCase{"Body", "stray line", std::nullopt},
                    ReadCase{"Body", "late", std::nullopt},         // only the first Body counts
                    ReadCase{"Font", "caption", "Hello World"},     // header text after ']' ignored
                    ReadCase{" font ", "CAPTION ", "Hello World"},  // the caller's names are trimmed
                    ReadCase{"Font", "colorBG", std::nullopt},      // keys belong to their own section
                    ReadCase{"", "orphan", std::nullopt}, ReadCase{"Missing", "colorBG", std::nullopt}));

class IniTextLineEnds : public testing::TestWithParam<const char*> {};

TEST_P(IniTextLineEnds, ReadTheSame) {
    const std::string end = GetParam();
    const IniText text("\xEF\xBB\xBF[Font]" + end + "caption=Hi " + end + end + "[Body]" + end +
                       "colorBG=FF" + end);
    EXPECT_EQ(text.Value("Font", "caption"), "Hi");
    EXPECT_EQ(text.Value("Body", "colorBG"), "FF");
    EXPECT_EQ(text.SectionValues("Font"), std::vector<std::string>{"caption=Hi"});
}

INSTANTIATE_TEST_SUITE_P(Rows, IniTextLineEnds, testing::Values("\n", "\r\n", "\r"));

TEST(IniText, CutsValuesAt1023Characters) {
    const std::string ascii(1023, 'a');
    EXPECT_EQ(IniText("[S]\nk=" + ascii + "\n").Value("S", "k"), ascii);
    EXPECT_EQ(IniText("[S]\nk=" + ascii + "bc\n").Value("S", "k"), ascii);
    // Counted after trimming, in characters: two-byte "é" is not split and counts once.
    std::string accented;
    for (int i = 0; i < 1100; ++i) {
        accented += "\xC3\xA9";
    }
    EXPECT_EQ(IniText("[S]\nk=   " + accented).Value("S", "k"), accented.substr(0, 2 * 1023));
    EXPECT_EQ(IniText("[S]\nk=" + accented + "\n").SectionValues("S").front().size(), 2 + 2 * 1023);
}

TEST(IniText, ListsASectionsKeyLines) {
    const IniText text{std::string(kAwkwardFile)};
    EXPECT_EQ(text.SectionValues("body"),
              (std::vector<std::string>{"colorBG=000000", "ColorText=FFFFFF", "colorNew=FFFF00",
                                        "empty=", "dup=first", "dup=second", "eq=a=b", "quoted=\"x\""}));
    EXPECT_TRUE(text.SectionValues("Missing").empty());
    EXPECT_EQ(IniText("[AltFonts]\nAltFonts1=Arial\n").SectionValues("AltFonts"),
              std::vector<std::string>{"AltFonts1=Arial"});
}

struct IntegerCase {
    const char* text;
    std::optional<std::int32_t> expected;
};

void PrintTo(const IntegerCase& row, std::ostream* out) { *out << '"' << row.text << '"'; }

class IniInteger : public testing::TestWithParam<IntegerCase> {};

TEST_P(IniInteger, ParsesOnlyWholeNumbers) {
    EXPECT_EQ(ParseIniInteger(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Rows, IniInteger,
    testing::Values(IntegerCase{"12", 12}, IntegerCase{"-3", -3}, IntegerCase{"+7", 7}, IntegerCase{"007", 7},
                    IntegerCase{"$1F", 31}, IntegerCase{"$1f", 31}, IntegerCase{"0x1f", 31},
                    IntegerCase{"0X1F", 31}, IntegerCase{"-$10", -16}, IntegerCase{"+0x10", 16},
                    IntegerCase{"2147483647", 2147483647}, IntegerCase{"-2147483648", INT32_MIN},
                    IntegerCase{"$7FFFFFFF", 2147483647}, IntegerCase{"-$80000000", INT32_MIN},
                    IntegerCase{"2147483648", std::nullopt}, IntegerCase{"$80000000", std::nullopt},
                    IntegerCase{"99999999999", std::nullopt}, IntegerCase{"$FFFFFFFFF", std::nullopt},
                    IntegerCase{"", std::nullopt}, IntegerCase{"-", std::nullopt},
                    IntegerCase{"$", std::nullopt}, IntegerCase{"0x", std::nullopt},
                    IntegerCase{"12abc", std::nullopt}, IntegerCase{"big", std::nullopt},
                    IntegerCase{"1F", std::nullopt}, IntegerCase{"--5", std::nullopt},
                    IntegerCase{"$-5", std::nullopt}, IntegerCase{"0x+5", std::nullopt},
                    IntegerCase{"- 5", std::nullopt}, IntegerCase{"1.5", std::nullopt},
                    IntegerCase{"#10", std::nullopt}));

struct EditCase {
    const char* name;
    std::string before;
    const char* section;
    const char* key;
    const char* value;
    std::string after;
};

void PrintTo(const EditCase& row, std::ostream* out) { *out << row.name; }

class IniTextSetValue : public testing::TestWithParam<EditCase> {};

TEST_P(IniTextSetValue, ChangesOnlyWhatItMust) {
    IniText text(GetParam().before);
    text.SetValue(GetParam().section, GetParam().key, GetParam().value);
    EXPECT_EQ(text.Text(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, IniTextSetValue,
    testing::Values(
        EditCase{"ReplacesInPlace", "; c\n[A]\n  X = 1 \r\nkeep = 2\n\n[B]\nx=3\n", "a", "x", "9",
                 "; c\n[A]\nx=9\r\nkeep = 2\n\n[B]\nx=3\n"},
        EditCase{"ReplacesFirstDuplicate", "[A]\nk=1\nk=2\n", "A", "k", "9", "[A]\nk=9\nk=2\n"},
        EditCase{"AddsAfterLastKeyNotAfterBlankOrComment", "[A]\na=1\nodd\n\n; B next\n[B]\nb=1\n", "A", "c",
                 "3", "[A]\na=1\nodd\nc=3\n\n; B next\n[B]\nb=1\n"},
        EditCase{"AddsUnderEmptySectionsHeader", "[A]\n\n[B]\n", "A", "c", "3", "[A]\nc=3\n\n[B]\n"},
        EditCase{"TerminatesAnUnendedLastLine", "[A]\na=1", "A", "c", "3", "[A]\na=1\nc=3\n"},
        EditCase{"CopiesCrlf", "[A]\r\na=1\r\n", "A", "c", "3", "[A]\r\na=1\r\nc=3\r\n"},
        // The file's first line end is a lone CR; copying it here would join the next LF into a
        // CRLF and swallow the blank line.
        EditCase{"CopiesTheNeighboursLineEnd", "[X]\r[A]\na=1\n\n;", "A", "c", "3",
                 "[X]\r[A]\na=1\nc=3\n\n;"},
        EditCase{"IgnoresKeysOutsideTheSection", "k=0\n[A]\n", "A", "k", "1", "k=0\n[A]\nk=1\n"},
        EditCase{"AppendsSectionAfterBlankLine", "[A]\na=1\n", "B", "b", "2", "[A]\na=1\n\n[B]\nb=2\n"},
        EditCase{"ReusesTrailingBlankLine", "[A]\na=1\n\n", "B", "b", "2", "[A]\na=1\n\n[B]\nb=2\n"},
        EditCase{"AppendsAfterUnendedLine", "[A]\na=1", "B", "b", "2", "[A]\na=1\n\n[B]\nb=2\n"},
        EditCase{"AppendsSectionWithCrlf", "[A]\r\na=1\r\n", "B", "b", "2",
                 "[A]\r\na=1\r\n\r\n[B]\r\nb=2\r\n"},
        EditCase{"StartsEmptyText", "", " B ", " b ", "2", "[B]\nb=2\n"},
        EditCase{"KeepsByteOrderMark", "\xEF\xBB\xBF", "B", "b", "2", "\xEF\xBB\xBF[B]\nb=2\n"},
        EditCase{"MendsLineBreaks", "[S]\nk=old\n", "S\r\n", "k", "one\r\ntwo\nthree\rfour",
                 "[S]\nk=one two three four\n"},
        EditCase{"MendsLineBreaksInKeys", "", "S", "x\ny", "v", "[S]\nx y=v\n"}),
    [](const testing::TestParamInfo<EditCase>& info) { return std::string(info.param.name); });

TEST(IniText, WrittenValuesReadBackTrimmedAndCut) {
    const std::string longValue(1500, 'z');
    const std::vector<std::pair<std::string, std::string>> rows = {{" padded\t", "padded"},
                                                                   {"", ""},
                                                                   {"a=b", "a=b"},
                                                                   {"[not a section]", "[not a section]"},
                                                                   {"; not a comment", "; not a comment"},
                                                                   {"line\nbreak", "line break"},
                                                                   {longValue, longValue.substr(0, 1023)}};
    for (const auto& [written, read] : rows) {
        IniText text("[S]\nbefore=1\n[T]\nafter=2\n");
        text.SetValue("S", "k", written);
        EXPECT_EQ(text.Value("S", "k"), read) << written;
        EXPECT_EQ(text.Value("S", "before"), "1");
        EXPECT_EQ(text.Value("T", "after"), "2");
    }
}

TEST(IniText, RefusesNamesThatWouldNotReadBack) {
    const std::string before = "[S]\nk=1\n";
    IniText text(before);
    EXPECT_THROW(text.SetValue("S", "a=b", "v"), std::invalid_argument);
    EXPECT_THROW(text.SetValue("S", "[k", "v"), std::invalid_argument);
    EXPECT_THROW(text.SetValue("S", " ;k", "v"), std::invalid_argument);
    EXPECT_THROW(text.SetValue("a]b", "k", "v"), std::invalid_argument);
    EXPECT_EQ(text.Text(), before);
    EXPECT_EQ(text.Value("S", "a=b"), std::nullopt);
}

struct EraseCase {
    const char* name;
    std::string before;
    const char* section;
    bool erased;
    std::string after;
};

void PrintTo(const EraseCase& row, std::ostream* out) { *out << row.name; }

class IniTextErase : public testing::TestWithParam<EraseCase> {};

TEST_P(IniTextErase, RemovesWholeSections) {
    IniText text(GetParam().before);
    EXPECT_EQ(text.EraseSection(GetParam().section), GetParam().erased);
    EXPECT_EQ(text.Text(), GetParam().after);
    EXPECT_FALSE(text.SectionExists(GetParam().section));
}

INSTANTIATE_TEST_SUITE_P(Rows, IniTextErase,
                         testing::Values(EraseCase{"Middle", "[A]\na=1\n\n[B]\nb=1\n; c\n\n[C]\nc=1\n", "b",
                                                   true, "[A]\na=1\n\n[C]\nc=1\n"},
                                         EraseCase{"EveryOccurrence", "\xEF\xBB\xBF[a]\n1=1\n[B]\n[A]\n2=2\n",
                                                   "A", true, "\xEF\xBB\xBF[B]\n"},
                                         EraseCase{"Last", "[A]\na=1\n\n[B]\nb=1", "B", true, "[A]\na=1\n\n"},
                                         EraseCase{"Missing", "[A]\na=1\n", "B", false, "[A]\na=1\n"}),
                         [](const testing::TestParamInfo<EraseCase>& info) {
                             return std::string(info.param.name);
                         });

// Replacing a section in one pass gives the text that erasing it and writing its keys one at
// a time gives, line ends and blank lines included.
TEST(IniText, ReplaceSectionIsEraseThenOneWritePerKey) {
    const std::vector<std::pair<std::string, std::string>> keys = {{"AltFonts0", "Arial"},
                                                                   {"AltFonts1", " a\r\nb "}};
    for (const std::string before : {"", "[Font]\r\nk=1\r\n[AltFonts]\r\nAltFonts0=x\r\n\r\n[Z]\r\nz=1",
                                     "[AltFonts]\nold=1\n[altfonts]\n", "[Font]\nk=1\n\n"}) {
        SCOPED_TRACE(before);
        IniText stepwise(before);
        stepwise.EraseSection("AltFonts");
        for (const auto& [key, value] : keys) stepwise.SetValue("AltFonts", key, value);
        IniText whole(before);
        whole.ReplaceSection("AltFonts", keys);
        EXPECT_EQ(whole.Text(), stepwise.Text());

        IniText emptied(before);
        emptied.ReplaceSection("AltFonts", {});
        EXPECT_FALSE(emptied.SectionExists("AltFonts"));
    }
}

}  // namespace
}  // namespace platform
