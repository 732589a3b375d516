// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TextEncoding.h"

#include <gtest/gtest.h>

#include <string>

namespace platform {
namespace {

struct DecodeCase {
    const char* name;
    std::string bytes;
    std::string utf8;
    TextEncoding encoding;
};

void PrintTo(const DecodeCase& row, std::ostream* out) { *out << row.name; }

class DecodeCases : public testing::TestWithParam<DecodeCase> {};

// Each file reads as its encoding says, and writing the text back gives the same bytes.
TEST_P(DecodeCases, ReadsAndWritesBackTheSameBytes) {
    const DecodedText decoded = DecodeText(GetParam().bytes);
    EXPECT_EQ(decoded.utf8, GetParam().utf8);
    EXPECT_EQ(decoded.encoding, GetParam().encoding);
    EXPECT_EQ(EncodeText(decoded.utf8, decoded.encoding), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DecodeCases,
    testing::Values(
        DecodeCase{"Utf8", "caption=Caf\xC3\xA9", "caption=Caf\xC3\xA9", TextEncoding::Utf8},
        DecodeCase{"Windows1252", "caption=Caf\xE9\r\n", "caption=Caf\xC3\xA9\r\n",
                   TextEncoding::Windows1252},
        // The euro sign, and 0x81, which the code page leaves undefined, kept as U+0081.
        DecodeCase{"Windows1252High", "\x80\x81", "\xE2\x82\xAC\xC2\x81", TextEncoding::Windows1252},
        DecodeCase{"EuroSignAlone", "\x80", "\xE2\x82\xAC", TextEncoding::Windows1252},
        // A truncated UTF-8 sequence makes the whole file Windows-1252, not one character.
        DecodeCase{"CutUtf8IsWindows1252", "\xC3\xA9\xC3", "\xC3\x83\xC2\xA9\xC3\x83",
                   TextEncoding::Windows1252},
        DecodeCase{"Utf8Mark", "\xEF\xBB\xBF[S]\nk=\xC3\xA9\n", "[S]\nk=\xC3\xA9\n", TextEncoding::Utf8Bom},
        DecodeCase{"Utf16LE", std::string("\xFF\xFEk\0=\0\xE9\0\r\0\n\0", 12), "k=\xC3\xA9\r\n",
                   TextEncoding::Utf16LE},
        // A character beyond the basic plane, as a surrogate pair.
        DecodeCase{"Utf16BE", std::string("\xFE\xFF\0k\xD8\x3D\xDE\x00", 8), "k\xF0\x9F\x98\x80",
                   TextEncoding::Utf16BE},
        DecodeCase{"Utf16FirstPastTheBasicPlane", std::string("\xFE\xFF\xD8\x00\xDC\x00", 6),
                   "\xF0\x90\x80\x80", TextEncoding::Utf16BE}),
    [](const testing::TestParamInfo<DecodeCase>& info) { return std::string(info.param.name); });

TEST(TextEncoding, BrokenUtf16ReadsAsReplacementCharacters) {
    // A lone high surrogate, a lone low one after a plain character, then an odd last byte.
    EXPECT_EQ(DecodeText(std::string("\xFF\xFE\x00\xD8k\0\x00\xDCx", 9)).utf8,
              "\xEF\xBF\xBDk\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(TextEncoding, Windows1252RefusesWhatItCannotHold) {
    EXPECT_EQ(EncodeText("\xE6\x97\xA5", TextEncoding::Windows1252), std::nullopt);
    EXPECT_EQ(EncodeText("\xE2\x82\xAC\xC3\xA9", TextEncoding::Windows1252), "\x80\xE9");
}

}  // namespace
}  // namespace platform
