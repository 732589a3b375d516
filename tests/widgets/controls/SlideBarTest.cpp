// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTest>

#include <vector>

#include "controls/SlideBar.h"
#include "platform/Error.h"

using namespace controls;
using platform::TColor;

namespace {

const QRgb kGray = qRgb(128, 128, 128);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kSilver = qRgb(192, 192, 192);
const QRgb kBlack = qRgb(0, 0, 0);
// The window behind the bars, in a colour none of the bar's own drawing uses.
const QRgb kBackground = qRgb(0, 128, 128);

// A window in the background colour holding one bar at (10, 10). A plain focusable widget
// comes first in the tab chain, so that activating the window does not focus the bar.
struct Window {
    QWidget window;
    QWidget sink{&window};
    TSlideBar bar{&window};
    int changes = 0;
    std::vector<TSlideBar*> senders;

    Window() {
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, QColor(kBackground));
        window.setPalette(palette);
        window.resize(260, 140);
        sink.setGeometry(200, 100, 20, 20);
        sink.setFocusPolicy(Qt::StrongFocus);
        bar.move(10, 10);
        QObject::connect(&bar, &TSlideBar::OnChange, [this](TSlideBar* sender) {
            ++changes;
            senders.push_back(sender);
        });
    }
    void Show() {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        QApplication::processEvents();
    }
    void Activate() {
        Show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QImage Pixels() { return bar.grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

// The main window's red bar: 198 x 11, 0..255, raised 3-pixel track, no ticks.
void MakeRgbBar(TSlideBar& bar) {
    bar.resize(198, 11);
    bar.SetMax(255);
    bar.SetMin(0);
    bar.SetStyle(TBarStyle::bsRaised);
    bar.SetThickness(3);
    bar.SetThumbStyle(TThumbStyle::tsDiamond4);
    bar.SetTicks(false);
    bar.SetPageSize(25);
}

// The main window's size bar: 86 x 15, 1..7, lowered 1-pixel track, ticks every value.
void MakeSizeBar(TSlideBar& bar) {
    bar.resize(86, 15);
    bar.SetMax(7);
    bar.SetMin(1);
    bar.SetThumbStyle(TThumbStyle::tsDiamond4);
    bar.SetPageSize(1);
}

void SendMouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), QPointF(widget.mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}
void Press(QWidget& w, QPoint at, Qt::MouseButton b = Qt::LeftButton) {
    SendMouse(w, QEvent::MouseButtonPress, at, b, b);
}
void Drag(QWidget& w, QPoint at) { SendMouse(w, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton); }
void Release(QWidget& w, QPoint at, Qt::MouseButton b = Qt::LeftButton) {
    SendMouse(w, QEvent::MouseButtonRelease, at, b, Qt::NoButton);
}

// Collects the regions of the paint events a widget receives.
class PaintRecorder : public QObject {
public:
    QRegion painted;
    int events = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
            ++events;
        }
        return false;
    }
};

QRect ToQRect(const BarRect& r) { return {r.left, r.top, r.Width(), r.Height()}; }

}  // namespace

TEST(SlideBar, StartsWithTheDocumentedDefaults) {
    TSlideBar bar;
    EXPECT_EQ(bar.size(), QSize(100, 15));
    EXPECT_EQ(bar.Min(), 1);
    EXPECT_EQ(bar.Max(), 10);
    EXPECT_EQ(bar.Position(), 1);
    EXPECT_EQ(bar.PageSize(), 10);  // written directly, although it exceeds Max - Min
    EXPECT_EQ(bar.LineSize(), 1);
    EXPECT_EQ(bar.Thickness(), 1);
    EXPECT_EQ(bar.Frequency(), 1);
    EXPECT_TRUE(bar.Ticks());
    EXPECT_TRUE(bar.HandCursor());
    EXPECT_EQ(bar.FocusColor(), platform::clBlack);
    EXPECT_EQ(bar.Style(), TBarStyle::bsLowered);
    EXPECT_EQ(bar.Orientation(), TOrientation::orHorizontal);
    EXPECT_EQ(bar.ThumbStyle(), TThumbStyle::tsCircle1);
    EXPECT_EQ(bar.ThumbBitmap().size(), QSize(8, 8));
    EXPECT_EQ(bar.focusPolicy(), Qt::StrongFocus);
    EXPECT_TRUE(bar.Labels().isEmpty());
}

TEST(SlideBar, OnChangeFiresOnEveryAssignmentEvenUnchangedOrRejected) {
    Window w;
    w.bar.SetPosition(5);
    EXPECT_EQ(w.changes, 1);
    w.bar.SetPosition(5);
    EXPECT_EQ(w.changes, 2);
    w.bar.SetPosition(11);  // outside 1..10: not stored, no clamping
    EXPECT_EQ(w.changes, 3);
    EXPECT_EQ(w.bar.Position(), 5);
    w.bar.SetPosition(0);
    EXPECT_EQ(w.bar.Position(), 5);
    EXPECT_EQ(w.changes, 4);
    for (TSlideBar* sender : w.senders) EXPECT_EQ(sender, &w.bar);
}

TEST(SlideBar, MinAndMaxResetPageSizeToATenthOfTheRange) {
    TSlideBar bar;
    bar.SetMax(255);
    EXPECT_EQ(bar.PageSize(), 25);
    bar.SetMax(7);
    EXPECT_EQ(bar.PageSize(), 1);
    EXPECT_EQ(bar.LineSize(), 1);
    bar.SetMin(-93);  // range 100
    EXPECT_EQ(bar.PageSize(), 10);
    EXPECT_EQ(bar.Position(), 1);  // untouched
}

TEST(SlideBar, MaxBelowMinIsAcceptedAndRejectsEveryPosition) {
    Window w;
    MakeSizeBar(w.bar);
    w.bar.SetPosition(4);
    w.Show();
    w.bar.SetMax(0);
    EXPECT_EQ(w.bar.Max(), 0);
    EXPECT_EQ(w.bar.Position(), 4);
    const int before = w.changes;
    for (int value : {0, 1, 4, -5}) w.bar.SetPosition(value);
    EXPECT_EQ(w.bar.Position(), 4);
    EXPECT_EQ(w.changes, before + 4);
    // No ticks: the row above the track (T - 1 = 5) shows only background outside the thumb.
    const QImage pixels = w.Pixels();
    const BarRect thumb = w.bar.ThumbRect();
    for (int x = 0; x < 86; ++x) {
        if (x >= thumb.left && x < thumb.right) continue;
        EXPECT_EQ(pixels.pixel(x, 5), kBackground) << "x " << x;
    }
}

TEST(SlideBar, LineSizeAndPageSizeDragEachOtherAlong) {
    TSlideBar bar;
    bar.SetMin(0);
    bar.SetMax(255);
    ASSERT_EQ(bar.PageSize(), 25);
    bar.SetLineSize(30);
    EXPECT_EQ(bar.LineSize(), 30);
    EXPECT_EQ(bar.PageSize(), 30);
    bar.SetPageSize(5);
    EXPECT_EQ(bar.PageSize(), 5);
    EXPECT_EQ(bar.LineSize(), 5);
    // Below 1 or beyond the range: ignored.
    for (int bad : {0, -1, 256}) {
        bar.SetLineSize(bad);
        bar.SetPageSize(bad);
    }
    EXPECT_EQ(bar.LineSize(), 5);
    EXPECT_EQ(bar.PageSize(), 5);
    bar.SetPageSize(255);
    EXPECT_EQ(bar.PageSize(), 255);
}

TEST(SlideBar, ThicknessOutsideOneToFiveIsIgnored) {
    TSlideBar bar;
    bar.SetThickness(3);
    bar.SetThickness(6);
    EXPECT_EQ(bar.Thickness(), 3);
    bar.SetThickness(0);
    EXPECT_EQ(bar.Thickness(), 3);
    bar.SetThickness(5);
    EXPECT_EQ(bar.Thickness(), 5);
}

TEST(SlideBar, BadThumbStyleRaisesAndKeepsThePreviousBitmaps) {
    TSlideBar bar;
    bar.SetThumbStyle(TThumbStyle::tsStdDown);
    const QImage thumb = bar.ThumbBitmap();
    const QImage mask = bar.MaskBitmap();
    try {
        bar.SetThumbStyle(static_cast<TThumbStyle>(18));
        FAIL() << "no error raised";
    } catch (const platform::Error& error) {
        EXPECT_STREQ(error.what(), "TSlideBar.SetThumbStyle: Bad value");
    }
    EXPECT_EQ(bar.ThumbStyle(), TThumbStyle::tsStdDown);
    EXPECT_EQ(bar.ThumbBitmap(), thumb);
    EXPECT_EQ(bar.MaskBitmap(), mask);
    EXPECT_THROW(bar.SetThumbStyle(static_cast<TThumbStyle>(-1)), platform::Error);
}

TEST(SlideBar, EveryThumbHasItsSizeAndAMaskThatMatchesIt) {
    struct Expected {
        TThumbStyle style;
        int width, height, maskHeight;
    };
    const Expected table[] = {
        {TThumbStyle::tsBar1, 5, 10, 10},     {TThumbStyle::tsBar2, 6, 12, 12},
        {TThumbStyle::tsBar3, 10, 5, 5},      {TThumbStyle::tsBar4, 12, 6, 6},
        {TThumbStyle::tsCircle1, 8, 8, 8},    {TThumbStyle::tsSquare1, 8, 8, 8},
        {TThumbStyle::tsDiamond1, 8, 8, 8},   {TThumbStyle::tsDiamond2, 12, 12, 12},
        {TThumbStyle::tsDiamond3, 9, 9, 9},   {TThumbStyle::tsDiamond4, 11, 11, 11},
        {TThumbStyle::tsStdDown, 13, 26, 27}, {TThumbStyle::tsStdUp, 13, 26, 26},
        {TThumbStyle::tsStdVBar, 13, 26, 26}, {TThumbStyle::tsStdUpDown, 13, 26, 26},
        {TThumbStyle::tsStdLeft, 26, 12, 12}, {TThumbStyle::tsStdRight, 26, 12, 12},
        {TThumbStyle::tsStdHBar, 26, 13, 13}, {TThumbStyle::stStdLeftRight, 26, 12, 12},
    };
    TSlideBar bar;
    for (const Expected& row : table) {
        SCOPED_TRACE(static_cast<int>(row.style));
        bar.SetThumbStyle(row.style);
        const QImage& thumb = bar.ThumbBitmap();
        const QImage& mask = bar.MaskBitmap();
        ASSERT_EQ(thumb.size(), QSize(row.width, row.height));
        ASSERT_EQ(mask.size(), QSize(row.width, row.maskHeight));
        int opaque = 0;
        for (int y = 0; y < mask.height(); ++y) {
            for (int x = 0; x < mask.width(); ++x) {
                const QRgb m = mask.pixel(x, y) | 0xFF000000U;
                ASSERT_TRUE(m == kBlack || m == kWhite) << x << "," << y;
                if (m == kBlack) ++opaque;
                // Where the background shows through, the thumb must add nothing to it.
                if (m == kWhite && y < thumb.height()) {
                    EXPECT_EQ(thumb.pixel(x, y) | 0xFF000000U, kBlack) << x << "," << y;
                }
                if (y >= row.height) {
                    EXPECT_EQ(m, kWhite) << "spare row";
                }
            }
        }
        EXPECT_GT(opaque, row.width * row.height / 3);
    }
}

TEST(SlideBar, KeysFollowTheTableOnAHorizontalBar) {
    Window w;
    MakeRgbBar(w.bar);
    w.bar.SetPosition(100);
    struct Step {
        Qt::Key key;
        int expected;
    };
    const Step steps[] = {
        {Qt::Key_PageUp, 75}, {Qt::Key_PageDown, 100}, {Qt::Key_Left, 99},
        {Qt::Key_Down, 98},   {Qt::Key_Right, 99},     {Qt::Key_Up, 100},
        {Qt::Key_End, 255},   {Qt::Key_Home, 0},       {Qt::Key_PageUp, 0},
    };
    for (const Step& step : steps) {
        const int before = w.changes;
        QTest::keyClick(&w.bar, step.key);
        EXPECT_EQ(w.bar.Position(), step.expected) << QKeySequence(step.key).toString().toStdString();
        EXPECT_EQ(w.changes, before + 1);
    }
    const int before = w.changes;
    QTest::keyClick(&w.bar, Qt::Key_A);
    QTest::keyClick(&w.bar, Qt::Key_Space);
    EXPECT_EQ(w.bar.Position(), 0);
    EXPECT_EQ(w.changes, before);
}

TEST(SlideBar, HomeGivesMaxAndEndMinOnAVerticalBar) {
    Window w;
    w.bar.resize(15, 100);
    w.Show();
    ASSERT_EQ(w.bar.Orientation(), TOrientation::orVertical);
    w.bar.SetPosition(5);
    QTest::keyClick(&w.bar, Qt::Key_Home);
    EXPECT_EQ(w.bar.Position(), 10);
    QTest::keyClick(&w.bar, Qt::Key_End);
    EXPECT_EQ(w.bar.Position(), 1);
    QTest::keyClick(&w.bar, Qt::Key_Up);  // up is towards Max
    EXPECT_EQ(w.bar.Position(), 2);
    QTest::keyClick(&w.bar, Qt::Key_PageDown);  // Page Down steps up on both orientations
    EXPECT_EQ(w.bar.Position(), 10);
}

TEST(SlideBar, RightArrowAtMaxStaysAndFiresOnce) {
    Window w;
    MakeRgbBar(w.bar);
    w.bar.SetPosition(255);
    const int before = w.changes;
    QTest::keyClick(&w.bar, Qt::Key_Right);
    EXPECT_EQ(w.bar.Position(), 255);
    EXPECT_EQ(w.changes, before + 1);
}

TEST(SlideBar, StepsOfZeroDoNothingAndNegativeStepsGoTheOtherWay) {
    Window w;
    MakeRgbBar(w.bar);
    w.bar.SetPosition(100);
    const int before = w.changes;
    w.bar.StepUp(0);
    w.bar.StepDown(0);
    EXPECT_EQ(w.changes, before);
    w.bar.StepUp(-30);
    EXPECT_EQ(w.bar.Position(), 70);
    w.bar.StepDown(-500);
    EXPECT_EQ(w.bar.Position(), 255);
    w.bar.StepDown(INT_MIN);  // must not overflow on the way to StepUp
    EXPECT_EQ(w.bar.Position(), 255);
    EXPECT_EQ(w.changes, before + 3);
}

TEST(SlideBar, ArrowsReachTheBarWhileTabStillMovesTheFocus) {
    Window w;
    TSlideBar second(&w.window);
    second.move(10, 60);
    w.Activate();
    w.bar.setFocus();
    QTest::keyClick(&w.bar, Qt::Key_Right);
    EXPECT_EQ(w.bar.Position(), 2);
    EXPECT_TRUE(w.bar.hasFocus());
    QTest::keyClick(&w.bar, Qt::Key_Tab);
    EXPECT_TRUE(second.hasFocus());
}

TEST(SlideBar, ResizingToUprightMakesItVerticalWithMinAtTheBottom) {
    Window w;
    w.Show();
    EXPECT_EQ(w.bar.Orientation(), TOrientation::orHorizontal);
    w.bar.resize(15, 100);
    QApplication::processEvents();
    EXPECT_EQ(w.bar.Orientation(), TOrientation::orVertical);
    EXPECT_EQ(w.bar.ThumbRect(), (BarRect{3, 92, 11, 100}));
    // The track now runs down the middle: its left edge at x = 6 from y = 4 to 95.
    const QImage pixels = w.Pixels();
    EXPECT_EQ(pixels.pixel(6, 50), kGray);
    EXPECT_EQ(pixels.pixel(7, 50), kSilver);
    EXPECT_EQ(pixels.pixel(8, 50), kWhite);
    w.bar.SetOrientation(TOrientation::orHorizontal);  // lasts until the next resize
    EXPECT_EQ(w.bar.Orientation(), TOrientation::orHorizontal);
    w.bar.resize(16, 100);
    QApplication::processEvents();
    EXPECT_EQ(w.bar.Orientation(), TOrientation::orVertical);
}

TEST(SlideBar, RgbBarPixels) {
    Window w;
    MakeRgbBar(w.bar);
    w.bar.SetPosition(255);
    w.Show();
    EXPECT_EQ(w.bar.ThumbRect(), (BarRect{187, 0, 198, 11}));
    const QImage pixels = w.Pixels();
    // Raised: white top and left edges, gray bottom and right, the inside rows 4..6 silver.
    EXPECT_EQ(pixels.pixel(5, 3), kWhite);
    EXPECT_EQ(pixels.pixel(100, 3), kWhite);
    EXPECT_EQ(pixels.pixel(5, 6), kWhite);  // the left edge stops short of B
    EXPECT_EQ(pixels.pixel(5, 7), kGray);   // where the bottom edge starts
    EXPECT_EQ(pixels.pixel(100, 7), kGray);
    for (int y = 4; y <= 6; ++y) EXPECT_EQ(pixels.pixel(100, y), kSilver) << y;
    EXPECT_EQ(pixels.pixel(100, 2), kBackground);
    EXPECT_EQ(pixels.pixel(100, 8), kBackground);
    EXPECT_EQ(pixels.pixel(4, 5), kBackground);
    // The thumb at 187..197: opaque in its middle, transparent in its corners.
    const QImage& thumb = w.bar.ThumbBitmap();
    EXPECT_EQ(pixels.pixel(192, 5), thumb.pixel(5, 5) | 0xFF000000U);
    EXPECT_EQ(pixels.pixel(187, 0), kBackground);
    EXPECT_EQ(pixels.pixel(186, 5), kSilver);  // the track goes on under the thumb's left
    // Moved away, the thumb gives back the track's far end: the right edge, drawn last,
    // takes both right corners.
    w.bar.SetPosition(0);
    const QImage moved = w.Pixels();
    EXPECT_EQ(moved.pixel(192, 3), kGray);
    EXPECT_EQ(moved.pixel(192, 7), kGray);
    EXPECT_EQ(moved.pixel(191, 3), kWhite);
    EXPECT_EQ(moved.pixel(191, 5), kSilver);
    EXPECT_EQ(moved.pixel(193, 5), kBackground);
}

TEST(SlideBar, SizeBarTicksAndThumbPixels) {
    Window w;
    MakeSizeBar(w.bar);
    w.bar.SetPosition(7);
    w.Show();
    QImage pixels = w.Pixels();
    // Ticks on row T - 1 = 5: gray at x, white at x + 1 (lowered); 79 is under the thumb.
    const std::vector<int> ticks = {5, 17, 30, 42, 55, 67};
    for (int x = 0; x < 75; ++x) {
        QRgb expected = kBackground;
        for (int tick : ticks) {
            if (x == tick) expected = kGray;
            if (x == tick + 1) expected = kWhite;
        }
        EXPECT_EQ(pixels.pixel(x, 5), expected) << "x " << x;
    }
    // Track: lowered, T = 6, B = 8, the one inside row 7 silver.
    EXPECT_EQ(pixels.pixel(20, 6), kGray);
    EXPECT_EQ(pixels.pixel(20, 7), kSilver);
    EXPECT_EQ(pixels.pixel(20, 8), kWhite);

    // The diamond's left tip (row 5 of the thumb, at y = 2 + 5) marks each thumb's left.
    const int lefts[] = {0, 12, 25, 38, 50, 62, 75};
    const QRgb tip = w.bar.ThumbBitmap().pixel(0, 5) | 0xFF000000U;
    for (int position = 1; position <= 7; ++position) {
        w.bar.SetPosition(position);
        QApplication::processEvents();
        pixels = w.Pixels();
        const int left = lefts[position - 1];
        EXPECT_EQ(w.bar.ThumbRect(), (BarRect{left, 2, left + 11, 13})) << position;
        EXPECT_EQ(pixels.pixel(left, 7), tip) << position;
        if (left > 0) {
            EXPECT_NE(pixels.pixel(left - 1, 7), tip) << position;
        }
    }
}

TEST(SlideBar, MovingTheThumbRepaintsOnlyItsOldAndNewRectangles) {
    Window w;
    MakeRgbBar(w.bar);
    w.Show();
    PaintRecorder recorder;
    w.bar.installEventFilter(&recorder);
    struct Move {
        int from, to;
    };
    for (const Move move : {Move{0, 255}, Move{255, 254}, Move{254, 254}, Move{254, 300}}) {
        w.bar.SetPosition(move.from);
        QApplication::processEvents();
        const QRect before = ToQRect(w.bar.ThumbRect());
        recorder.painted = QRegion();
        recorder.events = 0;
        w.bar.SetPosition(move.to);
        QApplication::processEvents();
        const QRect after = ToQRect(w.bar.ThumbRect());
        EXPECT_GE(recorder.events, 1) << move.from << " -> " << move.to;
        EXPECT_EQ(recorder.painted, QRegion(before) + QRegion(after)) << move.from << " -> " << move.to;
    }
    w.bar.removeEventFilter(&recorder);
}

TEST(SlideBar, MovingTheThumbLeavesTheSamePictureAsAFullPaint) {
    Window w;
    MakeSizeBar(w.bar);
    w.Show();
    for (int position : {7, 3, 4, 1, 6}) w.bar.SetPosition(position);
    QApplication::processEvents();
    TSlideBar fresh(&w.window);
    fresh.move(10, 60);
    MakeSizeBar(fresh);
    fresh.SetPosition(6);
    fresh.show();
    QApplication::processEvents();
    EXPECT_EQ(w.Pixels(), fresh.grab().toImage().convertToFormat(QImage::Format_RGB32));
}

TEST(SlideBar, AClickOnTheTrackMovesByOneJudgedOnRelease) {
    Window w;
    MakeRgbBar(w.bar);
    w.bar.SetPosition(128);  // thumb 94..104, centre 99
    w.Show();
    const int before = w.changes;
    Press(w.bar, {20, 5});
    EXPECT_EQ(w.changes, before);  // nothing happens on the press
    Release(w.bar, {20, 5});
    EXPECT_EQ(w.bar.Position(), 127);
    EXPECT_EQ(w.changes, before + 1);
    // Pressed left of the thumb but released right of its centre: the release decides.
    Press(w.bar, {20, 5});
    Release(w.bar, {180, 5});
    EXPECT_EQ(w.bar.Position(), 128);
    // Not LineSize or PageSize, and other buttons do nothing.
    w.bar.SetLineSize(10);
    Press(w.bar, {180, 5});
    Release(w.bar, {180, 5});
    EXPECT_EQ(w.bar.Position(), 129);
    const int afterClicks = w.changes;
    Press(w.bar, {180, 5}, Qt::RightButton);
    Release(w.bar, {180, 5}, Qt::RightButton);
    EXPECT_EQ(w.bar.Position(), 129);
    EXPECT_EQ(w.changes, afterClicks);
}

TEST(SlideBar, DraggingTheThumbFollowsTheMouseThenSnapsOnRelease) {
    Window w;
    MakeRgbBar(w.bar);
    w.Show();
    Press(w.bar, {5, 5});  // on the thumb at 0..10
    Drag(w.bar, {96, 5});
    EXPECT_EQ(w.bar.Position(), 127);
    EXPECT_EQ(w.bar.ThumbRect().left, 91);  // centred on the mouse, not on 127's place
    Drag(w.bar, {300, 5});
    EXPECT_EQ(w.bar.Position(), 255);
    EXPECT_EQ(w.bar.ThumbRect().left, 187);  // kept inside
    Drag(w.bar, {100, 5});
    const int before = w.changes;
    Drag(w.bar, {100, 40});  // the same x: no change
    EXPECT_EQ(w.changes, before);
    Release(w.bar, {96, 5});
    EXPECT_EQ(w.bar.Position(), 127);
    EXPECT_EQ(w.bar.ThumbRect().left, 93);  // at 127's place again
    EXPECT_EQ(w.changes, before + 1);
    // A release after a drag maps by ValueAtPoint: 193 / 193 x 255.
    Press(w.bar, {98, 5});  // on the thumb at 93..103
    Release(w.bar, {193, 5});
    EXPECT_EQ(w.bar.Position(), 255);
    // Without a press on the thumb, moving does nothing.
    Press(w.bar, {150, 5});
    Drag(w.bar, {160, 5});
    EXPECT_EQ(w.bar.Position(), 255);
    EXPECT_EQ(w.changes, before + 2);
}

TEST(SlideBar, TrackIsFilledWithFocusColorOnlyWhileFocused) {
    Window w;
    TSlideBar other(&w.window);
    other.move(10, 60);
    w.bar.SetPosition(10);  // thumb at the right end, clear of x = 30
    w.Activate();
    other.setFocus();
    QApplication::processEvents();
    // 100 x 15 with thickness 1: T = 6, B = 8, the inside row is 7.
    EXPECT_EQ(w.Pixels().pixel(30, 7), kSilver);
    w.bar.setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(w.bar.hasFocus());
    EXPECT_EQ(w.Pixels().pixel(30, 7), kBlack);
    w.bar.SetFocusColor(platform::clRed);  // stored; shown at the next paint
    other.setFocus();
    w.bar.setFocus();
    QApplication::processEvents();
    EXPECT_EQ(w.Pixels().pixel(30, 7), qRgb(255, 0, 0));
    other.setFocus();
    QApplication::processEvents();
    EXPECT_EQ(w.Pixels().pixel(30, 7), kSilver);
}

TEST(SlideBar, AMousePressTakesTheFocus) {
    Window w;
    TSlideBar other(&w.window);
    other.move(10, 60);
    w.bar.setFocusPolicy(Qt::NoFocus);  // as a bar that is not a tab stop
    w.Activate();
    other.setFocus();
    Press(w.bar, {50, 7}, Qt::RightButton);
    EXPECT_TRUE(w.bar.hasFocus());
}

TEST(SlideBar, BackgroundFollowsTheParentsColour) {
    Window w;
    w.Show();
    EXPECT_EQ(w.Pixels().pixel(50, 0), kBackground);
    QPalette palette = w.window.palette();
    palette.setColor(QPalette::Window, QColor(kWhite));
    w.window.setPalette(palette);
    QApplication::processEvents();
    EXPECT_EQ(w.Pixels().pixel(50, 0), kWhite);
}

TEST(SlideBar, HandCursorCoversTheControlUntilSwitchedOff) {
    QWidget window;
    TSlideBar bar(&window);
    ASSERT_EQ(bar.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(bar.cursor().hotSpot(), QPoint(5, 0));
    EXPECT_FALSE(bar.cursor().pixmap().isNull());
    bar.SetHandCursor(false);
    EXPECT_FALSE(bar.HandCursor());
    EXPECT_FALSE(bar.testAttribute(Qt::WA_SetCursor));
    bar.SetHandCursor(true);
    EXPECT_EQ(bar.cursor().shape(), Qt::BitmapCursor);
}
