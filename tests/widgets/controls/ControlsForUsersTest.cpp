// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QTest>

#include "controls/BoxLabl.h"
#include "controls/HotSpot.h"
#include "controls/SlideBar.h"

using namespace controls;

namespace {

const QRgb kGray = qRgb(128, 128, 128);
const QRgb kWhite = qRgb(255, 255, 255);

// Counts the paints a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

// An upright bar draws its ticks as 2-pixel stubs on and left of the track's left edge,
// gray then white for a lowered track, and nothing right of the track.
TEST(SlideBarTicks, UprightBarTicksStandLeftOfTheTrack) {
    TSlideBar bar;
    bar.resize(15, 86);
    bar.SetMin(1);
    bar.SetMax(7);
    bar.SetThumbStyle(TThumbStyle::tsDiamond4);
    bar.SetPosition(7);  // the thumb at the top, away from the lower ticks
    const QImage pixels = bar.grab().toImage();
    const QRgb background = bar.palette().color(QPalette::Window).rgb();

    SlideBarLayout layout;
    layout.width = 15;
    layout.height = 86;
    layout.thumbWidth = bar.ThumbBitmap().width();
    layout.thumbHeight = bar.ThumbBitmap().height();
    layout.min = 1;
    layout.max = 7;
    layout.orientation = TOrientation::orVertical;
    const BarRect box = TrackBox(layout);
    const BarRect thumb = bar.ThumbRect();
    int checked = 0;
    for (const int y : TickPositions(layout, 1)) {
        if (y + 1 >= thumb.top && y < thumb.bottom) continue;
        EXPECT_EQ(pixels.pixel(box.left - 1, y), kGray) << "y " << y;
        EXPECT_EQ(pixels.pixel(box.left - 1, y + 1), kWhite) << "y " << y;
        EXPECT_EQ(pixels.pixel(box.left - 2, y), background) << "y " << y;
        EXPECT_EQ(pixels.pixel(box.right + 1, y), background) << "y " << y;
        EXPECT_EQ(pixels.pixel(box.right + 1, y + 1), background) << "y " << y;
        ++checked;
    }
    EXPECT_GE(checked, 5);
}

// A shown box label paints again when its text changes, and only then.
TEST(BoxLabelRepaint, ANewTextRepaintsTheLabel) {
    TBoxLabel label;
    label.resize(85, 18);
    label.SetCaption(QStringLiteral("a.gif"));
    label.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&label));
    const QImage before = label.grab().toImage();
    PaintCounter counter;
    label.installEventFilter(&counter);
    QApplication::processEvents();
    counter.paints = 0;

    label.SetCaption(QStringLiteral("a.gif"));
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, 0) << "the same text repaints";

    label.SetCaption(QStringLiteral("sunset.gif"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return counter.paints > 0; }));
    EXPECT_NE(label.grab().toImage(), before);
}

// Screen readers meet the custom controls as what they are.
TEST(AccessibleControls, SlideBarIsASliderWithItsValueAndRange) {
    TSlideBar bar;
    bar.setAccessibleName(QStringLiteral("Font Size"));
    bar.SetMin(1);
    bar.SetMax(7);
    bar.SetPosition(4);
    QAccessibleInterface* slider = QAccessible::queryAccessibleInterface(&bar);
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->role(), QAccessible::Slider);
    EXPECT_EQ(slider->text(QAccessible::Name), "Font Size");
    EXPECT_EQ(slider->text(QAccessible::Value), "4");
    QAccessibleValueInterface* value = slider->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toInt(), 4);
    EXPECT_EQ(value->minimumValue().toInt(), 1);
    EXPECT_EQ(value->maximumValue().toInt(), 7);
    value->setCurrentValue(6);
    EXPECT_EQ(bar.Position(), 6);
}

TEST(AccessibleControls, HotspotIsAButtonThatAScreenReaderCanPress) {
    THotspot hotspot;
    hotspot.SetHint(QStringLiteral("Olive"));
    int clicks = 0;
    QObject::connect(&hotspot, &THotspot::OnClick, [&] { ++clicks; });
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(&hotspot);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->role(), QAccessible::Button);
    EXPECT_EQ(button->text(QAccessible::Name), "Olive");
    ASSERT_NE(button->actionInterface(), nullptr);
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 1);
}

TEST(AccessibleControls, BoxLabelIsNamedByItsText) {
    TBoxLabel label;
    label.setAccessibleName(QStringLiteral("Picture file"));
    QAccessibleInterface* text = QAccessible::queryAccessibleInterface(&label);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->role(), QAccessible::StaticText);
    label.SetCaption(QString());
    EXPECT_EQ(text->text(QAccessible::Name), "Picture file");
    label.SetCaption(QStringLiteral("sunset.gif"));
    EXPECT_EQ(text->text(QAccessible::Name), "sunset.gif");
}
