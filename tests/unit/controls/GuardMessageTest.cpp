// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/GuardMessage.h"

#include <gtest/gtest.h>

#include <string>

using controls::TGuardMessageReader;
using State = TGuardMessageReader::State;
using namespace std::string_literals;

namespace {

std::string Length(unsigned n) {
    return {static_cast<char>(n >> 24), static_cast<char>(n >> 16), static_cast<char>(n >> 8),
            static_cast<char>(n)};
}

const std::string kOpen(controls::kOpenStyleWord);
const std::string kForward(controls::kComeForwardWord);
const std::string kLongest = "/" + std::string(controls::kMaxGuardPathBytes - 1, 'a');

struct Case {
    const char* what;
    std::string bytes;
    State state;
    std::string path;
};

// Each message is fed whole, then byte by byte: a sender's pieces may be cut anywhere.
TEST(GuardMessage, ReadsEachMessageInAnyPieces) {
    const Case cases[] = {
        {"come forward", kForward, State::ComeForward, ""},
        {"open a style", kOpen + Length(13) + "/s/Blue S.vls", State::OpenStyle, "/s/Blue S.vls"},
        {"the longest path", kOpen + Length(4096) + kLongest, State::OpenStyle, kLongest},
        {"a path one byte too long", kOpen + Length(4097) + kLongest + "a", State::Bad, ""},
        {"a length far too large", kOpen + "\xff\xff\xff\xff", State::Bad, ""},
        {"an empty path", kOpen + Length(0), State::Bad, ""},
        {"a relative path", kOpen + Length(5) + "a.vls", State::Bad, ""},
        {"a NUL in the path", kOpen + Length(4) + std::string("/a\0b", 4), State::Bad, ""},
        {"more after the path", kOpen + Length(2) + "/ax", State::Bad, ""},
        {"more after the restore word", kForward + "x", State::Bad, ""},
        {"the path cut short", kOpen + Length(9) + "/s/B", State::Incomplete, ""},
        {"the length cut short", kOpen + "\0\0"s, State::Incomplete, ""},
        {"the word cut short", kOpen.substr(0, 12), State::Incomplete, ""},
        {"a stranger", "GET / HTTP/1.0\r\n", State::Bad, ""},
        {"the word in capitals", "VELLORAN:OPEN-STYLE\n", State::Bad, ""},
    };
    for (const Case& c : cases) {
        TGuardMessageReader whole;
        EXPECT_EQ(whole.Feed(c.bytes), c.state) << c.what;
        EXPECT_EQ(whole.Path(), c.path) << c.what;

        TGuardMessageReader pieces;
        for (char byte : c.bytes) pieces.Feed(std::string(1, byte));
        EXPECT_EQ(pieces.Current(), c.state) << c.what << " (byte by byte)";
        EXPECT_EQ(pieces.Path(), c.path) << c.what << " (byte by byte)";
    }
}

TEST(GuardMessage, AFloodIsRefusedOnceItPassesTheLongestMessage) {
    TGuardMessageReader reader;
    EXPECT_EQ(reader.Feed(kOpen + Length(4096)), State::Incomplete);
    EXPECT_EQ(reader.Feed(std::string(controls::kMaxGuardMessageBytes, '/')), State::Bad);
}

TEST(GuardMessage, TheSenderWritesWhatTheReaderReads) {
    const std::string path = "/home/u/Styles/Blue & Green.vls";
    TGuardMessageReader reader;
    EXPECT_EQ(reader.Feed(controls::OpenStyleMessage(path)), State::OpenStyle);
    EXPECT_EQ(reader.Path(), path);
    for (const std::string& unsendable : {std::string(), std::string("Blue.vls"), "/" + kLongest}) {
        EXPECT_EQ(controls::OpenStyleMessage(unsendable), "") << unsendable.size();
    }
}

}  // namespace
