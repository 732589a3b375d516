// The GIF decoder against giflib's DGifSlurp on the same files, in one run. The files are
// written by giflib's encoder at start-up; at the end one line per file gives the ratio
// "ratio <file> giflib/ours = X.XX" (above 1: ours is faster).

#include "controls/GIFDecoder.h"
#include "tests/unit/controls/GifWriter.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>

namespace {

using Bytes = std::vector<std::uint8_t>;

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
    return files;
}

void DecodeOurs(benchmark::State& state, const File& file) {
    for (auto _ : state) {
        gif::TGIFDecoding gif;
        if (!gif.Decode(file.bytes) || gif.FrameCount() == 0) state.SkipWithError("our decoder failed");
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

// The console report, plus the time per iteration of every run for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                seconds[run.benchmark_name()] =
                    run.real_accumulated_time / static_cast<double>(run.iterations);
    }
    std::map<std::string, double> seconds;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    const std::vector<File> files = MakeFiles();
    for (const File& file : files) {
        benchmark::RegisterBenchmark(("ours/" + file.name).c_str(), DecodeOurs, file)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("giflib/" + file.name).c_str(), DecodeGiflib, file)
            ->Unit(benchmark::kMillisecond);
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const File& file : files) {
        const auto ours = reporter.seconds.find("ours/" + file.name);
        const auto giflib = reporter.seconds.find("giflib/" + file.name);
        if (ours != reporter.seconds.end() && giflib != reporter.seconds.end())
            std::printf("ratio %s giflib/ours = %.2f\n", file.name.c_str(), giflib->second / ours->second);
    }
    benchmark::Shutdown();
    return 0;
}
