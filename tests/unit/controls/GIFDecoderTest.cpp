// SPDX-License-Identifier: GPL-3.0-or-later
// The decoder on tiny files built byte by byte. Every test runs with both LZW decoders.

#include "controls/GIFDecoder.h"
#include "tests/unit/controls/LongStringGif.h"

#include <gtest/gtest.h>

#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using gif::LzwMethod;
using gif::TGIFDecoding;
using Bytes = std::vector<std::uint8_t>;

// Appends to a file being built, named or temporary.
Bytes& operator<<(Bytes& b, std::string_view text) { return b.insert(b.end(), text.begin(), text.end()), b; }
Bytes& operator<<(Bytes& b, const Bytes& more) { return b.insert(b.end(), more.begin(), more.end()), b; }
Bytes&& operator<<(Bytes&& b, const Bytes& more) { return std::move(b << more); }
Bytes Le16(int v) { return {static_cast<std::uint8_t>(v & 0xFF), static_cast<std::uint8_t>(v >> 8)}; }

// Codes of given widths packed least significant bit first, cut into sub-blocks of at most
// `chunk` bytes, with the terminator.
Bytes SubBlocks(const std::vector<std::pair<int, int>>& codes, std::size_t chunk = 255) {
    Bytes packed;
    unsigned long long bits = 0;
    int count = 0;
    for (auto [code, width] : codes) {
        bits |= static_cast<unsigned long long>(code) << count;
        for (count += width; count >= 8; count -= 8, bits >>= 8)
            packed.push_back(static_cast<std::uint8_t>(bits));
    }
    if (count > 0) packed.push_back(static_cast<std::uint8_t>(bits));
    Bytes out;
    for (std::size_t at = 0; at < packed.size(); at += chunk) {
        const std::size_t n = std::min(chunk, packed.size() - at);
        out.push_back(static_cast<std::uint8_t>(n));
        out.insert(out.end(), packed.begin() + at, packed.begin() + at + n);
    }
    out.push_back(0);
    return out;
}

// Image data that writes every pixel as a literal: clear code, the literals, end code, with
// the code width growing as the decoder's table does.
std::vector<std::pair<int, int>> LiteralCodes(const Bytes& pixels, int minCodeSize) {
    const int clear = 1 << minCodeSize;
    int width = minCodeSize + 1, next = clear + 2;
    std::vector<std::pair<int, int>> codes = {{clear, width}};
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        codes.push_back({pixels[i], width});
        if (i > 0 && next < 4096 && ++next == (1 << width) && width < 12) ++width;
    }
    codes.push_back({clear + 1, width});
    return codes;
}
Bytes LiteralData(const Bytes& pixels, int minCodeSize = 2, std::size_t chunk = 255) {
    return Bytes{static_cast<std::uint8_t>(minCodeSize)}
           << SubBlocks(LiteralCodes(pixels, minCodeSize), chunk);
}

// Header, a W x H logical screen and a 4-entry global table: black, red, red, blue.
Bytes Screen(int w = 4, int h = 1) {
    Bytes b;
    b << "GIF89a" << Le16(w) << Le16(h) << Bytes{0x81, 0, 0};  // packed: table of 2^(1+1); bg; aspect
    return b << Bytes{0, 0, 0, 255, 0, 0, 255, 0, 0, 0, 0, 255};
}
// Image separator and descriptor: left 0, top 0, width, height, packed byte.
Bytes Descriptor(int w, int h, int packed = 0) {
    return Bytes{0x2C, 0, 0, 0, 0} << Le16(w) << Le16(h) << Bytes{static_cast<std::uint8_t>(packed)};
}
Bytes Image(int w, int h, const Bytes& pixels, int packed = 0, int minCodeSize = 2) {
    return Descriptor(w, h, packed) << LiteralData(pixels, minCodeSize);
}
// Graphic control extension: introducer, label, size 4, packed, delay, transparent index, terminator.
Bytes Control(int packed, int delay, int index = 0) {
    return Bytes{0x21, 0xF9, 4, static_cast<std::uint8_t>(packed)}
           << Le16(delay) << Bytes{static_cast<std::uint8_t>(index), 0};
}
const Bytes kPixel = Image(1, 1, {1});
const Bytes kTrailer = {0x3B};

class GIFDecoderTest : public testing::TestWithParam<LzwMethod> {
protected:
    TGIFDecoding Decode(const Bytes& file, bool expected = true) {
        TGIFDecoding gif;
        EXPECT_EQ(gif.Decode(file, GetParam()), expected);
        return gif;
    }
    Bytes Row(const gif::TGIF& f, int y) {
        return Bytes(f.Image.begin() + y * f.ImageStride, f.Image.begin() + y * f.ImageStride + f.Width);
    }
};

TEST_P(GIFDecoderTest, SignatureDecidesAcceptanceWhateverTheVersion) {
    Decode({}, false);
    Decode(Bytes{'G', 'I', 'X', '8', '9', 'a'}, false);
    Decode(Bytes{'G', 'I'}, false);
    EXPECT_EQ(Decode(Bytes{'G', 'I', 'F'}).FrameCount(), 0);
    const auto empty = Decode(Screen(300, 200) << kTrailer);
    EXPECT_EQ(std::tuple(empty.FrameCount(), empty.ScreenWidth, empty.Animated), std::tuple(0, 300, false));
    for (std::string_view version : {"87a", "89a", "xyz"}) {
        Bytes file = Screen(7, 5);
        std::copy(version.begin(), version.end(), file.begin() + 3);
        const auto gif = Decode(file << kPixel << kTrailer);
        EXPECT_EQ(gif.FrameCount(), 1);
        EXPECT_EQ(std::pair(gif.ScreenWidth, gif.ScreenHeight), std::pair(7, 5));
    }
}

TEST_P(GIFDecoderTest, ControlBlockGivesDelayDisposalAndTransparency) {
    struct Row {
        int packed, delay, wantDelay, wantDisposal;
        bool transparent;
    };
    for (const Row& r :
         {Row{0 << 2, 0, 10, 0, false}, Row{1 << 2, 5, 50, 0, false}, Row{2 << 2, 65535, 655350, 1, false},
          Row{3 << 2 | 1, 1, 10, 2, true}, Row{4 << 2, 2, 20, 1, false}, Row{7 << 2 | 1, 3, 30, 1, true}}) {
        const auto gif = Decode(Screen() << Control(r.packed, r.delay, 3) << kPixel);
        ASSERT_EQ(gif.FrameCount(), 1);
        const auto& f = gif.Frames[0];
        EXPECT_EQ(f.Delay, r.wantDelay) << r.delay;
        EXPECT_EQ(f.Disposal, r.wantDisposal) << (r.packed >> 2);
        EXPECT_EQ(f.Transparent, r.transparent);
        EXPECT_EQ(gif.AnyTransparent, r.transparent);
        EXPECT_EQ(f.TransparentIndex, 3);
    }
}

TEST_P(GIFDecoderTest, LastControlBlockCountsAndAppliesToOneImageOnly) {
    const auto gif =
        Decode(Screen() << Control(3 << 2, 7) << Control(2 << 2 | 1, 9, 1) << kPixel << kPixel << kTrailer);
    ASSERT_EQ(gif.FrameCount(), 2);
    EXPECT_TRUE(gif.Animated);
    EXPECT_EQ(std::tuple(gif.Frames[0].Delay, gif.Frames[0].Disposal, gif.Frames[0].Transparent),
              std::tuple(90, 1, true));
    EXPECT_EQ(std::tuple(gif.Frames[1].Delay, gif.Frames[1].Disposal, gif.Frames[1].Transparent),
              std::tuple(10, 0, false));
}

TEST_P(GIFDecoderTest, ApplicationExtensionsSetLoopCountOrAreSkipped) {
    // An application extension with the given identifier and data sub-blocks.
    const auto app = [](std::string_view id, const std::vector<Bytes>& subBlocks) {
        Bytes b{0x21, 0xFF, 11};
        b << id;
        for (const Bytes& sub : subBlocks) b << Bytes{static_cast<std::uint8_t>(sub.size())} << sub;
        return b << Bytes{0};
    };
    const Bytes loop3 = Bytes{1} << Le16(3), buffer = {2, 0, 0x10, 0, 0};
    struct Row {
        std::string_view id;
        std::vector<Bytes> subBlocks;
        int loopCount;
    };
    for (const Row& r : {Row{"NETSCAPE2.0", {loop3}, 3}, Row{"NETSCAPE2.0", {Bytes{1} << Le16(0)}, 0},
                         // A buffer-size sub-block after the loop count, or before it.
                         Row{"NETSCAPE2.0", {loop3, buffer}, 3}, Row{"NETSCAPE2.0", {buffer, loop3}, 3},
                         // Only the sub-block with id 1 holds the count.
                         Row{"NETSCAPE2.0", {Bytes{0} << Le16(5)}, 0}, Row{"NETSCAPE2.0", {buffer}, 0},
                         Row{"ANIMEXTS1.0", {loop3}, 0}}) {
        const auto gif = Decode(Screen() << app(r.id, r.subBlocks) << kPixel << kPixel);
        EXPECT_EQ(gif.LoopCount, r.loopCount) << r.id << " " << r.subBlocks.size();
        EXPECT_EQ(gif.FrameCount(), 2) << r.id << " " << r.subBlocks.size();
    }
    // A comment and a plain text extension are skipped; the control block before the plain
    // text still applies to the image after it.
    Bytes comment{0x21, 0xFE, 2, 'h', 'i', 1, '!', 0};
    Bytes text{0x21, 0x01, 12, 0, 0, 0, 0, 8, 0, 8, 0, 1, 1, 0, 0, 2, 'h', 'i', 0};
    const auto skipped = Decode(Screen() << comment << Control(0, 4) << text << kPixel);
    ASSERT_EQ(skipped.FrameCount(), 1);
    EXPECT_EQ(skipped.Frames[0].Delay, 40);
}

TEST_P(GIFDecoderTest, UnknownExtensionIsSkippedWhileAStrayByteEndsParsing) {
    struct Row {
        Bytes between;
        int frames;
    };
    for (const Row& r :
         {Row{{0x21, 0x02, 1, 0, 0}, 2}, Row{{0x21, 0x99, 3, 'a', 'b', 'c', 2, 'd', 'e', 0}, 2},
          Row{{0x21, 0x02, 0}, 2}, Row{{0x00}, 1}, Row{{0x42}, 1},
          // An unknown extension whose sub-blocks run past the data.
          Row{{0x21, 0x02, 200, 0}, 1}}) {
        EXPECT_EQ(Decode(Screen() << kPixel << r.between << kPixel).FrameCount(), r.frames);
    }
}

TEST_P(GIFDecoderTest, ClearCodesInARowCountAsOneAndAnEndCodeAfterOneEndsTheImage) {
    // Minimum code size 2: clear code 4, end code 5, 3-bit codes throughout.
    struct Stream {
        std::vector<int> codes;
        Bytes pixels;
    };
    const Stream rows[] = {
        {{4, 1, 4, 4, 2, 5}, {1, 2, 0, 0}},
        {{4, 4, 4, 3, 5}, {3, 0, 0, 0}},
        {{4, 5, 3, 3, 3}, {0, 0, 0, 0}},
        {{4, 1, 4, 5, 3, 3}, {1, 0, 0, 0}},
    };
    for (const Stream& r : rows) {
        std::vector<std::pair<int, int>> codes;
        for (int code : r.codes) codes.push_back({code, 3});
        const auto gif = Decode(Screen() << Descriptor(4, 1) << Bytes{2} << SubBlocks(codes) << kPixel);
        ASSERT_EQ(gif.FrameCount(), 2);
        EXPECT_EQ(Row(gif.Frames[0], 0), r.pixels);
    }
}

TEST_P(GIFDecoderTest, KeepsTheFirst256Images) {
    Bytes file = Screen();
    for (int i = 0; i < 300; ++i) file << kPixel;
    EXPECT_EQ(Decode(file << kTrailer).FrameCount(), gif::kMaxFrames);
}

// A caller that shows frame 1 only has the later frames' places and timing without pixels;
// frame 1 decodes as it does with every frame.
TEST_P(GIFDecoderTest, FramesPastThoseAskedForKeepTheirPlaceWithoutPixels) {
    const Bytes file = Screen(2, 1) << Control(0x01, 5, 2) << Image(2, 1, {1, 2}) << Control(0, 7)
                                    << Image(2, 1, {3, 3}) << kTrailer;
    TGIFDecoding all, first;
    ASSERT_TRUE(all.Decode(file, GetParam()));
    ASSERT_TRUE(first.Decode(file, GetParam(), 1));
    ASSERT_EQ(first.FrameCount(), 2);
    EXPECT_TRUE(first.Animated);
    EXPECT_EQ(first.Frames[0].Image, all.Frames[0].Image);
    EXPECT_EQ(first.Frames[0].Mask, all.Frames[0].Mask);
    EXPECT_EQ(Row(first.Frames[0], 0), (Bytes{1, 2}));
    EXPECT_TRUE(first.Frames[1].Image.empty());
    EXPECT_EQ(first.Frames[1].Width, 2);
    EXPECT_EQ(first.Frames[1].Delay, 70);
    EXPECT_EQ(Row(all.Frames[1], 0), (Bytes{3, 3}));
}

TEST_P(GIFDecoderTest, InterlacedRowsFillInPassOrder) {
    for (const auto& order : {Bytes{0}, Bytes{0, 2, 1}, Bytes{0, 8, 4, 2, 6, 1, 3, 5, 7, 9}}) {
        const int h = static_cast<int>(order.size());
        Bytes stream;
        for (int i = 0; i < h; ++i) stream.push_back(static_cast<std::uint8_t>(i + 1));
        // Width 5 pads each row to 8 bytes, so the rows also move to padded places.
        Bytes wide;
        for (auto v : stream) wide << Bytes{v, v, v, v, v};
        const auto gif = Decode(Screen(5, h) << Image(5, h, wide, 0x40, 4));
        ASSERT_EQ(gif.FrameCount(), 1);
        const auto& f = gif.Frames[0];
        EXPECT_TRUE(f.Interlaced);
        EXPECT_EQ(f.ImageStride, 8);
        for (int i = 0; i < h; ++i)
            EXPECT_EQ(Row(f, order[i]), Bytes(5, stream[i])) << "height " << h << " row " << int(order[i]);
    }
}

TEST_P(GIFDecoderTest, CodeNotYetInTableRepeatsThePreviousString) {
    // clear, literal 1, then code 6, the next free entry: 1, 1 1. The fourth pixel stays 0.
    const auto gif =
        Decode(Screen() << Descriptor(4, 1) << Bytes{2} << SubBlocks({{4, 3}, {1, 3}, {6, 3}, {5, 3}}));
    ASSERT_EQ(gif.FrameCount(), 1);
    EXPECT_EQ(Row(gif.Frames[0], 0), (Bytes{1, 1, 1, 0}));
}

TEST_P(GIFDecoderTest, SubBlockBoundariesDoNotMatter) {
    Bytes pixels;
    for (int i = 0; i < 300; ++i) pixels.push_back(static_cast<std::uint8_t>(i * i % 16));
    for (std::size_t chunk : {1, 2, 3, 255}) {
        const auto gif =
            Decode(Screen(300, 1) << Descriptor(300, 1) << LiteralData(pixels, 4, chunk) << kPixel);
        ASSERT_EQ(gif.FrameCount(), 2) << chunk;
        EXPECT_EQ(Row(gif.Frames[0], 0), pixels) << chunk;
    }
}

TEST_P(GIFDecoderTest, AFullTableStaysFullAndItsEntriesStayUsable) {
    // 9000 literals with no clear code: the table fills after 4091 of them, and the codes
    // go on at 12 bits. Entry 6 + j holds literals j and j + 1, so the last one, 4095, holds
    // literals 4089 and 4090; it comes once more after the literals, long after the table
    // filled, and a literal 3 follows it.
    Bytes pixels;
    for (int i = 0; i < 9000; ++i) pixels.push_back(static_cast<std::uint8_t>(i * 7 / 3 % 4));
    auto codes = LiteralCodes(pixels, 2);
    codes.insert(codes.end() - 1, {{4095, 12}, {3, 12}});
    const auto gif = Decode(Screen(9003, 1) << Descriptor(9003, 1) << Bytes{2} << SubBlocks(codes) << kPixel);
    ASSERT_EQ(gif.FrameCount(), 2);
    Bytes want = pixels;
    want.insert(want.end(), {pixels[4089], pixels[4090], 3});
    EXPECT_EQ(Row(gif.Frames[0], 0), want);
}

TEST_P(GIFDecoderTest, ColorTablesHoldOnlyTheirEntriesAndTheRestIsBlack) {
    // Local table, packed bits 0: two entries, 6 bytes, then the image data.
    Bytes local = Descriptor(2, 1, 0x80) << Bytes{1, 2, 3, 4, 5, 6};
    const auto gif = Decode(Screen() << (local << LiteralData({1, 3})) << kPixel);
    ASSERT_EQ(gif.FrameCount(), 2);
    const auto& f = gif.Frames[0];
    EXPECT_EQ(f.ColorBits, 1);
    EXPECT_TRUE(f.HasLocalTable);
    EXPECT_EQ(Bytes(f.ColorTable.begin(), f.ColorTable.begin() + 9), (Bytes{1, 2, 3, 4, 5, 6, 0, 0, 0}));
    EXPECT_EQ(Row(f, 0), (Bytes{1, 3}));
    // The global table has four entries; the frame using it sees black beyond them.
    const auto& g = gif.Frames[1];
    EXPECT_EQ(g.ColorBits, 0);
    EXPECT_EQ(Bytes(g.ColorTable.begin() + 9, g.ColorTable.begin() + 15), (Bytes{0, 0, 255, 0, 0, 0}));
}

TEST_P(GIFDecoderTest, MaskAndMaskedImageBothGoByTheTransparentIndex) {
    // Entries 1 and 2 are both red; index 1 is transparent, and index 2 stays red.
    const auto gif = Decode(Screen() << Control(1, 0, 1) << Image(4, 1, {0, 1, 2, 3}));
    ASSERT_EQ(gif.FrameCount(), 1);
    const auto& f = gif.Frames[0];
    EXPECT_EQ(f.MaskStride, 4);
    EXPECT_EQ(f.Mask[0], 0b0100'0000);
    EXPECT_EQ(Bytes(f.MaskedColorTable.begin(), f.MaskedColorTable.begin() + 12),
              (Bytes{0, 0, 0, 0, 0, 0, 255, 0, 0, 0, 0, 255}));
}

TEST_P(GIFDecoderTest, ShortDataLeavesIndexZeroAndTheNextBlockParses) {
    const auto gif = Decode(Screen() << Descriptor(4, 1) << Bytes{2}
                                     << SubBlocks({{4, 3}, {3, 3}, {2, 3}, {5, 3}}) << kPixel);
    ASSERT_EQ(gif.FrameCount(), 2);
    EXPECT_EQ(Row(gif.Frames[0], 0), (Bytes{3, 2, 0, 0}));
}

TEST_P(GIFDecoderTest, MalformedCodeStreamsStopTheirImageOnly) {
    const Bytes head = Screen(20, 1) << Descriptor(20, 1);
    struct Case {
        Bytes data;
        Bytes pixels;
    };
    const Case cases[] = {
        // Minimum code sizes outside 2..11: index 0, data skipped.
        {Bytes{1} << SubBlocks({{2, 2}, {1, 2}, {3, 2}}), {}},
        {Bytes{12} << SubBlocks({{1, 13}, {1, 13}}), {}},
        // After a clear code, code 7 is taken as a pixel; codes 6 and 7 then point at each
        // other, and the chain through them stops the image when the stack fills.
        {Bytes{2} << SubBlocks({{4, 3}, {7, 3}, {6, 3}, {7, 3}, {6, 4}, {5, 4}}), {7, 0, 0, 7, 0, 0, 0}},
        // The last two bits before the terminator are too few for a code and are not read.
        {Bytes{2, 1, 0b11'001'100, 0}, {1}},
    };
    for (const Case& c : cases) {
        Bytes want = c.pixels;
        want.resize(20);
        const auto gif = Decode(Bytes(head) << c.data << kPixel);
        ASSERT_EQ(gif.FrameCount(), 2);
        EXPECT_EQ(Row(gif.Frames[0], 0), want);
    }
}

TEST_P(GIFDecoderTest, OversizedFramesEndTheParseKeepingEarlierFrames) {
    const auto big = [](int w, int h) { return Descriptor(w, h) << LiteralData({1}); };
    EXPECT_EQ(Decode(Screen() << kPixel << big(65535, 1) << kPixel).FrameCount(), 3);
    EXPECT_EQ(Decode(Screen() << kPixel << big(8192, 8193) << kPixel).FrameCount(), 1);
}

// The frames of one file share a budget for their indices, masks and saved areas together with
// the composed screen; the frame that would pass it ends the parse. The first row is a 114-byte
// file that once made a load take 900 MB.
TEST_P(GIFDecoderTest, FramesShareABudgetWithTheComposedScreen) {
    struct Case {
        const char* what;
        int screen;  // width and height
        int packed;  // of the control block: 1 transparent, method 3 << 2 saves what lies under
        int frames, kept;
        int pixelFrames = gif::kMaxFrames;
    };
    const Case cases[] = {
        {"four transparent frames filling their screen", 8192, 0x01, 4, 1},
        {"one frame with a saved area, past the budget on its own", 8192, 0x0D, 1, 1},
        {"opaque frames on a small screen, 64 MiB each", 4, 0x00, 7, 5},
        // Only the first frame's pixels are made: the budget counts every frame all the same.
        {"opaque frames on an empty screen, filling the budget exactly", 0, 0x00, 7, 6, 1},
    };
    for (const Case& c : cases) {
        Bytes file = Screen(c.screen, c.screen == 4 ? 1 : c.screen);
        // Each frame's data is a clear code and the end code: every index stays 0.
        for (int i = 0; i < c.frames; ++i)
            file << Control(c.packed, 0) << Descriptor(8192, 8192) << Bytes{2} << SubBlocks({{4, 3}, {5, 3}});
        TGIFDecoding gif;
        EXPECT_TRUE(gif.Decode(file << kTrailer, GetParam(), c.pixelFrames)) << c.what;
        EXPECT_EQ(gif.FrameCount(), c.kept) << c.what;
    }
}

TEST_P(GIFDecoderTest, DecodeWorkGrowsLinearlyWithFileSizeAndPixels) {
    // Alternating clear codes and wide literals: every pixel resets the table.
    std::vector<std::pair<int, int>> resets;
    for (int i = 0; i < 10000; ++i)
        resets.insert(resets.end(), {{giftest::kLongStringClear, 10}, {giftest::kLongStringLiteral, 10}});
    resets.push_back({giftest::kLongStringEnd, 10});
    struct Case {
        const char* what;
        int width, height;
        std::vector<std::pair<int, int>> codes;
    };
    const Case cases[] = {
        {"long strings after a 1 x 1 picture", 1, 1, giftest::LongStringCodes(8000)},
        {"long strings in a zero-size frame", 0, 0, giftest::LongStringCodes(8000)},
        {"long strings in a zero-width frame", 0, 5, giftest::LongStringCodes(8000)},
        {"a table reset per pixel", 100, 100, resets},
    };
    for (const Case& c : cases) {
        const Bytes file = Screen() << Descriptor(c.width, c.height)
                                    << Bytes{giftest::LongStringStart{}.minCodeSize} << SubBlocks(c.codes)
                                    << kPixel << kTrailer;
        const auto gif = Decode(file);
        // The image after the long one is found where its data ends.
        ASSERT_EQ(gif.FrameCount(), 2) << c.what;
        EXPECT_EQ(gif.Frames[1].Pixel(0, 0), 1) << c.what;
        if (c.width * c.height > 0) {
            EXPECT_EQ(gif.Frames[0].Pixel(c.width - 1, c.height - 1), giftest::kLongStringLiteral & 0xFF)
                << c.what;
        }
        // A few steps per byte and per pixel, and a fixed amount per frame for its tables.
        const std::uint64_t pixels = static_cast<std::uint64_t>(c.width) * c.height + 1;
        EXPECT_LE(gif.DecodeSteps, 16 * (file.size() + pixels) + 16384 * 2) << c.what;
    }
}

TEST_P(GIFDecoderTest, AColumnAsTallAsTheFormatAllowsDecodesInterlaced) {
    // Each pixel in stream order is its pass number plus one: 8192, 8192, 16384 and 32767 rows.
    Bytes stream;
    const int passRows[] = {8192, 8192, 16384, 32767};
    for (int pass = 0; pass < 4; ++pass) stream.insert(stream.end(), passRows[pass], pass + 1);
    const auto gif = Decode(Screen(1, 65535) << Image(1, 65535, stream, 0x40, 3));
    ASSERT_EQ(gif.FrameCount(), 1);
    const auto& f = gif.Frames[0];
    for (int y = 0; y < 65535; ++y) {
        const int pass = y % 8 == 0 ? 1 : y % 8 == 4 ? 2 : y % 4 == 2 ? 3 : 4;
        ASSERT_EQ(f.Pixel(0, y), pass) << y;
    }
}

TEST_P(GIFDecoderTest, ALogicalScreenOverTheBudgetFailsTheLoad) {
    struct Row {
        int width, height;
        bool loads;
    };
    for (const Row& r : {Row{65535, 65535, false}, Row{8192, 8193, false}, Row{8192, 8192, true},
                         Row{65535, 1, true}, Row{1, 65535, true}}) {
        const auto gif = Decode(Screen(r.width, r.height) << kPixel << kTrailer, r.loads);
        EXPECT_EQ(gif.FrameCount(), r.loads ? 1 : 0) << r.width << " x " << r.height;
        EXPECT_EQ(gif.ScreenWidth, r.loads ? r.width : 0) << r.width << " x " << r.height;
    }
}

INSTANTIATE_TEST_SUITE_P(BothDecoders, GIFDecoderTest,
                         testing::Values(LzwMethod::Strings, LzwMethod::Reference), [](const auto& info) {
                             return info.param == LzwMethod::Strings ? "Strings" : "Reference";
                         });

}  // namespace
