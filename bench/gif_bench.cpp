// SPDX-License-Identifier: GPL-3.0-or-later
// The GIF decoder, with each of its two LZW methods, against giflib's DGifSlurp on the same
// files, in one run. The files are written by giflib's encoder at start-up, plus one whose
// code stream builds ever longer strings after a 1 x 1 picture, and two transparent
// animations of widths that are not a multiple of four. Before any timing, the three decoders' frames
// are compared pixel by pixel; a difference ends the run with status 1. Each benchmark is repeated, and at
// the end one line per file gives the ratios of the median CPU times, "ratio <file> giflib/strings = X.XX
// giflib/reference = Y.YY" (above 1: ours is faster).

#include "controls/GIFDecoder.h"
#include "tests/unit/controls/GifWriter.h"
#include "tests/unit/controls/LongStringGif.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>

namespace {

using Bytes = std::vector<std::uint8_t>;
using gif::LzwMethod;

constexpr int kRepetitions = 9;

giftest::FrameLayout Frame(int w, int h, bool interlaced, const auto& pixel) {
    giftest::FrameLayout f;
    f.width = w;
    f.height = h;
    f.interlaced = interlaced;
    f.pixels.resize(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            f.pixels[static_cast<std::size_t>(y) * w + x] = static_cast<std::uint8_t>(pixel(x, y));
    return f;
}

Bytes OneFrame(int size, giftest::FrameLayout frame) {
    giftest::FileLayout layout;
    layout.width = layout.height = size;
    layout.frames.push_back(std::move(frame));
    return giftest::WriteGif(layout);
}

// A smooth picture with some texture, like a photograph reduced to 256 colours.
int PhotoLike(int x, int y, int t, std::mt19937& rng) {
    const double v = 128 + 60 * std::sin((x + 3 * t) / 97.0) * std::cos((y - 2 * t) / 53.0) +
                     40 * std::sin((x + y) / 31.0) + static_cast<int>(rng() % 7) - 3;
    return std::clamp(static_cast<int>(v), 0, 255);
}

struct File {
    std::string name;
    Bytes bytes;
    std::int64_t pixels;
};

std::vector<File> MakeFiles() {
    std::mt19937 rng(1);
    std::vector<File> files;
    files.push_back({"noise",
                     OneFrame(2000, Frame(2000, 2000, false, [&](int, int) { return rng() & 0xFF; })),
                     2000 * 2000});
    files.push_back(
        {"gradient",
         OneFrame(2000, Frame(2000, 2000, false, [](int x, int y) { return (x + y / 2) * 255 / 2999; })),
         2000 * 2000});
    files.push_back(
        {"photo-interlaced",
         OneFrame(2000, Frame(2000, 2000, true, [&](int x, int y) { return PhotoLike(x, y, 0, rng); })),
         2000 * 2000});
    giftest::FileLayout animation;
    animation.width = animation.height = 500;
    animation.loopCount = 0;
    for (int t = 0; t < 50; ++t) {
        // A moving plasma without noise, with a transparent corner.
        auto frame = Frame(500, 500, false, [&](int x, int y) {
            if (x < 60 && y < 60) return 0;
            const double v = 128 + 60 * std::sin((x + 6 * t) / 47.0) + 60 * std::cos((y + 4 * t) / 39.0);
            return std::clamp(static_cast<int>(v), 1, 255);
        });
        frame.control = true;
        frame.delay = 4;
        frame.transparent = 0;
        animation.frames.push_back(std::move(frame));
    }
    files.push_back({"animation", giftest::WriteGif(animation), 50 * 500 * 500});
    // 60 frames of an odd width, each with pixels of its transparent index spread over it: a
    // ring that moves over the plasma.
    giftest::FileLayout seeThrough;
    seeThrough.width = 499;
    seeThrough.height = 377;
    seeThrough.loopCount = 0;
    for (int t = 0; t < 60; ++t) {
        auto frame = Frame(499, 377, false, [&](int x, int y) {
            const int dx = x - 250 - 3 * t, dy = y - 188 + 2 * t;
            const int r2 = dx * dx + dy * dy;
            if (r2 > 80 * 80 && r2 < 120 * 120) return 7;
            const double v = 128 + 60 * std::sin((x - 5 * t) / 41.0) + 60 * std::cos((y + 3 * t) / 33.0);
            return std::clamp(static_cast<int>(v), 8, 255);
        });
        frame.control = true;
        frame.delay = 4;
        frame.transparent = 7;
        seeThrough.frames.push_back(std::move(frame));
    }
    files.push_back({"transparent-animation", giftest::WriteGif(seeThrough), 60 * 499 * 377});
    // As an optimiser writes an animation: 56 frames of 350 x 189, the first whole, each later
    // one transparent wherever the picture did not change, so that only a moving figure and a
    // flickering sign have pixels of their own.
    giftest::FileLayout realLike;
    realLike.width = 350;
    realLike.height = 189;
    realLike.loopCount = 0;
    const auto scene = [&](int x, int y, int t) {
        const int fx = 40 + 5 * t, fy = 60 + (t % 8) * 3;
        if (x >= fx && x < fx + 48 && y >= fy && y < fy + 64) return 200 + (x - fx + y - fy + t) % 40;
        if (x >= 280 && x < 330 && y >= 20 && y < 40) return t % 3 == 0 ? 190 : 180 + (x + y) % 8;
        return 1 + ((x / 7) * 13 + (y / 5) * 7 + (x * y) % 5) % 170;
    };
    for (int t = 0; t < 56; ++t) {
        auto frame = Frame(350, 189, false, [&](int x, int y) {
            const int now = scene(x, y, t);
            return t > 0 && now == scene(x, y, t - 1) ? 0 : now;
        });
        frame.control = true;
        frame.delay = 8;
        frame.transparent = 0;
        realLike.frames.push_back(std::move(frame));
    }
    files.push_back({"real-like-animation", giftest::WriteGif(realLike), 56 * 350 * 189});
    // A 1 x 1 picture followed by 1.5 MB of ever longer strings, in a stream that giflib
    // takes too: code size 8, a literal first.
    files.push_back({"long-strings", giftest::LongStringGif(1, 1, 1'500'000, {8, 1}), 1});
    return files;
}

// Whether our decoder, with `method`, gives giflib's frames: their number, sizes and every
// pixel index.
bool SameAsGiflib(const File& file, LzwMethod method) {
    gif::TGIFDecoding ours;
    giftest::MemoryReader reader;
    const giftest::GiflibFile ref = giftest::SlurpWithGiflib(file.bytes, reader);
    if (!ref || !ours.Decode(file.bytes, method) || ours.FrameCount() != ref->ImageCount) return false;
    for (int i = 0; i < ref->ImageCount; ++i) {
        const gif::TGIF& f = ours.Frames[i];
        const GifImageDesc& d = ref->SavedImages[i].ImageDesc;
        if (f.Width != d.Width || f.Height != d.Height) return false;
        const GifByteType* raster = ref->SavedImages[i].RasterBits;
        for (int y = 0; y < f.Height; ++y)
            if (!std::equal(raster + y * f.Width, raster + (y + 1) * f.Width,
                            f.Image.begin() + y * f.ImageStride))
                return false;
    }
    return true;
}

void DecodeOurs(benchmark::State& state, const File& file, LzwMethod method) {
    for (auto _ : state) {
        gif::TGIFDecoding gif;
        if (!gif.Decode(file.bytes, method) || gif.FrameCount() == 0)
            state.SkipWithError("our decoder failed");
        benchmark::DoNotOptimize(gif.Frames.data());
    }
    state.SetItemsProcessed(state.iterations() * file.pixels);
}

void DecodeGiflib(benchmark::State& state, const File& file) {
    for (auto _ : state) {
        giftest::MemoryReader reader;
        const giftest::GiflibFile gif = giftest::SlurpWithGiflib(file.bytes, reader);
        if (!gif) state.SkipWithError("giflib failed");
        benchmark::DoNotOptimize(gif.get());
    }
    state.SetItemsProcessed(state.iterations() * file.pixels);
}

// The console report, plus the median CPU time of every benchmark's repetitions.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median" && !run.error_occurred)
                medianCpu[run.run_name.function_name] = run.GetAdjustedCPUTime();
    }
    std::map<std::string, double> medianCpu;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    const std::vector<File> files = MakeFiles();
    const char* const kSides[] = {"strings", "reference", "giflib"};
    bool same = true;
    for (const File& file : files)
        for (LzwMethod method : {LzwMethod::Strings, LzwMethod::Reference})
            if (!SameAsGiflib(file, method)) {
                std::fprintf(stderr, "%s: our %s decoder and giflib differ\n", file.name.c_str(),
                             kSides[method == LzwMethod::Strings ? 0 : 1]);
                same = false;
            }
    if (!same) return 1;

    for (const File& file : files) {
        for (const char* side : kSides) {
            const std::string name = std::string(side) + "/" + file.name;
            auto* bench = side == kSides[2]
                              ? benchmark::RegisterBenchmark(name.c_str(), DecodeGiflib, file)
                              : benchmark::RegisterBenchmark(
                                    name.c_str(), DecodeOurs, file,
                                    side == kSides[0] ? LzwMethod::Strings : LzwMethod::Reference);
            bench->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions)->ReportAggregatesOnly(true);
        }
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const File& file : files) {
        const auto time = [&](const char* side) {
            const auto found = reporter.medianCpu.find(std::string(side) + "/" + file.name);
            return found == reporter.medianCpu.end() ? NAN : found->second;
        };
        std::printf("ratio %s giflib/strings = %.2f giflib/reference = %.2f (median CPU time of %d)\n",
                    file.name.c_str(), time("giflib") / time("strings"), time("giflib") / time("reference"),
                    kRepetitions);
    }
    benchmark::Shutdown();
    return 0;
}
