// SPDX-License-Identifier: GPL-3.0-or-later
// Pick from Screen on X11, in a real X server (Xvfb), at device pixel ratios of 1, 2 and 1.75
// (QT_SCALE_FACTOR). A window whose every device pixel has a colour of its own is picked
// from, so a pick one device pixel off shows.
#include <QCursor>
#include <QLabel>
#include <QScreen>

#include "app/PickFromScreen.h"
#include "app/ScreenPicker.h"
#include "platform/DevicePointer.h"
#include "style/ColorValue.h"
#include "tests/widgets/app/MainWindowFixture.h"

namespace {

// The pattern's colour at a device pixel: red counts the columns, green the rows.
std::array<int, 3> PatternAt(QPoint pixel) { return {40 + pixel.x(), 40 + pixel.y(), 0x99}; }

enum class End { LeftClick, Enter, Escape, RightClick };

struct PickCase {
    const char* name;
    // The pattern's device pixel under the pointer, where the X server puts the pointer.
    QPoint pointer;
    bool moveThere;
    std::vector<Qt::Key> keys;
    End end;
    bool bodyPage;
    // The device pixel picked; none for a cancel.
    std::optional<QPoint> picked;
};

void PrintTo(const PickCase& row, std::ostream* out) { *out << row.name; }

const PickCase kPickCases[] = {
    // 61 / 1.75 * 1.75 comes out a hair below 61.
    {"ClickPicksThePixelUnderThePointer", {41, 61}, true, {}, End::LeftClick, false, QPoint(41, 61)},
    {"EnterPicksWhereThePointerStood", {70, 84}, false, {}, End::Enter, false, QPoint(70, 84)},
    {"ArrowKeysMoveByOneDevicePixel",
     {51, 40},
     true,
     {Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left},
     End::LeftClick,
     false,
     QPoint(49, 42)},
    {"BodyPageSetsTheSelectedColor", {71, 23}, true, {Qt::Key_Up}, End::LeftClick, true, QPoint(71, 22)},
    {"EscapeCancels", {10, 10}, true, {Qt::Key_Right}, End::Escape, false, std::nullopt},
    {"RightClickCancels", {25, 60}, true, {}, End::RightClick, false, std::nullopt},
};

void SendMouse(QWidget* widget, QEvent::Type type, QPointF at, Qt::MouseButton button) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

class ScreenPickerTest : public MainWindowTest, public ::testing::WithParamInterface<PickCase> {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        const qreal ratio = window->devicePixelRatioF();
        QImage image(QSize(90, 90) * ratio, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const std::array<int, 3> rgb = PatternAt({x, y});
                image.setPixel(x, y, qRgb(rgb[0], rgb[1], rgb[2]));
            }
        }
        image.setDevicePixelRatio(ratio);
        pattern.setPixmap(QPixmap::fromImage(image));
        pattern.setAlignment(Qt::AlignLeft | Qt::AlignTop);
        pattern.setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint);
        pattern.move(20, 20);
        pattern.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&pattern));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::qWait(200);
    }

    // The magnifier's cell `column`, `row` (0..8) as the overlay shows it.
    static std::array<int, 3> LensCell(QWidget* overlay, const TScreenPicker& picker, int column, int row) {
        const double ratio = picker.Ratio(picker.ActiveScreen());
        const pickerlens::Point pointer = pickerlens::LogicalPointOf(picker.Centre(), ratio);
        const pickerlens::Point lens = pickerlens::LensOrigin(pointer, overlay->width(), overlay->height());
        const QPoint middle(lens.x + column * pickerlens::kCellSize + pickerlens::kCellSize / 2,
                            lens.y + row * pickerlens::kCellSize + pickerlens::kCellSize / 2);
        const QColor shown = overlay->grab().toImage().pixelColor(middle * ratio);
        return {shown.red(), shown.green(), shown.blue()};
    }

    QLabel pattern;
};

TEST_P(ScreenPickerTest, PicksTheDevicePixelOrChangesNothing) {
    const PickCase& row = GetParam();
    if (row.bodyPage) {
        ShowBodyPage();
        QTest::mouseClick(window->chkVisited, Qt::LeftButton, {}, QPoint(5, 5));
    }
    const std::array<int, 3> before = Bars();
    const std::string tagBefore = Tag();
    const QPointF global = pattern.mapToGlobal(QPointF(row.pointer) / pattern.devicePixelRatioF());
    // The X server's pointer, on the very device pixel, as a real move puts it; the screen's
    // corner is the X screen's.
    const QPoint device = (pattern.mapToGlobal(QPoint(0, 0)) * pattern.devicePixelRatioF()) + row.pointer;
    ASSERT_TRUE(platform::MoveDevicePointer(device));
    QTest::qWait(100);

    PickFromScreen(*window, TPickRoute::Overlay);
    TScreenPicker* picker = TScreenPicker::Running();
    ASSERT_NE(picker, nullptr);
    QWidget* overlay = picker->Overlays().at(static_cast<std::size_t>(picker->ActiveScreen()));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(overlay));
    QTest::qWait(100);

    if (row.moveThere) SendMouse(overlay, QEvent::MouseMove, overlay->mapFromGlobal(global), Qt::NoButton);
    for (Qt::Key key : row.keys) QTest::keyClick(overlay, key);
    QTest::qWait(100);
    if (row.picked) {
        // The magnifier shows the pixel about to be picked in its middle, its neighbours around.
        EXPECT_EQ(LensCell(overlay, *picker, 4, 4), PatternAt(*row.picked));
        EXPECT_EQ(LensCell(overlay, *picker, 5, 4), PatternAt(*row.picked + QPoint(1, 0)));
        EXPECT_EQ(LensCell(overlay, *picker, 4, 3), PatternAt(*row.picked + QPoint(0, -1)));
    }

    // A click comes where the pointer is; the picker asks the X server where that is.
    const QPointF pointer = overlay->mapFromGlobal(row.keys.empty() ? global : QPointF(QCursor::pos()));
    switch (row.end) {
        case End::LeftClick: SendMouse(overlay, QEvent::MouseButtonPress, pointer, Qt::LeftButton); break;
        case End::RightClick: SendMouse(overlay, QEvent::MouseButtonPress, pointer, Qt::RightButton); break;
        case End::Enter: QTest::keyClick(overlay, Qt::Key_Return); break;
        case End::Escape: QTest::keyClick(overlay, Qt::Key_Escape); break;
    }
    EXPECT_EQ(TScreenPicker::Running(), nullptr);
    // The picker and its overlays are gone, and the keyboard is the main window's again.
    EXPECT_TRUE(QTest::qWaitFor([running = QPointer<TScreenPicker>(picker)] {
        const QWidgetList shown = QApplication::topLevelWidgets();
        return running.isNull() && std::none_of(shown.begin(), shown.end(), [](QWidget* widget) {
                   return widget->objectName() == "PickerOverlay";
               });
    }));
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));

    if (!row.picked) {
        EXPECT_EQ(Bars(), before);
        EXPECT_EQ(Tag(), tagBefore);
        return;
    }
    const std::array<int, 3> expected = PatternAt(*row.picked);
    EXPECT_EQ(Bars(), expected);
    const std::string code = colorvalue::TagFormFromChannels(expected[0], expected[1], expected[2]);
    const std::string attribute = row.bodyPage ? "VLINK=\"#" : "COLOR=\"#";
    EXPECT_NE(Tag().find(attribute + code + "\""), std::string::npos) << Tag();
}

INSTANTIATE_TEST_SUITE_P(X11, ScreenPickerTest, ::testing::ValuesIn(kPickCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
