// SPDX-License-Identifier: GPL-3.0-or-later
// The GIF image control against Qt's own animated-GIF player, in one run, on the same files.
//
// - animation: a 50-frame 500 x 500 animation with a transparent corner, one frame per
//   iteration. Ours: TimerTick (disposal and composing onto the frame buffer) with the timer
//   bypassed, then the control's paint onto a widget-sized pixmap. Qt: QMovie reading the
//   same file steps to its next frame and that frame is painted onto the same kind of pixmap.
// - tiled: a 20 x 10 transparent picture tiled over a 1920 x 1080 control. A repaint copies
//   the composed buffer over the control; a re-compose builds the tiled picture afresh from
//   the frame, background and colour-keyed copy at every tile place, with the same canvas
//   operations the control composes with. The gap is what composing once and painting many
//   times saves.
//
// - activation: an 8000 x 8000 picture shown, the check the main window makes when it is
//   activated with the file unchanged, against the decode that a reload costs.
// - memory: the peak resident memory from selecting a file in the picture chooser to its OK,
//   which hands it to a control standing in for the main window's picture, and what that
//   control holds afterwards, both over the shown frame's size at 4 bytes a pixel, for the
//   8000 x 8000 file and for a file of four 8192 x 8192 frames. Measured once, outside the
//   timed runs.
// - blocks: the longest time the event loop goes without running a 1 ms timer while the
//   8000 x 8000 file is chosen in the chooser, refreshed in the main picture, and loaded again
//   at an activation after it changed.
//
// At the end: "ratio animation qmovie/ours" (above 1: ours is faster per frame), "ratio tiled
// recompose/repaint" (how many times faster a repaint is), "activation unchanged/decode" (in
// per cent; below 1 % is the aim), "memory ... held/shown" (at most 1.2 is the aim) and
// "peak/shown" (at most 1.5), and "longest block" for each step (at most 100 ms is the aim).

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QListWidget>
#include <QMovie>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>

#include "controls/GIFImage.h"
#include "controls/GIFPictures.h"
#include "platform/Canvas.h"
#include "platform/SysColors.h"
#include "tests/unit/controls/GifWriter.h"
#include "windows/FileOpen.h"

namespace {

std::string Write(const QTemporaryDir& dir, const char* name, const giftest::FileLayout& layout) {
    const std::vector<std::uint8_t> bytes = giftest::WriteGif(layout);
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    return path.toStdString();
}

giftest::FrameLayout Frame(int w, int h, const auto& index) {
    giftest::FrameLayout f;
    f.width = w;
    f.height = h;
    f.pixels.resize(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            f.pixels[static_cast<std::size_t>(y) * w + x] = static_cast<std::uint8_t>(index(x, y));
    f.control = true;
    f.transparent = 0;
    return f;
}

giftest::FileLayout Animation() {
    giftest::FileLayout animation;
    animation.width = animation.height = 500;
    animation.loopCount = 0;
    for (int t = 0; t < 50; ++t) {
        // A moving plasma with a transparent corner.
        auto frame = Frame(500, 500, [&](int x, int y) {
            if (x < 60 && y < 60) return 0;
            const double v = 128 + 60 * std::sin((x + 6 * t) / 47.0) + 60 * std::cos((y + 4 * t) / 39.0);
            return std::clamp(static_cast<int>(v), 1, 255);
        });
        frame.delay = 4;
        animation.frames.push_back(std::move(frame));
    }
    return animation;
}

giftest::FileLayout Tile() {
    giftest::FileLayout tile;
    tile.width = 20;
    tile.height = 10;
    tile.frames.push_back(Frame(20, 10, [](int x, int y) { return (x + y) % 5 == 0 ? 0 : x * 10 + y; }));
    return tile;
}

// 8000 x 8000 diagonal bands, opaque.
giftest::FileLayout Large() {
    giftest::FileLayout large;
    large.width = large.height = 8000;
    giftest::FrameLayout frame = Frame(8000, 8000, [](int x, int y) { return 1 + (x / 61 + y / 47) % 200; });
    frame.control = false;
    large.frames.push_back(std::move(frame));
    return large;
}

// Four 8192 x 8192 frames of one colour each.
giftest::FileLayout FourLarge() {
    giftest::FileLayout four;
    four.width = four.height = 8192;
    for (int i = 1; i <= 4; ++i) {
        giftest::FrameLayout frame = Frame(8192, 8192, [i](int, int) { return i; });
        frame.control = false;
        four.frames.push_back(std::move(frame));
    }
    return four;
}

// Runs the event loop until `done` holds (a load on a worker thread ends there), for at most
// a minute.
void WaitUntil(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 60000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// With the file unchanged, the main window's activation is this check alone.
void ActivationUnchanged(benchmark::State& state, const std::string& path) {
    controls::TGIFImage image;
    image.SetTile(true);
    if (!image.LoadFromFile(path)) state.SkipWithError("the control did not load the file");
    for (auto _ : state) {
        if (image.FileChanged()) image.LoadFromFile(path);
    }
}

void ActivationDecode(benchmark::State& state, const std::string& path) {
    controls::TGIFImage image;
    image.SetTile(true);
    for (auto _ : state) {
        if (!image.LoadFromFile(path)) state.SkipWithError("the control did not load the file");
    }
}

// A line of /proc/self/status in kB, such as VmRSS or VmHWM.
long StatusKb(const std::string& key) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(key + ":", 0) == 0) return std::stol(line.substr(key.size() + 1));
    return -1;
}

struct MemoryFigures {
    double peak = 0, held = 0;  // over the shown frame's bytes
};

// Selects the file in a chooser and presses OK; the hand-over loads it into `mainPicture`, as
// the main window's does. The peak is counted from a reset of the high-water mark.
MemoryFigures ChooseToOk(const std::string& path, controls::TGIFImage& mainPicture) {
    mainPicture.Unload();
    const long before = StatusKb("VmRSS");
    std::ofstream("/proc/self/clear_refs") << "5";
    {
        windows::TfrmFileOpen chooser(path, [&](const std::string& chosen, const std::string&) {
            mainPicture.LoadInBackground(chosen);
        });
        const QString name = QFileInfo(QString::fromStdString(path)).fileName();
        const QList<QListWidgetItem*> items = chooser.FileListBox1->findItems(name, Qt::MatchExactly);
        if (items.isEmpty()) return {};
        chooser.FileListBox1->setCurrentItem(items.front());
        WaitUntil([&] { return !chooser.GIFImagePreview->Loading(); });
        chooser.cmdOK->click();
    }
    WaitUntil([&] { return !mainPicture.Loading(); });
    const long peak = StatusKb("VmHWM");
    const long after = StatusKb("VmRSS");
    const double shownKb =
        4.0 * mainPicture.FrameBuffer().width() * mainPicture.FrameBuffer().height() / 1024;
    if (shownKb <= 0) return {};
    return {(peak - before) / shownKb, (after - before) / shownKb};
}

// The longest the event loop goes without running a 1 ms timer, from just before `step` runs
// from it until `done` holds, in milliseconds.
double LongestBlockMs(const std::function<void()>& step, const std::function<bool()>& done) {
    QEventLoop loop;
    QElapsedTimer clock;
    qint64 last = 0, longest = 0;
    bool stepped = false;
    QTimer ticks;
    ticks.setInterval(1);
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
        if (stepped && done()) loop.quit();
    });
    QTimer::singleShot(5, [&] {
        step();
        stepped = true;
    });
    clock.start();
    ticks.start();
    loop.exec();
    return static_cast<double>(longest) / 1e6;
}

struct Blocks {
    double choose = 0, refresh = 0, activation = 0;
};

// Choosing the file in the chooser, Refresh of the main picture, and the activation after
// the file changed, as the main window runs them.
Blocks BlocksOf(const std::string& path) {
    Blocks blocks;
    const QString name = QFileInfo(QString::fromStdString(path)).fileName();
    {
        windows::TfrmFileOpen chooser(path, [](const std::string&, const std::string&) {});
        const QList<QListWidgetItem*> items = chooser.FileListBox1->findItems(name, Qt::MatchExactly);
        if (items.isEmpty()) return {};
        blocks.choose = LongestBlockMs([&] { chooser.FileListBox1->setCurrentItem(items.front()); },
                                       [&] { return !chooser.GIFImagePreview->Loading(); });
    }
    controls::TGIFImage mainPicture;
    mainPicture.SetTile(true);
    mainPicture.SetFileName(path);
    WaitUntil([&] { return mainPicture.FrameCount() > 0; });
    int loads = 0;
    QObject::connect(&mainPicture, &controls::TGIFImage::Loaded, [&] { ++loads; });
    blocks.refresh = LongestBlockMs([&] { mainPicture.LoadInBackground(mainPicture.FileName()); },
                                    [&] { return loads == 1; });
    // A later modification time is a change.
    QFile file(QString::fromStdString(path));
    if (file.open(QIODevice::ReadWrite))
        file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime);
    file.close();
    blocks.activation = LongestBlockMs(
        [&] {
            if (mainPicture.FileChanged()) mainPicture.LoadInBackground(mainPicture.FileName());
        },
        [&] { return loads == 2; });
    return blocks;
}

void AnimationOurs(benchmark::State& state, const std::string& path) {
    controls::TGIFImage image;
    image.resize(500, 500);
    image.SetColor(platform::clWhite);
    if (!image.LoadFromFile(path)) state.SkipWithError("the control did not load the file");
    QPixmap target(500, 500);
    for (auto _ : state) {
        image.TimerTick();
        QPainter painter(&target);
        image.Paint(painter);
    }
    state.SetItemsProcessed(state.iterations());
}

void AnimationQMovie(benchmark::State& state, const std::string& path) {
    QMovie movie(QString::fromStdString(path));
    if (!movie.isValid() || !movie.jumpToFrame(0)) state.SkipWithError("QMovie did not load the file");
    QPixmap target(500, 500);
    for (auto _ : state) {
        if (!movie.jumpToNextFrame()) movie.jumpToFrame(0);
        QPainter painter(&target);
        painter.drawImage(0, 0, movie.currentImage());
    }
    state.SetItemsProcessed(state.iterations());
}

void TiledRepaint(benchmark::State& state, const std::string& path) {
    controls::TGIFImage image;
    image.resize(1920, 1080);
    image.SetTile(true);
    image.SetColor(platform::clWhite);
    if (!image.LoadFromFile(path)) state.SkipWithError("the control did not load the file");
    QPixmap target(1920, 1080);
    for (auto _ : state) {
        QPainter painter(&target);
        image.Paint(painter);
    }
}

// The tiled picture built afresh at every tile place: what a paint would cost if it composed.
void TiledRecompose(benchmark::State& state, const std::string& path) {
    gif::TGIFDecoding decoding;
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) state.SkipWithError("cannot read the file");
    const QByteArray bytes = file.readAll();
    if (!decoding.Decode(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                   static_cast<std::size_t>(bytes.size())))) {
        state.SkipWithError("cannot decode the file");
        return;
    }
    const gif::TGIF& frame = decoding.Frames.front();
    const controls::TFramePictures pictures = controls::MakeFramePictures(frame);
    QImage composed(1920, 1080, QImage::Format_RGB32);
    QPixmap target(1920, 1080);
    for (auto _ : state) {
        {
            platform::Canvas canvas(composed);
            canvas.SetBrushColor(platform::clWhite);
            canvas.FillRect({0, 0, 1920, 1080});
            for (int y = 0; y < 1080; y += 10)
                for (int x = 0; x < 1920; x += 20)
                    canvas.Draw(x, y, controls::ColorKeyed(frame, pictures.Image, platform::clWhite));
        }
        QPainter painter(&target);
        painter.drawImage(0, 0, composed);
    }
}

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                seconds[run.benchmark_name()] =
                    run.real_accumulated_time / static_cast<double>(run.iterations);
    }
    double Ratio(const std::string& a, const std::string& b) const {
        const auto x = seconds.find(a), y = seconds.find(b);
        return x == seconds.end() || y == seconds.end() ? 0 : x->second / y->second;
    }
    std::map<std::string, double> seconds;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    const QTemporaryDir dir;
    const std::string animation = Write(dir, "animation.gif", Animation());
    const std::string tile = Write(dir, "tile.gif", Tile());
    const std::string large = Write(dir, "large.gif", Large());
    benchmark::RegisterBenchmark("animation/ours", AnimationOurs, animation)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("animation/qmovie", AnimationQMovie, animation)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("tiled/repaint", TiledRepaint, tile)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("tiled/recompose", TiledRecompose, tile)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("activation/unchanged", ActivationUnchanged, large)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("activation/decode", ActivationDecode, large)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const Blocks blocks = BlocksOf(large);
    controls::TGIFImage mainPicture;
    mainPicture.SetTile(true);
    const MemoryFigures memory = ChooseToOk(large, mainPicture);
    const std::string fourLarge = Write(dir, "four-large.gif", FourLarge());
    const MemoryFigures fourMemory = ChooseToOk(fourLarge, mainPicture);
    std::printf("ratio animation qmovie/ours = %.2f\n", reporter.Ratio("animation/qmovie", "animation/ours"));
    std::printf("ratio tiled recompose/repaint = %.2f\n", reporter.Ratio("tiled/recompose", "tiled/repaint"));
    std::printf("activation unchanged/decode = %.4f %%\n",
                100 * reporter.Ratio("activation/unchanged", "activation/decode/iterations:3"));
    std::printf("memory 8000x8000 from choosing to OK: held/shown = %.2f peak/shown = %.2f\n", memory.held,
                memory.peak);
    std::printf("memory four 8192x8192 frames from choosing to OK: held/shown = %.2f peak/shown = %.2f\n",
                fourMemory.held, fourMemory.peak);
    std::printf(
        "longest block 8000x8000: choose %.0f ms, Refresh %.0f ms, activation after a change %.0f ms\n",
        blocks.choose, blocks.refresh, blocks.activation);
    benchmark::Shutdown();
    return 0;
}
