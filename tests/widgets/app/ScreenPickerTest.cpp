// SPDX-License-Identifier: GPL-3.0-or-later
// Pick from Screen on X11, in a real X server (Xvfb), at device pixel ratios of 1, 2 and 1.75
// (QT_SCALE_FACTOR). A window whose every device pixel has a colour of its own is picked
// from, so a pick one device pixel off shows, and an average differs from its middle pixel.
#include <unistd.h>
#include <QCursor>
#include <QLabel>
#include <QScreen>

#include <QUndoStack>
#include <cmath>
#include <fstream>

#include "app/PickFromScreen.h"
#include "app/ScreenPicker.h"
#include "platform/DevicePointer.h"
#include "style/ColorValue.h"
#include "tests/widgets/app/MainWindowFixture.h"

namespace {

// The pattern's colour at a device pixel: red counts the columns, green the rows, and blue
// steps with odd columns and every third row, so that no square's average is its middle.
std::array<int, 3> PatternAt(QPoint pixel) {
    return {40 + pixel.x(), 40 + pixel.y(), 0x60 + (pixel.x() % 2) * 0x30 + (pixel.y() % 3 == 0 ? 0x0D : 0)};
}

// The pattern averaged over the square `side` device pixels across around `middle`.
std::array<int, 3> AverageAround(QPoint middle, int side) {
    std::array<double, 3> sum{};
    for (int dy = -side / 2; dy <= side / 2; ++dy) {
        for (int dx = -side / 2; dx <= side / 2; ++dx) {
            const std::array<int, 3> rgb = PatternAt(middle + QPoint(dx, dy));
            for (std::size_t n = 0; n < 3; ++n) sum[n] += rgb[n];
        }
    }
    std::array<int, 3> average{};
    for (std::size_t n = 0; n < 3; ++n) average[n] = static_cast<int>(std::lround(sum[n] / (side * side)));
    return average;
}

enum class End { LeftClick, Enter, Escape, RightClick };

// A key with its modifiers, or a turn of the wheel (eighths of a degree, 120 a notch).
struct Input {
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers;
    int wheel = 0;
};
Input Key(Qt::Key key) { return {key, Qt::NoModifier, 0}; }
Input Shift(Qt::Key key) { return {key, Qt::ShiftModifier, 0}; }
Input Wheel(int delta) { return {Qt::Key_unknown, Qt::NoModifier, delta}; }

struct PickCase {
    const char* name;
    // The pattern's device pixel under the pointer, where the X server puts the pointer.
    QPoint pointer;
    bool moveThere;
    std::vector<Input> inputs;
    End end;
    bool bodyPage;
    // The device pixel picked (the middle of the square averaged); none for a cancel.
    std::optional<QPoint> picked;
    // The magnifier's cells across, and the side of the square picked.
    int cells;
    int sample;
};

void PrintTo(const PickCase& row, std::ostream* out) { *out << row.name; }

const PickCase kPickCases[] = {
    // 61 / 1.75 * 1.75 comes out a hair below 61.
    {"ClickPicksThePixelUnderThePointer", {41, 61}, true, {}, End::LeftClick, false, QPoint(41, 61), 9, 1},
    {"EnterPicksWhereThePointerStood", {70, 84}, false, {}, End::Enter, false, QPoint(70, 84), 9, 1},
    {"ArrowKeysMoveByOneDevicePixel",
     {51, 40},
     true,
     {Key(Qt::Key_Right), Key(Qt::Key_Down), Key(Qt::Key_Down), Key(Qt::Key_Left), Key(Qt::Key_Left),
      Key(Qt::Key_Left)},
     End::LeftClick,
     false,
     QPoint(49, 42),
     9,
     1},
    {"ShiftArrowKeysMoveByTenDevicePixels",
     {30, 35},
     true,
     {Shift(Qt::Key_Right), Shift(Qt::Key_Down), Shift(Qt::Key_Down), Key(Qt::Key_Left), Shift(Qt::Key_Up)},
     End::Enter,
     false,
     QPoint(39, 45),
     9,
     1},
    {"BodyPageSetsTheSelectedColor",
     {71, 23},
     true,
     {Key(Qt::Key_Up)},
     End::LeftClick,
     true,
     QPoint(71, 22),
     9,
     1},
    // Zoom: 5, 9, 15 and 25 cells across, the wheel turned away from the user magnifying.
    {"WheelUpShowsFiveCells", {45, 50}, true, {Wheel(120)}, End::LeftClick, false, QPoint(45, 50), 5, 1},
    {"SmoothWheelDownCountsWholeNotches",
     {50, 40},
     true,
     {Wheel(-60), Wheel(-40), Wheel(-20), Wheel(-119)},
     End::Enter,
     false,
     QPoint(50, 40),
     15,
     1},
    {"WheelDownStopsAtTwentyFiveCells",
     {40, 45},
     true,
     {Wheel(-240), Wheel(-120), Wheel(-120)},
     End::Enter,
     false,
     QPoint(40, 45),
     25,
     1},
    {"PlusMagnifiesAndStopsAtFiveCells",
     {44, 46},
     true,
     {Key(Qt::Key_Minus), Key(Qt::Key_Plus), Key(Qt::Key_Plus), Key(Qt::Key_Plus)},
     End::Enter,
     false,
     QPoint(44, 46),
     5,
     1},
    {"EqualsIsPlusAndMinusShowsMore",
     {47, 44},
     true,
     {Key(Qt::Key_Minus), Key(Qt::Key_Minus), Key(Qt::Key_Equal)},
     End::LeftClick,
     false,
     QPoint(47, 44),
     15,
     1},
    // A: one pixel, the average of 3 x 3, of 5 x 5, and one pixel again.
    {"APicksTheAverageOfThreeByThree",
     {43, 44},
     true,
     {Key(Qt::Key_A)},
     End::Enter,
     false,
     QPoint(43, 44),
     9,
     3},
    {"ATwicePicksTheAverageOfFiveByFive",
     {52, 48},
     true,
     {Key(Qt::Key_A), Key(Qt::Key_A), Wheel(120), Key(Qt::Key_Right)},
     End::LeftClick,
     false,
     QPoint(53, 48),
     5,
     5},
    {"AThriceIsOnePixelAgain",
     {38, 51},
     true,
     {Key(Qt::Key_A), Key(Qt::Key_A), Key(Qt::Key_A)},
     End::Enter,
     true,
     QPoint(38, 51),
     9,
     1},
    {"EscapeCancels",
     {10, 10},
     true,
     {Key(Qt::Key_Right), Key(Qt::Key_A)},
     End::Escape,
     false,
     std::nullopt,
     9,
     3},
    {"RightClickCancels", {25, 60}, true, {}, End::RightClick, false, std::nullopt, 9, 1},
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

    // The colour the screen shows at `x`, `y` logical pixels from the lens's corner, as the X
    // server holds it: what the overlay last drew, not what it would draw now.
    static std::array<int, 3> LensPixel(QWidget* overlay, const TScreenPicker& picker, int x, int y) {
        const double ratio = picker.Ratio(picker.ActiveScreen());
        const pickerlens::Point pointer = pickerlens::LogicalPointOf(picker.Centre(), ratio);
        const pickerlens::Point lens =
            pickerlens::LensOrigin(pointer, picker.ZoomStep(), overlay->width(), overlay->height());
        const QImage screen = overlay->screen()->grabWindow(0).toImage();
        const QColor shown = screen.pixelColor(QPoint(lens.x + x, lens.y + y) * ratio);
        return {shown.red(), shown.green(), shown.blue()};
    }
    // The magnifier's cell `dx`, `dy` cells from its middle one, at `cells` cells across.
    static std::array<int, 3> LensCell(QWidget* overlay, const TScreenPicker& picker, int cells, int dx,
                                       int dy) {
        const int size = pickerlens::kLensWidth / cells;
        return LensPixel(overlay, picker, (cells / 2 + dx) * size + size / 2,
                         (cells / 2 + dy) * size + size / 2);
    }
    // The strip under the code: the colour replaced (left half) and the new one (right half),
    // looked at just beside the middle.
    static std::array<int, 3> LensSwatch(QWidget* overlay, const TScreenPicker& picker, int cells,
                                         bool right) {
        const int side = pickerlens::kLensWidth / cells * cells;
        return LensPixel(overlay, picker, side / 2 + (right ? 3 : -3),
                         side + pickerlens::kCodeHeight + pickerlens::kSwatchHeight / 2);
    }
    static void Send(QWidget* overlay, const Input& input) {
        if (input.wheel == 0) {
            QTest::keyClick(overlay, input.key, input.modifiers);
            return;
        }
        const QPointF at = overlay->mapFromGlobal(QCursor::pos());
        QWheelEvent event(at, overlay->mapToGlobal(at), QPoint(), QPoint(0, input.wheel), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(overlay, &event);
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
    for (const Input& input : row.inputs) Send(overlay, input);
    QTest::qWait(100);
    const std::array<int, 3> expected = row.picked ? AverageAround(*row.picked, row.sample) : before;
    const int reach = row.cells / 2;
    if (row.picked) {
        // The magnifier shows the pixel about to be picked in its middle, its neighbours
        // around, as far as its edges at this zoom; and under the code the colour replaced
        // beside the one about to be picked.
        EXPECT_EQ(LensCell(overlay, *picker, row.cells, 0, 0), PatternAt(*row.picked));
        EXPECT_EQ(LensCell(overlay, *picker, row.cells, 1, 0), PatternAt(*row.picked + QPoint(1, 0)));
        EXPECT_EQ(LensCell(overlay, *picker, row.cells, 0, -1), PatternAt(*row.picked + QPoint(0, -1)));
        EXPECT_EQ(LensCell(overlay, *picker, row.cells, reach, -reach),
                  PatternAt(*row.picked + QPoint(reach, -reach)));
        EXPECT_EQ(LensCell(overlay, *picker, row.cells, -reach, reach),
                  PatternAt(*row.picked + QPoint(-reach, reach)));
        EXPECT_EQ(LensSwatch(overlay, *picker, row.cells, false), before);
        EXPECT_EQ(LensSwatch(overlay, *picker, row.cells, true), expected);
        EXPECT_EQ(overlay->accessibleDescription().toStdString(),
                  "#" + colorvalue::TagFormFromChannels(expected[0], expected[1], expected[2]));
    }
    const std::vector<TPickerOverlay*> shownOverlays = picker->Overlays();
    const std::vector<QPointer<TPickerOverlay>> overlays(shownOverlays.begin(), shownOverlays.end());

    // A click comes where the pointer is; the picker asks the X server where that is.
    const bool moved = std::any_of(row.inputs.begin(), row.inputs.end(), [](const Input& input) {
        return input.wheel == 0 && input.key != Qt::Key_A;
    });
    const QPointF pointer = overlay->mapFromGlobal(moved ? QPointF(QCursor::pos()) : global);
    switch (row.end) {
        case End::LeftClick: SendMouse(overlay, QEvent::MouseButtonPress, pointer, Qt::LeftButton); break;
        case End::RightClick: SendMouse(overlay, QEvent::MouseButtonPress, pointer, Qt::RightButton); break;
        case End::Enter: QTest::keyClick(overlay, Qt::Key_Return); break;
        case End::Escape: QTest::keyClick(overlay, Qt::Key_Escape); break;
    }
    EXPECT_EQ(TScreenPicker::Running(), nullptr);
    // Keys that reach the closed overlay before it goes change nothing.
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_A, Qt::Key_Plus, Qt::Key_Return})
        QTest::keyClick(overlay, key);
    // The screens' pictures are let go at the end, before the event loop deletes the overlays.
    for (const QPointer<TPickerOverlay>& shown : overlays) {
        ASSERT_FALSE(shown.isNull());
        EXPECT_FALSE(shown->HoldsGrab());
        EXPECT_FALSE(shown->isVisible());
    }
    EXPECT_FALSE(picker->HoldsScreens());
    // The picker and its overlays are gone, and the keyboard is the main window's again.
    EXPECT_TRUE(QTest::qWaitFor([running = QPointer<TScreenPicker>(picker), &overlays] {
        return running.isNull() &&
               std::all_of(overlays.begin(), overlays.end(),
                           [](const QPointer<TPickerOverlay>& gone) { return gone.isNull(); });
    }));
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));

    if (!row.picked) {
        EXPECT_EQ(Bars(), before);
        EXPECT_EQ(Tag(), tagBefore);
        EXPECT_TRUE(window->mnuEditRecentColors->Colors().empty());
        return;
    }
    EXPECT_EQ(Bars(), expected);
    // The pick is the newest of Edit > Recent Colors.
    EXPECT_EQ(window->mnuEditRecentColors->Colors(),
              std::vector{colorvalue::ColorFromChannels(expected[0], expected[1], expected[2])});
    const std::string code = colorvalue::TagFormFromChannels(expected[0], expected[1], expected[2]);
    const std::string attribute = row.bodyPage ? "VLINK=\"#" : "COLOR=\"#";
    EXPECT_NE(Tag().find(attribute + code + "\""), std::string::npos) << Tag();
}

// The memory the process holds now, in bytes.
long ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

class ScreenPickerMemoryTest : public MainWindowTest {
protected:
    // Starts a pick and cancels it; the resident memory while it ran.
    long PickAndCancel() {
        PickFromScreen(*window, TPickRoute::Overlay);
        const QPointer<TScreenPicker> picker = TScreenPicker::Running();
        EXPECT_FALSE(picker.isNull());
        if (picker.isNull()) return 0;
        QWidget* overlay = picker->Overlays().at(static_cast<std::size_t>(picker->ActiveScreen()));
        EXPECT_TRUE(QTest::qWaitForWindowExposed(overlay));
        const long during = ResidentBytes();
        QTest::keyClick(overlay, Qt::Key_Escape);
        EXPECT_TRUE(QTest::qWaitFor([&] { return picker.isNull(); }));
        return during;
    }
};

// On a 4K screen a picture of it is 33 MB, and the picker holds it while it runs. Once the
// pick is over the process holds what it held before, pick after pick: the first pick's
// pictures are freed differently from the later ones', so the later ones are measured. What
// else the toolkit keeps from a pick has been seen to reach 24 MB, some of it for a moment
// only, so the measure waits a little, and less than a whole picture counts as none kept.
TEST_F(ScreenPickerMemoryTest, APickLeavesNoPictureOfTheScreenBehind) {
    const QScreen* screen = window->screen();
    const double ratio = screen->devicePixelRatio();
    const long picture = std::lround(screen->geometry().width() * ratio) *
                         std::lround(screen->geometry().height() * ratio) * 4L;
    if (picture < 16'000'000)
        GTEST_SKIP() << "a screen of 4 million pixels or more tells a picture from noise";
    PickAndCancel();
    const long before = ResidentBytes();
    for (int pick = 1; pick <= 3; ++pick) {
        SCOPED_TRACE(pick);
        const long during = PickAndCancel();
        EXPECT_GT(during - before, picture / 2);
        // The overlay's window and its backing store go a few events after the picker itself.
        const bool settled = QTest::qWaitFor([&] { return ResidentBytes() - before < picture; }, 3000);
        EXPECT_TRUE(settled) << (ResidentBytes() - before) << " bytes more than before, a picture is "
                             << picture;
    }
}

INSTANTIATE_TEST_SUITE_P(X11, ScreenPickerTest, ::testing::ValuesIn(kPickCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
