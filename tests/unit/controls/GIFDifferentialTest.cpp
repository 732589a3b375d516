// SPDX-License-Identifier: GPL-3.0-or-later
// The decoder against giflib on files written by giflib's encoder, the string decoder against
// the stack decoder on damaged files, and every prefix of valid files.

#include "controls/GIFDecoder.h"
#include "tests/unit/controls/GifWriter.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using gif::LzwMethod;
using gif::TGIFDecoding;
using Bytes = std::vector<std::uint8_t>;

// A picture of one of several kinds, so that the strings range from single pixels to long runs.
Bytes Picture(std::mt19937& rng, int w, int h, int bits) {
    const int colors = 1 << bits;
    const int kind = static_cast<int>(rng() % 4);
    Bytes pixels(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int v = 0;
            switch (kind) {
                case 0: v = static_cast<int>(rng()); break;                                // noise
                case 1: v = (x + y) / 3; break;                                            // gradient
                case 2: v = (x / 7 + y / 5) % 3 ? 1 : static_cast<int>(rng() % 3); break;  // flat with specks
                case 3: v = static_cast<int>(rng() % 64) ? 0 : static_cast<int>(rng()); break;  // nearly flat
            }
            pixels[static_cast<std::size_t>(y) * w + x] = static_cast<std::uint8_t>(v % colors);
        }
    return pixels;
}

giftest::FileLayout RandomSpec(std::mt19937& rng, int frames) {
    const auto pick = [&](int low, int high) { return low + static_cast<int>(rng() % (high - low + 1)); };
    giftest::FileLayout layout;
    layout.width = pick(1, 90);
    layout.height = pick(1, 90);
    layout.globalBits = pick(1, 8);
    layout.loopCount = pick(-1, 3) * 1000 % 65536;
    for (int i = 0; i < frames; ++i) {
        giftest::FrameLayout f;
        f.width = pick(1, 70);
        f.height = pick(1, 70);
        f.left = pick(0, 30);
        f.top = pick(0, 30);
        f.interlaced = pick(0, 1);
        f.localBits = pick(0, 1) ? pick(1, 8) : 0;
        const int bits = f.localBits ? f.localBits : layout.globalBits;
        f.control = pick(0, 2) > 0;
        f.transparent = pick(0, 1) ? pick(0, (1 << bits) - 1) : -1;
        f.delay = pick(0, 1) ? pick(0, 65535) : pick(0, 20);
        f.disposal = pick(0, 7);
        f.pixels = Picture(rng, f.width, f.height, bits);
        layout.frames.push_back(std::move(f));
    }
    return layout;
}

testing::AssertionResult SameDecoding(const TGIFDecoding& a, const TGIFDecoding& b) {
    if (std::tie(a.ScreenWidth, a.ScreenHeight, a.LoopCount, a.Animated, a.AnyTransparent) !=
        std::tie(b.ScreenWidth, b.ScreenHeight, b.LoopCount, b.Animated, b.AnyTransparent))
        return testing::AssertionFailure() << "screen or flags differ";
    if (a.FrameCount() != b.FrameCount())
        return testing::AssertionFailure() << a.FrameCount() << " frames against " << b.FrameCount();
    for (int i = 0; i < a.FrameCount(); ++i) {
        const gif::TGIF& f = a.Frames[i];
        const gif::TGIF& g = b.Frames[i];
        if (std::tie(f.Left, f.Top, f.Width, f.Height, f.ColorBits, f.Delay, f.Disposal, f.Interlaced,
                     f.Transparent, f.TransparentIndex, f.ColorTable, f.Image, f.Mask, f.MaskedColorTable) !=
            std::tie(g.Left, g.Top, g.Width, g.Height, g.ColorBits, g.Delay, g.Disposal, g.Interlaced,
                     g.Transparent, g.TransparentIndex, g.ColorTable, g.Image, g.Mask, g.MaskedColorTable))
            return testing::AssertionFailure() << "frame " << i + 1 << " differs";
    }
    return testing::AssertionSuccess();
}

// Ours against DGifSlurp: every frame field and every pixel index.
void ExpectSameAsGiflib(const Bytes& file) {
    giftest::MemoryReader reader;
    const giftest::GiflibFile ref = giftest::SlurpWithGiflib(file, reader);
    ASSERT_TRUE(ref);
    TGIFDecoding ours;
    ASSERT_TRUE(ours.Decode(file));
    ASSERT_EQ(ours.FrameCount(), ref->ImageCount);
    EXPECT_EQ(std::pair(ours.ScreenWidth, ours.ScreenHeight), std::pair(ref->SWidth, ref->SHeight));
    int loop = 0;
    for (int e = 0; ref->ImageCount > 0 && e < ref->SavedImages[0].ExtensionBlockCount; ++e) {
        const ExtensionBlock& block = ref->SavedImages[0].ExtensionBlocks[e];
        if (block.Function == CONTINUE_EXT_FUNC_CODE && block.ByteCount == 3)
            loop = block.Bytes[1] | block.Bytes[2] << 8;
    }
    EXPECT_EQ(ours.LoopCount, loop);
    for (int i = 0; i < ref->ImageCount; ++i) {
        const SavedImage& image = ref->SavedImages[i];
        const GifImageDesc& d = image.ImageDesc;
        const gif::TGIF& f = ours.Frames[i];
        ASSERT_EQ(std::tuple(f.Left, f.Top, f.Width, f.Height, f.Interlaced, f.HasLocalTable),
                  std::tuple(d.Left, d.Top, d.Width, d.Height, d.Interlace, d.ColorMap != nullptr));
        const ColorMapObject* map = d.ColorMap ? d.ColorMap : ref->SColorMap;
        EXPECT_EQ(f.ColorBits, d.ColorMap ? d.ColorMap->BitsPerPixel : 0);
        for (int c = 0; c < map->ColorCount; ++c)
            EXPECT_EQ(Bytes(f.ColorTable.begin() + 3 * c, f.ColorTable.begin() + 3 * c + 3),
                      (Bytes{map->Colors[c].Red, map->Colors[c].Green, map->Colors[c].Blue}));
        GraphicsControlBlock gcb{0, false, 0, NO_TRANSPARENT_COLOR};
        DGifSavedExtensionToGCB(ref.get(), i, &gcb);
        static constexpr int kDisposal[8] = {0, 0, 1, 2, 1, 1, 1, 1};
        EXPECT_EQ(f.Delay, gcb.DelayTime ? gcb.DelayTime * 10 : 10);
        EXPECT_EQ(f.Disposal, kDisposal[gcb.DisposalMode & 7]);
        EXPECT_EQ(f.Transparent, gcb.TransparentColor != NO_TRANSPARENT_COLOR);
        for (int y = 0; y < f.Height; ++y)
            ASSERT_TRUE(std::equal(image.RasterBits + y * f.Width, image.RasterBits + (y + 1) * f.Width,
                                   f.Image.begin() + y * f.ImageStride))
                << "frame " << i + 1 << " row " << y;
        for (int p = 0; f.Transparent && p < f.Width * f.Height; ++p)
            ASSERT_EQ(f.Masked(p % f.Width, p / f.Width), image.RasterBits[p] == gcb.TransparentColor);
    }
}

TEST(GIFDifferentialTest, DecodesLikeGiflib) {
    std::mt19937 rng(5);
    for (int n = 0; n < 150; ++n) {
        giftest::FileLayout layout = RandomSpec(rng, n % 10 == 9 ? 60 : 1 + n % 4);
        if (n % 25 == 0) {
            // Large enough for giflib's encoder to fill the table and clear it.
            auto& f = layout.frames[0];
            f.width = 400, f.height = 300;
            f.pixels = Picture(rng, f.width, f.height, f.localBits ? f.localBits : layout.globalBits);
        }
        const Bytes file = giftest::WriteGif(layout);
        SCOPED_TRACE(n);
        ExpectSameAsGiflib(file);
        TGIFDecoding reference;
        reference.Decode(file, LzwMethod::Reference);
        TGIFDecoding strings;
        strings.Decode(file);
        EXPECT_TRUE(SameDecoding(strings, reference));
    }
}

// Damaged files: both decoders give the same frames, whatever the damage.
TEST(GIFDifferentialTest, StringDecoderMatchesStackDecoderOnDamagedFiles) {
    std::mt19937 rng(17);
    for (int n = 0; n < 400; ++n) {
        giftest::FileLayout layout = RandomSpec(rng, 1 + n % 3);
        if (n % 10 == 0) {
            // Large enough that the string decoder copies most strings without watching
            // the picture's end, where the damage may stop it.
            auto& f = layout.frames[0];
            f.width = 300, f.height = 200;
            f.pixels = Picture(rng, f.width, f.height, f.localBits ? f.localBits : layout.globalBits);
        }
        Bytes file = giftest::WriteGif(layout);
        const int damage = 1 + static_cast<int>(rng() % 8);
        for (int d = 0; d < damage; ++d) {
            const std::size_t at = rng() % file.size();
            switch (rng() % 3) {
                case 0: file[at] = static_cast<std::uint8_t>(rng()); break;
                case 1: file[at] ^= static_cast<std::uint8_t>(1u << rng() % 8); break;
                case 2:
                    file.insert(file.begin() + static_cast<std::ptrdiff_t>(at),
                                static_cast<std::uint8_t>(rng()));
                    break;
            }
        }
        TGIFDecoding reference, strings;
        reference.Decode(file, LzwMethod::Reference);
        strings.Decode(file);
        ASSERT_TRUE(SameDecoding(strings, reference)) << "file " << n;
    }
}

// Every prefix of valid files loads, keeps every frame whose data it holds whole, and both
// decoders agree on it.
TEST(GIFDifferentialTest, EveryPrefixDecodes) {
    std::mt19937 rng(23);
    for (int n = 0; n < 4; ++n) {
        const Bytes file = giftest::WriteGif(RandomSpec(rng, 3));
        TGIFDecoding full;
        ASSERT_TRUE(full.Decode(file));
        for (std::size_t size = 0; size <= file.size(); ++size) {
            const Bytes prefix(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size));
            TGIFDecoding strings, reference;
            ASSERT_EQ(strings.Decode(prefix), size >= 3) << size;
            reference.Decode(prefix, LzwMethod::Reference);
            ASSERT_TRUE(SameDecoding(strings, reference)) << size;
            ASSERT_LE(strings.FrameCount(), full.FrameCount());
            for (int i = 0; i + 1 < strings.FrameCount(); ++i)
                ASSERT_EQ(strings.Frames[i].Image, full.Frames[i].Image) << size;
        }
    }
}

}  // namespace
