// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Translate.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ArgRow {
    const char* text;
    std::vector<std::string> args;
    const char* expected;
};

class ArgTest : public ::testing::TestWithParam<ArgRow> {};

TEST_P(ArgTest, PlacesEveryArgumentOnce) {
    const ArgRow& row = GetParam();
    std::string out;
    switch (row.args.size()) {
        case 0: out = platform::Arg(row.text, {}); break;
        case 1: out = platform::Arg(row.text, {row.args[0]}); break;
        default: out = platform::Arg(row.text, {row.args[0], row.args[1]}); break;
    }
    EXPECT_EQ(out, row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ArgTest,
    ::testing::Values(ArgRow{"Save changes to Style \"%1\"?", {"Mine"}, "Save changes to Style \"Mine\"?"},
                      // A translation may put the arguments the other way round.
                      ArgRow{"%2 aus %1", {"a", "b"}, "b aus a"},
                      // An argument holding a placeholder is not read again.
                      ArgRow{"%1 and %2", {"%2", "x"}, "%2 and x"},
                      // A placeholder with no argument, a lone or final percent stay.
                      ArgRow{"%1 %3 100% %", {"a"}, "a %3 100% %"},
                      // One placeholder past the last argument stays too.
                      ArgRow{"%1 %2", {"a"}, "a %2"}, ArgRow{"no places", {"a"}, "no places"}));

// The text may be part of a longer one: a percent at its end is not read with what follows.
TEST(ArgTest, EndsWhereTheTextEnds) {
    const std::string_view text = std::string_view("a%1").substr(0, 2);
    EXPECT_EQ(platform::Arg(text, {"x"}), "a%");
}

TEST(TranslateTest, TextsStayAsWrittenUntilATranslatorIsSetAndAfterItIsTaken) {
    EXPECT_EQ(platform::Translate("Steps", "Bold"), "Bold");
    platform::SetTranslator(
        [](const char* context, const char* text) { return std::string(context) + ":" + text; });
    EXPECT_EQ(platform::Translate("Steps", "Bold"), "Steps:Bold");
    platform::SetTranslator({});
    EXPECT_EQ(platform::Translate("Steps", "Bold"), "Bold");
}

}  // namespace
