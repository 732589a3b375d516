// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>

#include <gtest/gtest.h>
#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>
#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "controls/GIFImage.h"
#include "platform/Error.h"
#include "platform/SysColors.h"
#include "tests/widgets/controls/GifFiles.h"

using controls::TGIFImage;
using giftest::GlobalColor;

namespace {

constexpr QRgb kParentLeft = qRgb(0, 0, 255);
constexpr QRgb kParentRight = qRgb(0, 255, 0);
constexpr int kParentSplit = 10;
constexpr platform::TColor kRed = 0x0000FF;

// A parent that paints blue left of x = 10 and green from there on, so that a pixel tells
// whether it shows the parent and which part of it.
class PaintedParent : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override {
        ++paints;
        QPainter painter(this);
        painter.fillRect(0, 0, kParentSplit, height(), QColor(kParentLeft));
        painter.fillRect(kParentSplit, 0, width() - kParentSplit, height(), QColor(kParentRight));
    }
};

class GIFImageTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        parent.resize(120, 80);
        image = new TGIFImage(&parent);
        parent.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    }

    std::string Gif(const char* name, const giftest::FileLayout& layout) {
        return giftest::SaveGif(folder.filePath(name), layout);
    }
    // The colour shown at a point of the parent, with the control painted over it.
    QRgb Shown(int x, int y) { return parent.grab().toImage().pixel(x, y) | 0xFF000000; }
    // The same as the screen shows it, as last painted, without painting it again.
    QRgb OnScreen(int x, int y) {
        QApplication::processEvents();
        return parent.screen()->grabWindow(parent.winId()).toImage().pixel(x, y) | 0xFF000000;
    }
    QRgb Buffer(int x, int y) const { return image->FrameBuffer().pixel(x, y) | 0xFF000000; }
    // Both ways of loading a file, which give the same results, names and errors.
    std::vector<std::function<bool(const std::string&)>> Loads() {
        return {[this](const std::string& name) { return image->LoadFromFile(name); },
                [this](const std::string& name) { return image->LoadInBackground(name); }};
    }

    QTemporaryDir folder;
    PaintedParent parent;
    TGIFImage* image = nullptr;
};

// A 20 x 10 picture whose top-left pixel has index 1 and all others index 2.
giftest::FileLayout Marked(int w, int h, int markX, int markY) {
    return giftest::OneFrame(
        giftest::Frame(w, h, [=](int x, int y) { return x == markX && y == markY ? 1 : 2; }));
}

}  // namespace

TEST_F(GIFImageTest, NeverLoadedPaintsNothingAndAnEmptyPictureShowsColorAtItsScreenSize) {
    EXPECT_EQ(Shown(15, 5), kParentRight);

    giftest::FileLayout noImage;
    noImage.width = 30;
    noImage.height = 20;
    image->SetColor(kRed);
    ASSERT_TRUE(image->LoadFromFile(Gif("empty.gif", noImage)));
    EXPECT_EQ(image->FrameCount(), 0);
    EXPECT_EQ(Shown(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(Shown(29, 19), qRgb(255, 0, 0));
    EXPECT_EQ(Shown(30, 5), kParentRight);
    EXPECT_EQ(Shown(5, 20), kParentLeft);
    noImage.width = noImage.height = 0;
    EXPECT_TRUE(image->LoadFromFile(Gif("none.gif", noImage))) << "a screen of no pixels is no failure";
}

// The same at once for a load in the background: the name, and a file that is missing or no GIF.
TEST_F(GIFImageTest, AMissingFileKeepsThePictureAndATextFileOrUnloadEmptiesTheControl) {
    const std::string picture = Gif("a.gif", Marked(20, 10, 0, 0));
    ASSERT_TRUE(image->LoadFromFile(picture));

    for (const auto& load : Loads()) {
        EXPECT_FALSE(load(folder.filePath("gone.gif").toStdString()));
        EXPECT_FALSE(load(""));
        EXPECT_FALSE(image->Loading());
        EXPECT_EQ(image->FileName(), picture);
        EXPECT_EQ(OnScreen(0, 0), GlobalColor(1));
    }

    const std::string text = giftest::Save(folder.filePath("notes.gif"), {'h', 'e', 'l', 'l', 'o'});
    for (const bool unload : {false, true}) {
        ASSERT_TRUE(image->LoadFromFile(picture));
        ASSERT_EQ(OnScreen(0, 0), GlobalColor(1));  // painted, so what follows must ask again
        if (unload)
            image->Unload();
        else
            EXPECT_FALSE(image->LoadInBackground(text));
        EXPECT_EQ(image->FileName(), "") << unload;
        EXPECT_FALSE(image->FileChanged()) << unload;
        EXPECT_TRUE(image->FrameBuffer().isNull()) << unload;
        EXPECT_EQ(OnScreen(0, 0), kParentLeft) << unload;
    }
}

// A name that exists but cannot be read as a file (here a pipe, which would also never end)
// is reported, and the picture shown stays.
TEST_F(GIFImageTest, AFileThatCannotBeReadRaisesAndKeepsThePicture) {
    const std::string picture = Gif("a.gif", Marked(20, 10, 0, 0));
    ASSERT_TRUE(image->LoadFromFile(picture));
    const std::string pipe = folder.filePath("pipe.gif").toStdString();
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    for (const auto& load : Loads()) {
        try {
            load(pipe);
            ADD_FAILURE() << "no error raised";
        } catch (const platform::Error& e) {
            EXPECT_EQ(std::string(e.what()), "Unable to read " + pipe);
        }
        EXPECT_FALSE(image->Loading());
        EXPECT_EQ(image->FileName(), picture);
        EXPECT_EQ(Shown(0, 0), GlobalColor(1));
    }
}

// Until the event loop takes the new picture, the old one shows under a busy cursor; a newer
// load drops the one under way, whose result never shows, and Unload drops any.
TEST_F(GIFImageTest, ALoadInTheBackgroundShowsTheOldPictureUntilTheNewOneIsReady) {
    std::vector<std::string> files;
    for (int i = 1; i <= 3; ++i)
        files.push_back(Gif(("solid" + std::to_string(i) + ".gif").c_str(),
                            giftest::OneFrame(giftest::Solid(20, 10, i))));
    ASSERT_TRUE(image->LoadFromFile(files[0]));
    int loaded = 0;
    QObject::connect(image, &TGIFImage::Loaded, [&loaded] { ++loaded; });
    ASSERT_TRUE(image->LoadInBackground(files[1]));
    EXPECT_TRUE(image->Loading());
    EXPECT_EQ(image->FileName(), files[1]);
    EXPECT_EQ(image->cursor().shape(), Qt::BusyCursor);
    EXPECT_EQ(Shown(0, 0), GlobalColor(1));

    ASSERT_TRUE(image->LoadInBackground(files[2]));
    ASSERT_TRUE(giftest::WaitForLoad(*image));
    QTest::qWait(100);  // time for the dropped load's result to come, were it taken
    EXPECT_EQ(loaded, 1);
    EXPECT_EQ(image->FileName(), files[2]);
    EXPECT_EQ(Shown(0, 0), GlobalColor(3));
    EXPECT_EQ(image->cursor().shape(), Qt::ArrowCursor);

    ASSERT_TRUE(image->LoadInBackground(files[1]));
    image->Unload();
    EXPECT_FALSE(image->Loading());
    QTest::qWait(100);
    EXPECT_EQ(loaded, 1);
    EXPECT_TRUE(image->FrameBuffer().isNull());
    EXPECT_EQ(image->FileName(), "");
    EXPECT_EQ(image->cursor().shape(), Qt::ArrowCursor);
}

// The window may close while a picture decodes: the control goes, and the decode's result is
// dropped with it (AddressSanitizer would see it reach the control).
TEST_F(GIFImageTest, ClosingTheWindowDuringADecodeIsSafe) {
    std::uint32_t seed = 1;
    const std::string noise =
        Gif("noise.gif", giftest::OneFrame(giftest::Frame(1500, 1500, [&seed](int, int) {
                seed = seed * 1103515245 + 12345;
                return static_cast<int>(seed >> 24);
            })));
    for (const bool hidden : {false, true}) {
        auto* window = new QWidget;
        auto* picture = new TGIFImage(window);
        window->show();
        int loaded = 0;
        QObject::connect(picture, &TGIFImage::Loaded, [&loaded] { ++loaded; });
        ASSERT_TRUE(picture->LoadInBackground(noise));
        ASSERT_TRUE(picture->Loading());
        if (hidden) window->close();
        delete window;
        // The decode ends on its worker, and what it posts is delivered.
        ASSERT_TRUE(QThreadPool::globalInstance()->waitForDone(20000));
        QTest::qWait(50);
        EXPECT_EQ(loaded, 0) << hidden;
    }
}

TEST_F(GIFImageTest, TiledPictureRepeatsFromTheCornerClippedByTheControl) {
    image->resize(50, 25);
    image->SetTile(true);
    ASSERT_TRUE(image->LoadFromFile(Gif("tile.gif", Marked(20, 10, 0, 0))));
    for (const QPoint at :
         {QPoint(0, 0), QPoint(20, 0), QPoint(40, 0), QPoint(0, 10), QPoint(20, 10), QPoint(40, 20)})
        EXPECT_EQ(Shown(at.x(), at.y()), GlobalColor(1)) << at.x() << "," << at.y();
    EXPECT_EQ(Shown(1, 1), GlobalColor(2));
    EXPECT_EQ(Shown(49, 24), GlobalColor(2));
    EXPECT_EQ(Shown(50, 0), kParentRight);
    EXPECT_EQ(Shown(0, 25), kParentLeft);

    image->SetTile(false);
    EXPECT_EQ(Shown(20, 0), kParentRight);
    EXPECT_EQ(Shown(0, 0), GlobalColor(1));
}

TEST_F(GIFImageTest, CentredLargerPictureShowsItsMiddle) {
    image->resize(80, 40);
    image->SetCenter(true);
    ASSERT_TRUE(image->LoadFromFile(Gif("big.gif", Marked(100, 50, 10, 5))));
    EXPECT_EQ(Shown(0, 0), GlobalColor(1));
    EXPECT_EQ(Shown(1, 1), GlobalColor(2));
}

TEST_F(GIFImageTest, StretchFillsTheControlUnlessSeeThrough) {
    image->resize(40, 40);
    image->SetStretch(true);
    ASSERT_TRUE(image->LoadFromFile(Gif(
        "half.gif", giftest::OneFrame(giftest::Frame(10, 10, [](int x, int) { return x < 5 ? 1 : 2; })))));
    EXPECT_EQ(Shown(15, 30), GlobalColor(1));
    EXPECT_EQ(Shown(25, 30), GlobalColor(2));
    image->SetSeeThrough(true);
    EXPECT_EQ(Shown(15, 30), kParentRight);
}

// Transparency goes by index: in the second file the transparent entry 0 has the colour of
// the opaque entry 3, as many encoders write it, and index 3 still shows that colour.
TEST_F(GIFImageTest, TransparentPartsShowColorOrWithSeeThroughTheParent) {
    image->resize(20, 10);
    image->SetColor(kRed);
    giftest::FrameLayout frame = giftest::Frame(20, 10, [](int x, int) { return x < 5 || x >= 15 ? 0 : 3; });
    frame.control = true;
    frame.transparent = 0;
    std::vector<std::uint8_t> sharedColor = giftest::WriteGif(giftest::OneFrame(frame));
    constexpr std::size_t kGlobalTable = 13;  // header and screen descriptor
    std::copy_n(sharedColor.begin() + kGlobalTable + 3 * 3, 3, sharedColor.begin() + kGlobalTable);
    const std::string files[] = {Gif("holes.gif", giftest::OneFrame(frame)),
                                 giftest::Save(folder.filePath("shared.gif"), sharedColor)};
    for (const std::string& file : files) {
        image->SetSeeThrough(false);
        ASSERT_TRUE(image->LoadFromFile(file));
        EXPECT_EQ(Shown(2, 2), qRgb(255, 0, 0)) << file;
        EXPECT_EQ(Shown(8, 2), GlobalColor(3)) << file;

        image->SetSeeThrough(true);
        EXPECT_EQ(Shown(2, 2), kParentLeft) << file;
        EXPECT_EQ(Shown(17, 2), kParentRight) << file;
        EXPECT_EQ(Shown(8, 2), GlobalColor(3)) << file;
    }
    // Past a frame narrower than the screen the background shows: Color again once SeeThrough
    // is off, not the parent it showed while on.
    giftest::FileLayout narrow = giftest::OneFrame(giftest::Frame(10, 10, [](int, int) { return 3; }));
    narrow.width = 20;
    narrow.frames[0].control = true;
    narrow.frames[0].transparent = 0;
    ASSERT_TRUE(image->LoadFromFile(Gif("narrow.gif", narrow)));
    EXPECT_EQ(Shown(17, 2), kParentRight);
    image->SetSeeThrough(false);
    EXPECT_EQ(Shown(17, 2), qRgb(255, 0, 0));
}

// Frame 1, all transparent, goes back to the background, which shows the parent as it was
// at load: the ticks compose on that snapshot and never make the parent paint again.
TEST_F(GIFImageTest, SeeThroughFramesGoBackToTheSnapshotWithoutPaintingTheParent) {
    giftest::FrameLayout clear = giftest::Solid(20, 10, 0);
    clear.control = true;
    clear.transparent = 0;
    clear.disposal = 2;
    giftest::FileLayout layout = giftest::OneFrame(clear);
    layout.frames.push_back(giftest::Solid(1, 1, 3));
    image->SetSeeThrough(true);
    ASSERT_TRUE(image->LoadFromFile(Gif("clear.gif", layout)));
    const int paints = parent.paints;
    for (int tick = 0; tick < 4; ++tick) image->TimerTick();
    EXPECT_EQ(Buffer(0, 0), GlobalColor(3));
    EXPECT_EQ(Buffer(2, 2), kParentLeft);
    EXPECT_EQ(Buffer(12, 2), kParentRight);
    EXPECT_EQ(parent.paints, paints);
}

// A still picture whose frame 1 covers the screen opaquely is held as its frame buffer alone:
// switches and a resize that compose again keep showing it, and a tick still finds frame 2.
TEST_F(GIFImageTest, AStillOpaquePictureKeepsShowingThroughEverySwitch) {
    giftest::FileLayout layout;
    layout.width = 4;
    layout.height = 2;
    layout.frames = {giftest::Solid(4, 2, 1), giftest::Solid(4, 2, 2)};
    ASSERT_TRUE(image->LoadFromFile(Gif("still.gif", layout)));
    const auto steps = std::vector<std::pair<const char*, std::function<void()>>>{
        {"colour", [&] { image->SetColor(kRed); }},
        {"see-through", [&] { image->SetSeeThrough(true); }},
        {"centre", [&] { image->SetCenter(true); }},
        {"tile off", [&] { image->SetTile(true), image->SetTile(false); }},
        {"resize", [&] { image->resize(30, 20); }},
    };
    for (const auto& [what, step] : steps) {
        step();
        Shown(0, 0);
        QApplication::processEvents();
        EXPECT_EQ(Buffer(3, 1), GlobalColor(1)) << what;
    }
    image->TimerTick();
    image->TimerTick();
    EXPECT_EQ(Buffer(3, 1), GlobalColor(2));
}

TEST_F(GIFImageTest, ASingleFramePictureStartsNoTimer) {
    image->SetAnimate(true);
    ASSERT_TRUE(image->LoadFromFile(Gif("one.gif", giftest::OneFrame(giftest::Solid(4, 4, 1)))));
    EXPECT_FALSE(image->TimerRunning());

    giftest::FileLayout two;
    two.width = two.height = 4;
    two.frames = {giftest::Solid(4, 4, 1), giftest::Solid(4, 4, 2)};
    ASSERT_TRUE(image->LoadFromFile(Gif("two.gif", two)));
    EXPECT_TRUE(image->TimerRunning());
}

// Frames 1, 2 and 3 for 100, 200 and 300 ms, one pass: after the third, frame 1 again with
// the timer stopped, unless Loop is on. Animate set on again while running times the frame
// the next tick shows.
TEST_F(GIFImageTest, LoopCountOnePlaysEachFrameOnceThenRestsOnFrameOne) {
    giftest::FileLayout layout;
    layout.width = layout.height = 4;
    layout.loopCount = 1;
    for (int i = 1; i <= 3; ++i) {
        giftest::FrameLayout frame = giftest::Solid(4, 4, i);
        frame.control = true;
        frame.delay = 10 * i;
        layout.frames.push_back(frame);
    }
    struct Step {
        int color;
        int interval;
        bool running;
        int animateAgain;
    };
    for (const bool loop : {false, true}) {
        image->SetLoop(loop);
        image->SetAnimate(true);
        ASSERT_TRUE(image->LoadFromFile(Gif("three.gif", layout)));
        ASSERT_TRUE(image->TimerRunning());
        EXPECT_EQ(image->TimerInterval(), 100);
        for (const Step& step : {Step{1, 100, true, 200}, Step{2, 200, true, 300}, Step{3, 300, true, 100},
                                 Step{1, 100, loop, 200}}) {
            image->TimerTick();
            EXPECT_EQ(Buffer(1, 1), GlobalColor(step.color)) << step.color << loop;
            EXPECT_EQ(image->TimerInterval(), step.interval) << step.color << loop;
            EXPECT_EQ(image->TimerRunning(), step.running) << step.color << loop;
            if (!step.running) continue;
            image->SetAnimate(true);
            EXPECT_EQ(image->TimerInterval(), step.animateAgain) << step.color << loop;
        }
    }
}

// Frame 1 covers the top-left 3 x 3; frame 2 (restore what was under it) the top-left
// 2 x 2; frame 3 (restore the background) the bottom-right pixel; frame 4 the top-right one.
// Restoring the background clears the frame's rectangle only, not the whole screen.
TEST_F(GIFImageTest, DisposalRestoresWhatWasUnderTheFrameOrTheBackground) {
    giftest::FileLayout layout;
    layout.width = layout.height = 4;
    layout.loopCount = 0;
    giftest::FrameLayout first = giftest::Solid(3, 3, 1), second = giftest::Solid(2, 2, 2),
                         third = giftest::Solid(1, 1, 3), fourth = giftest::Solid(1, 1, 4);
    second.control = third.control = true;
    second.disposal = 3;
    third.disposal = 2;
    third.left = third.top = fourth.left = 3;
    layout.frames = {first, second, third, fourth};
    image->SetColor(kRed);
    image->SetAnimate(true);
    ASSERT_TRUE(image->LoadFromFile(Gif("dispose.gif", layout)));
    const QRgb red = qRgb(255, 0, 0);
    image->TimerTick();  // frame 1 again
    image->TimerTick();  // frame 2
    EXPECT_EQ(Buffer(0, 0), GlobalColor(2));
    image->TimerTick();  // frame 2 gives back frame 1's pixels, then frame 3
    EXPECT_EQ(Buffer(0, 0), GlobalColor(1));
    EXPECT_EQ(Buffer(3, 3), GlobalColor(3));
    image->TimerTick();  // frame 3 clears its own pixel to the background, then frame 4
    EXPECT_EQ(Buffer(3, 3), red);
    EXPECT_EQ(Buffer(3, 0), GlobalColor(4));
    EXPECT_EQ(Buffer(0, 0), GlobalColor(1)) << "what lies outside the frame stays";
    image->TimerTick();  // frame 1
    EXPECT_TRUE(image->TimerRunning()) << "a loop count of 0 plays on";
    image->TimerTick();  // frame 2
    image->TimerTick();  // frame 3
    ASSERT_EQ(Buffer(3, 3), GlobalColor(3));
    image->SetAnimate(false);  // stopping clears frame 3 away and rests on frame 1
    EXPECT_EQ(Buffer(3, 3), red);
}

// A click is a left press and a left release inside the control.
TEST_F(GIFImageTest, ClicksAreLeftPressAndReleaseInside) {
    image->resize(20, 10);
    int clicks = 0;
    QObject::connect(image, &TGIFImage::OnClick, [&clicks] { ++clicks; });
    QTest::mouseClick(image, Qt::LeftButton, {}, {5, 5});
    QTest::mouseClick(image, Qt::RightButton, {}, {5, 5});
    QTest::mousePress(image, Qt::LeftButton, {}, {5, 5});
    QTest::mouseRelease(image, Qt::LeftButton, {}, {50, 5});
    EXPECT_EQ(clicks, 1);
}

// The first paint after a move or resize shows frame 1 again on a fresh background.
TEST_F(GIFImageTest, AResizeShowsFrameOneAgain) {
    giftest::FileLayout layout;
    layout.width = layout.height = 4;
    layout.frames = {giftest::Solid(4, 4, 1), giftest::Solid(4, 4, 2)};
    image->SetAnimate(true);
    ASSERT_TRUE(image->LoadFromFile(Gif("two.gif", layout)));
    Shown(0, 0);
    image->TimerTick();
    image->TimerTick();
    ASSERT_EQ(Shown(0, 0), GlobalColor(2));
    image->resize(30, 30);
    EXPECT_EQ(Shown(0, 0), GlobalColor(1));
    EXPECT_EQ(image->Position(), 1);
}

// The largest screen the decoder accepts loads; one row more leaves the control empty,
// without a frame buffer of that size.
TEST_F(GIFImageTest, ScreenSizeJustInsideAndJustOutsideTheBudget) {
    constexpr int kWidth = 16384;
    static_assert(std::int64_t{kWidth} * 4096 == gif::kMaxScreenPixels);
    giftest::FileLayout layout = giftest::OneFrame(giftest::Solid(1, 1, 1));
    layout.width = kWidth;
    layout.height = 4096;
    ASSERT_TRUE(image->LoadFromFile(Gif("inside.gif", layout)));
    EXPECT_EQ(image->FrameBuffer().size(), QSize(kWidth, 4096));

    layout.height = 4097;
    EXPECT_FALSE(image->LoadFromFile(Gif("outside.gif", layout)));
    EXPECT_TRUE(image->FrameBuffer().isNull());
    EXPECT_EQ(image->FileName(), "");
}
