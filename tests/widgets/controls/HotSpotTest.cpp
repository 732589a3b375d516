// SPDX-License-Identifier: GPL-3.0-or-later
// Mouse events go through the window as the windowing system's would, so that Qt finds the
// widget under the point and keeps the mouse with it from press to release.
#define QTEST_QPA_MOUSE_HANDLING

#include <gtest/gtest.h>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "controls/HotSpot.h"

using namespace controls;

namespace {

// Stands in for a filled shape: paints itself red and counts the presses it gets.
class Shape : public QWidget {
public:
    using QWidget::QWidget;
    int presses = 0;

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::red); }
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

// A shown window with a shape at (10, 10), 25 x 25, and a hotspot laid exactly over it.
struct Panel {
    QWidget window;
    Shape shape{&window};
    THotspot hotspot{&window};

    Panel() {
        window.resize(80, 60);
        shape.setGeometry(10, 10, 25, 25);
        hotspot.move(10, 10);
        window.show();
    }
};

}  // namespace

TEST(Hotspot, NewHotspotIs25By25AndTakesNoFocus) {
    THotspot hotspot;
    EXPECT_EQ(hotspot.size(), QSize(25, 25));
    EXPECT_EQ(hotspot.focusPolicy(), Qt::NoFocus);
    hotspot.SetHint(QStringLiteral("Red"));
    EXPECT_EQ(hotspot.toolTip(), QStringLiteral("Red"));
    EXPECT_EQ(hotspot.Hint(), QStringLiteral("Red"));
}

TEST(Hotspot, LeavesTheShapeUnderItUnchanged) {
    QWidget window;
    window.resize(80, 60);
    Shape shape(&window);
    shape.setGeometry(10, 10, 25, 25);
    const QImage before = window.grab().toImage();
    THotspot hotspot(&window);
    hotspot.move(5, 5);  // over the shape's edge and the window's background
    hotspot.show();
    EXPECT_EQ(window.grab().toImage(), before);
}

TEST(Hotspot, ClickOnEveryPixelRaisesOneClickAndNothingOnTheShape) {
    Panel panel;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel.window));
    QSignalSpy clicks(&panel.hotspot, &THotspot::OnClick);
    QSignalSpy doubles(&panel.hotspot, &THotspot::OnDblClick);
    int expected = 0;
    for (int y = 0; y < 25; ++y) {
        for (int x = 0; x < 25; ++x) {
            // Clicked at the window's coordinates: Qt picks the widget under the point.
            QTest::mouseClick(&panel.window, Qt::LeftButton, {}, QPoint(10 + x, 10 + y));
            ++expected;
            ASSERT_EQ(clicks.count(), expected) << "at " << x << ", " << y;
        }
    }
    EXPECT_EQ(doubles.count(), 0);
    EXPECT_EQ(panel.shape.presses, 0);
    EXPECT_EQ(clicks.at(0).at(0).value<THotspot*>(), &panel.hotspot);

    QTest::mouseClick(&panel.window, Qt::LeftButton, {}, QPoint(35, 35));
    EXPECT_EQ(clicks.count(), expected) << "just outside";
}

TEST(Hotspot, ReleaseOutsideIsNoClick) {
    Panel panel;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel.window));
    QSignalSpy clicks(&panel.hotspot, &THotspot::OnClick);
    QSignalSpy ups(&panel.hotspot, &THotspot::OnMouseUp);
    QTest::mousePress(&panel.window, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseRelease(&panel.window, Qt::LeftButton, {}, QPoint(60, 50));
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(ups.count(), 1) << "the hotspot keeps the mouse until the release";
}

TEST(Hotspot, DoubleClickRaisesOneDoubleClick) {
    Panel panel;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel.window));
    QSignalSpy doubles(&panel.hotspot, &THotspot::OnDblClick);
    QSignalSpy downs(&panel.hotspot, &THotspot::OnMouseDown);
    QTest::mouseDClick(&panel.window, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(doubles.count(), 1);
    EXPECT_EQ(downs.count(), 2);
}

TEST(Hotspot, LaterCreatedHotspotLiesOnTop) {
    Panel panel;
    THotspot later(&panel.window);
    later.move(20, 20);  // overlaps the first one's bottom-right part
    later.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel.window));
    QSignalSpy first(&panel.hotspot, &THotspot::OnClick);
    QSignalSpy second(&later, &THotspot::OnClick);
    QTest::mouseClick(&panel.window, Qt::LeftButton, {}, QPoint(25, 25));
    EXPECT_EQ(first.count(), 0);
    EXPECT_EQ(second.count(), 1);
    QTest::mouseClick(&panel.window, Qt::LeftButton, {}, QPoint(12, 12));
    EXPECT_EQ(first.count(), 1);
    EXPECT_EQ(second.count(), 1);
}
