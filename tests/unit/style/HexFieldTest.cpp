// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string_view>

#include "style/HexField.h"

using namespace hexfield;

namespace {
constexpr int kPageUp = 33, kPageDown = 34, kEnd = 35, kHome = 36, kLeft = 37, kUp = 38, kDown = 40;
}

TEST(HexFieldKeys, OnlyHexDigitsAndBackspacePass) {
    for (char32_t c : std::u32string_view(U"0123456789ABCDEFabcdef\b"))
        EXPECT_TRUE(KeyPasses(c)) << static_cast<int>(c);
    for (char32_t c : std::u32string_view(U"GgZz -+$x\r\t\u00e9"))
        EXPECT_FALSE(KeyPasses(c)) << static_cast<int>(c);
}

TEST(HexFieldKeys, NavigationTable) {
    struct Case {
        int key;
        const char* text;
        const char* expected;
        bool consumed;
    };
    const Case cases[] = {
        {kUp, "", "00", true},
        {kUp, "7F", "80", true},
        {kUp, "FF", nullptr, false},
        {kDown, "", "FF", true},
        {kDown, "80", "7F", true},
        {kDown, "00", nullptr, false},
        {kPageDown, "", "0F", true},
        {kPageDown, "E1", "F0", true},
        {kPageDown, "F0", "FF", true},
        {kPageDown, "F1", "FF", true},
        {kPageUp, "", "00", true},
        {kPageUp, "10", "01", true},
        {kPageUp, "0F", "00", true},
        {kHome, "", "00", true},
        {kHome, "AB", "00", true},
        {kEnd, "", "FF", true},
        {kEnd, "0", "FF", true},
        {kUp, "9", "0A", true},  // one digit reads as its value
        {kLeft, "12", nullptr, false},
        {kUp, "ZZ", nullptr, false},  // a pasted non-number is left to the change handling
    };
    for (const auto& c : cases) {
        const KeyResult result = NavigationKey(c.key, c.text);
        EXPECT_EQ(result.consumed, c.consumed) << c.key << " on '" << c.text << "'";
        if (c.expected) {
            EXPECT_EQ(result.text, std::optional<std::string>(c.expected))
                << c.key << " on '" << c.text << "'";
        } else {
            EXPECT_FALSE(result.text.has_value()) << c.key << " on '" << c.text << "'";
        }
    }
}

TEST(HexFieldKeys, LeavingAFieldPadsOneDigit) {
    EXPECT_EQ(ExitText(""), "00");
    EXPECT_EQ(ExitText("7"), "07");
    EXPECT_EQ(ExitText("C"), "0C");
    EXPECT_EQ(ExitText("a"), "0A");
    EXPECT_EQ(ExitText("G"), "G");
    EXPECT_EQ(ExitText("80"), "80");
}
