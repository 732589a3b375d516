// Pick from Screen on X11, in a real X server (Xvfb), once at a device pixel ratio of 1 and
// once of 2 (QT_SCALE_FACTOR=2). A window whose every device pixel has a colour of its own is
// picked from, so a pick one pixel off shows.
#include <QCursor>
#include <QPainter>
#include <QScreen>
#include <cmath>

#include "app/PickFromScreen.h"
#include "app/ScreenPicker.h"
#include "style/ColorValue.h"
#include "tests/widgets/app/MainWindowFixture.h"

namespace {

// Red counts the device pixel columns of the window, green its rows.
class PatternWindow : public QWidget {
public:
    static constexpr int kSide = 90;
    PatternWindow() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint) {
        setFixedSize(kSide, kSide);
    }
    static std::array<int, 3> At(QPoint pixel) { return {40 + pixel.x(), 40 + pixel.y(), 0x99}; }

protected:
    void paintEvent(QPaintEvent*) override {
        const qreal ratio = devicePixelRatioF();
        QImage image(QSize(kSide, kSide) * ratio, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const std::array<int, 3> rgb = At({x, y});
                image.setPixel(x, y, qRgb(rgb[0], rgb[1], rgb[2]));
            }
        }
        image.setDevicePixelRatio(ratio);
        QPainter(this).drawImage(0, 0, image);
    }
};

enum class End { LeftClick, Enter, Escape, RightClick };

struct PickCase {
    const char* name;
    // Where the pointer is, in logical pixels of the pattern window; a fractional point is
    // only reached by a mouse move.
    QPointF at;
    bool moveThere;
    std::vector<Qt::Key> keys;
    End end;
    bool bodyPage;
    // The pixel picked, in device pixels from the one under the pointer; none for a cancel.
    std::optional<QPoint> shift;
};

void PrintTo(const PickCase& row, std::ostream* out) { *out << row.name; }

const PickCase kPickCases[] = {
    {"ClickPicksThePixelUnderThePointer", {20.5, 30.5}, true, {}, End::LeftClick, false, QPoint(0, 0)},
    {"EnterPicksWhereThePointerStood", {33, 44}, false, {}, End::Enter, false, QPoint(0, 0)},
    {"ArrowKeysMoveByOneDevicePixel",
     {50.5, 40},
     true,
     {Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left},
     End::LeftClick,
     false,
     QPoint(-2, 2)},
    {"BodyPageSetsTheSelectedColor", {70.5, 11.5}, true, {Qt::Key_Up}, End::LeftClick, true, QPoint(0, -1)},
    {"EscapeCancels", {10, 10}, true, {Qt::Key_Right}, End::Escape, false, std::nullopt},
    {"RightClickCancels", {12.5, 60}, true, {}, End::RightClick, false, std::nullopt},
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
        pattern.move(20, 20);
        pattern.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&pattern));
        pattern.raise();
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

    PatternWindow pattern;
};

TEST_P(ScreenPickerTest, PicksTheDevicePixelOrChangesNothing) {
    const PickCase& row = GetParam();
    if (row.bodyPage) {
        ShowBodyPage();
        QTest::mouseClick(window->chkVisited, Qt::LeftButton, {}, QPoint(5, 5));
    }
    const std::array<int, 3> before = Bars();
    const std::string tagBefore = Tag();
    const double ratio = pattern.devicePixelRatioF();
    const QPointF global = pattern.mapToGlobal(row.at);
    QCursor::setPos(pattern.screen(), QPoint(static_cast<int>(global.x()), static_cast<int>(global.y())));
    QTest::qWait(100);

    PickFromScreen(*window, TPickRoute::Overlay);
    TScreenPicker* picker = TScreenPicker::Running();
    ASSERT_NE(picker, nullptr);
    ASSERT_EQ(picker->Ratio(picker->ActiveScreen()), ratio);
    QWidget* overlay = picker->Overlays().at(static_cast<std::size_t>(picker->ActiveScreen()));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(overlay));
    QTest::qWait(100);

    if (row.moveThere) SendMouse(overlay, QEvent::MouseMove, overlay->mapFromGlobal(global), Qt::NoButton);
    for (Qt::Key key : row.keys) QTest::keyClick(overlay, key);
    QTest::qWait(100);

    const QPoint under(static_cast<int>(std::floor(row.at.x() * ratio)),
                       static_cast<int>(std::floor(row.at.y() * ratio)));
    if (row.shift) {
        // The magnifier shows the pixel about to be picked in its middle, its neighbours around.
        const QPoint picked = under + *row.shift;
        EXPECT_EQ(LensCell(overlay, *picker, 4, 4), PatternWindow::At(picked));
        EXPECT_EQ(LensCell(overlay, *picker, 5, 4), PatternWindow::At(picked + QPoint(1, 0)));
        EXPECT_EQ(LensCell(overlay, *picker, 4, 3), PatternWindow::At(picked + QPoint(0, -1)));
    }

    // A click comes where the pointer is: where the mouse moved it, to a fraction of a logical
    // pixel, or where the arrow keys put it, on a whole one.
    const QPointF pointer = overlay->mapFromGlobal(row.keys.empty() ? global : QPointF(QCursor::pos()));
    switch (row.end) {
        case End::LeftClick:
        case End::RightClick: {
            const Qt::MouseButton button = row.end == End::LeftClick ? Qt::LeftButton : Qt::RightButton;
            SendMouse(overlay, QEvent::MouseButtonPress, pointer, button);
            break;
        }
        case End::Enter: QTest::keyClick(overlay, Qt::Key_Return); break;
        case End::Escape: QTest::keyClick(overlay, Qt::Key_Escape); break;
    }
    EXPECT_EQ(TScreenPicker::Running(), nullptr);
    // The keyboard is the main window's again.
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_TRUE(QTest::qWaitFor([] {
        const QWidgetList shown = QApplication::topLevelWidgets();
        return std::none_of(shown.begin(), shown.end(), [](QWidget* widget) {
            return widget->objectName() == "PickerOverlay" && widget->isVisible();
        });
    }));

    if (!row.shift) {
        EXPECT_EQ(Bars(), before);
        EXPECT_EQ(Tag(), tagBefore);
        return;
    }
    const std::array<int, 3> expected = PatternWindow::At(under + *row.shift);
    EXPECT_EQ(Bars(), expected);
    const std::string code = colorvalue::TagFormFromChannels(expected[0], expected[1], expected[2]);
    const std::string attribute = row.bodyPage ? "VLINK=\"#" : "COLOR=\"#";
    EXPECT_NE(Tag().find(attribute + code + "\""), std::string::npos) << Tag();
}

INSTANTIATE_TEST_SUITE_P(X11, ScreenPickerTest, ::testing::ValuesIn(kPickCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
