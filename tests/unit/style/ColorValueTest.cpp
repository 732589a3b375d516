// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/Error.h"
#include "style/ColorValue.h"

using namespace colorvalue;

TEST(ColorValue, ChannelsComeFromTheLowThreeBytesOnly) {
    EXPECT_EQ(ChannelsOf(0x0080FF), (Channels{0xFF, 0x80, 0x00}));
    EXPECT_EQ(ChannelsOf(0x7F563412), (Channels{0x12, 0x34, 0x56}));
    EXPECT_EQ(ColorFromChannels(0x12, 0x34, 0x56), 0x563412u);
}

TEST(ColorValue, TextFormsOfOneColour) {
    struct Case {
        TColor color;
        const char* tag;
        const char* file;
    };
    const Case cases[] = {
        {0x0080FF, "FF8000", "0080FF"},  // red FF, green 80, blue 00
        {0x000000, "000000", "000000"}, {0xFFFF00, "00FFFF", "FFFF00"},
        {0x00000A, "0A0000", "00000A"},  // digits are padded, upper case
        {0xABCDEF, "EFCDAB", "ABCDEF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TagForm(c.color), c.tag);
        EXPECT_EQ(FileForm(c.color), c.file);
        EXPECT_EQ(FileFormToColor(c.file), c.color) << "file form reads back";
        const Channels ch = ChannelsOf(c.color);
        EXPECT_EQ(TagFormFromChannels(ch.red, ch.green, ch.blue), c.tag);
    }
}

TEST(ColorValue, FileFormReadsAnyCaseAndDropsBitsAboveTheColour) {
    EXPECT_EQ(FileFormToColor("ff"), 0x0000FFu);
    EXPECT_EQ(FileFormToColor("0080ff"), 0x0080FFu);
    EXPECT_EQ(FileFormToColor("FF123456"), 0x123456u);
}

TEST(ColorValue, NonHexadecimalTextFailsWithTheDollarForm) {
    const char* bad[] = {"", "G0", "12 34", "-1", "0x12", "123456789", "$12"};
    for (const char* text : bad) {
        try {
            FileFormToColor(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const platform::Error& e) {
            EXPECT_EQ(std::string(e.what()), std::string("'$") + text + "' is not a valid integer value");
        }
    }
}

TEST(ColorValue, ChannelForms) {
    EXPECT_EQ(ChannelForm(0), "00");
    EXPECT_EQ(ChannelForm(0x8a), "8A");
    EXPECT_EQ(ChannelForm(255), "FF");
    EXPECT_EQ(ChannelFormToChannel("8a"), 0x8A);
    EXPECT_EQ(ChannelFormToChannel("F"), 0x0F);
    EXPECT_THROW(ChannelFormToChannel("Z1"), platform::Error);
}
