// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Writes GIF files with giflib's encoder and reads them back with giflib's decoder: the
// independent reference that the decoder's tests and benchmark compare against. Never linked
// into the program.

#include <gif_lib.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <vector>

namespace giftest {

struct FrameLayout {
    int left = 0, top = 0, width = 1, height = 1;
    bool interlaced = false;
    int localBits = 0;                 // 0: use the global table
    int transparent = -1;              // -1: opaque
    int delay = 0;                     // hundredths of a second
    int disposal = 0;                  // the control block's method, 0..7
    bool control = false;              // write a graphic control extension
    std::vector<std::uint8_t> pixels;  // width x height indices, top row first
};

struct FileLayout {
    int width = 1, height = 1;
    int globalBits = 8;
    int loopCount = -1;  // -1: no NETSCAPE2.0 extension
    std::vector<FrameLayout> frames;
};

// A colour table of 2^bits entries whose colours depend on `seed`, all distinct.
inline ColorMapObject* MakeColorMap(int bits, int seed) {
    std::vector<GifColorType> colors(std::size_t{1} << bits);
    for (std::size_t i = 0; i < colors.size(); ++i)
        colors[i] = {static_cast<GifByteType>(i), static_cast<GifByteType>(i * 7 + seed),
                     static_cast<GifByteType>(seed)};
    return GifMakeMapObject(static_cast<int>(colors.size()), colors.data());
}

inline std::vector<std::uint8_t> WriteGif(const FileLayout& layout) {
    std::vector<std::uint8_t> out;
    int error = 0;
    GifFileType* gif = EGifOpen(
        &out,
        [](GifFileType* g, const GifByteType* bytes, int n) {
            auto* sink = static_cast<std::vector<std::uint8_t>*>(g->UserData);
            sink->insert(sink->end(), bytes, bytes + n);
            return n;
        },
        &error);
    const auto check = [&](int result) {
        if (result == GIF_ERROR) throw std::runtime_error("giflib could not write the test file");
    };
    EGifSetGifVersion(gif, true);
    ColorMapObject* global = layout.globalBits ? MakeColorMap(layout.globalBits, 0) : nullptr;
    check(EGifPutScreenDesc(gif, layout.width, layout.height, 8, 0, global));
    GifFreeMapObject(global);
    if (layout.loopCount >= 0) {
        const GifByteType loop[3] = {1, static_cast<GifByteType>(layout.loopCount & 0xFF),
                                     static_cast<GifByteType>(layout.loopCount >> 8)};
        check(EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE));
        check(EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0"));
        check(EGifPutExtensionBlock(gif, 3, loop));
        check(EGifPutExtensionTrailer(gif));
    }
    for (const FrameLayout& f : layout.frames) {
        if (f.control) {
            GraphicsControlBlock gcb{f.disposal, false, f.delay, f.transparent};
            GifByteType body[4];
            EGifGCBToExtension(&gcb, body);
            check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, body));
        }
        ColorMapObject* local = f.localBits ? MakeColorMap(f.localBits, f.left + 1) : nullptr;
        if (!local && gif->Image.ColorMap) {
            // giflib forgets, without freeing, the previous frame's local table here.
            GifFreeMapObject(gif->Image.ColorMap);
            gif->Image.ColorMap = nullptr;
        }
        check(EGifPutImageDesc(gif, f.left, f.top, f.width, f.height, f.interlaced, local));
        GifFreeMapObject(local);
        // giflib writes rows in the order given, so interlaced rows are given pass by pass.
        std::vector<GifPixelType> row(static_cast<std::size_t>(f.width));
        const int passes = f.interlaced ? 4 : 1;
        const int start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
        for (int pass = 0; pass < passes; ++pass)
            for (int y = f.interlaced ? start[pass] : 0; y < f.height; y += f.interlaced ? step[pass] : 1) {
                std::memcpy(row.data(), f.pixels.data() + static_cast<std::size_t>(y) * f.width, row.size());
                check(EGifPutLine(gif, row.data(), f.width));
            }
    }
    check(EGifCloseFile(gif, &error));
    return out;
}

struct GifCloser {
    void operator()(GifFileType* gif) const { DGifCloseFile(gif, nullptr); }
};
using GiflibFile = std::unique_ptr<GifFileType, GifCloser>;

struct MemoryReader {
    const std::uint8_t* data;
    std::size_t size, pos = 0;
};

// Decodes a whole file with giflib's DGifSlurp; null when giflib rejects it.
inline GiflibFile SlurpWithGiflib(const std::vector<std::uint8_t>& bytes, MemoryReader& reader) {
    reader = {bytes.data(), bytes.size()};
    int error = 0;
    GiflibFile gif(DGifOpen(
        &reader,
        [](GifFileType* g, GifByteType* to, int n) {
            auto* r = static_cast<MemoryReader*>(g->UserData);
            const std::size_t count = std::min<std::size_t>(static_cast<std::size_t>(n), r->size - r->pos);
            std::memcpy(to, r->data + r->pos, count);
            r->pos += count;
            return static_cast<int>(count);
        },
        &error));
    if (gif && DGifSlurp(gif.get()) != GIF_OK) gif.reset();
    return gif;
}

}  // namespace giftest
