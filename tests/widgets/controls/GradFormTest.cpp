// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QMouseEvent>
#include <QPixmap>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

#include "controls/GradForm.h"
#include "platform/SysColors.h"

using namespace controls;
using platform::TColor;

namespace {

constexpr TColor kNavy = 0x800000;  // active caption of the classic palette
constexpr TColor kGray = 0x808080;  // inactive caption of the classic palette
constexpr TColor kFace = 0xC0C0C0;
constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kBlack = 0x000000;

TColor At(const QImage& image, int x, int y) { return platform::FromQColor(image.pixelColor(x, y)); }

int CountOf(const QImage& image, const platform::Rect& r, TColor color) {
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) count += At(image, x, y) == color ? 1 : 0;
    }
    return count;
}

// A form laid out as the main window is: sizeable, system menu and minimise box.
class GradientFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.SetBorderIcons(biSystemMenu | biMinimize);
        form.resize(403, 455);
        form.SetCaption(" Velloran - Default");
        QPixmap icon(16, 16);
        icon.fill(QColor(255, 0, 0));
        form.setWindowIcon(QIcon(icon));
    }

    // Sends a mouse event at a point of the form, with the matching desktop position.
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButtons buttons,
               Qt::MouseButton button = Qt::LeftButton) {
        const QPoint global = form.mapToGlobal(at);
        QMouseEvent event(type, at, global, type == QEvent::MouseMove ? Qt::NoButton : button, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(&form, &event);
    }
    void Click(QPoint at) {
        Mouse(QEvent::MouseButtonPress, at, Qt::LeftButton);
        Mouse(QEvent::MouseButtonRelease, at, Qt::NoButton);
    }

    TGradientForm form;
};

TEST_F(GradientFormTest, ActiveCaptionRunsFromBlackToTheCaptionColourWithIconButtonsAndWhiteText) {
    const QImage caption = form.PaintCaption(true);
    ASSERT_EQ(caption.size(), QSize(395, 18));
    EXPECT_EQ(At(caption, 0, 9), kBlack);
    EXPECT_EQ(At(caption, 394, 9), kNavy);
    const int middleBlue = platform::BlueOf(At(caption, 197, 0));
    EXPECT_GT(middleBlue, 55);
    EXPECT_LT(middleBlue, 75);
    // The icon's black box: one column left of the icon and the row below it.
    EXPECT_EQ(CountOf(caption, {1, 0, 2, 18}, kBlack), 18);
    EXPECT_EQ(CountOf(caption, {1, 17, 18, 18}, kBlack), 17);
    EXPECT_EQ(CountOf(caption, {2, 1, 18, 17}, 0x0000FF), 16 * 16);
    // Close button: a raised face with a black cross; the disabled maximise button has no
    // black glyph, the minimise button has one.
    EXPECT_EQ(At(caption, 377, 2), kFace);
    EXPECT_EQ(At(caption, 392, 15), kBlack);
    EXPECT_EQ(At(caption, 378, 3), kWhite);
    EXPECT_GT(CountOf(caption, {379, 4, 391, 14}, kBlack), 10);
    EXPECT_EQ(CountOf(caption, {361, 4, 373, 14}, kBlack), 0);
    EXPECT_GT(CountOf(caption, {361, 4, 373, 14}, kGray), 10);
    EXPECT_GT(CountOf(caption, {345, 4, 357, 14}, kBlack), 5);
    // White text between the icon and the buttons, none left of x = 20.
    EXPECT_GT(CountOf(caption, {20, 0, 342, 18}, kWhite), 20);
    EXPECT_EQ(CountOf(caption, {0, 0, 20, 18}, kWhite), 0);
}

TEST_F(GradientFormTest, TextStartsAtX20AndIsCutWithAnEllipsis) {
    // The active gradient has no red in it, so any red in the caption is the white text's ink.
    const auto inkColumns = [](const QImage& caption) {
        std::vector<int> columns;
        for (int x = 18; x < 342; ++x) {
            for (int y = 0; y < caption.height(); ++y) {
                if (platform::RedOf(At(caption, x, y)) > 0) {
                    columns.push_back(x);
                    break;
                }
            }
        }
        return columns;
    };
    form.SetCaption("HHH");
    const std::vector<int> shortInk = inkColumns(form.PaintCaption(true));
    ASSERT_FALSE(shortInk.empty());
    EXPECT_GE(shortInk.front(), 20);
    EXPECT_LE(shortInk.front(), 21);
    // A caption too long for the room ends in an ellipsis before the buttons.
    form.SetCaption(QString(200, 'H'));
    const std::vector<int> longInk = inkColumns(form.PaintCaption(true));
    ASSERT_FALSE(longInk.empty());
    EXPECT_LT(longInk.back(), 342);
    EXPECT_GT(longInk.back(), 300);
}

TEST_F(GradientFormTest, InactiveCaptionIsAGradientToTheInactiveColourOrFlat) {
    const QImage gradient = form.PaintCaption(false);
    EXPECT_EQ(At(gradient, 0, 9), kBlack);
    EXPECT_EQ(At(gradient, 394, 9), kGray);
    EXPECT_EQ(At(gradient, 1, 0), kBlack);

    form.SetGradientOnInactive(false);
    const QImage flat = form.PaintCaption(false);
    // Icon box included, everything but the icon, buttons and text is the one colour.
    for (const QPoint& p :
         {QPoint(0, 0), QPoint(1, 0), QPoint(1, 17), QPoint(17, 17), QPoint(300, 0), QPoint(394, 17)}) {
        EXPECT_EQ(At(flat, p.x(), p.y()), kGray) << p.x() << "," << p.y();
    }
    EXPECT_GT(CountOf(flat, {20, 0, 342, 18}, kWhite), 20);
    // The active caption keeps its gradient.
    EXPECT_EQ(At(form.PaintCaption(true), 0, 9), kBlack);
}

TEST_F(GradientFormTest, GradientColorsAcceptsOnly8To256) {
    struct Row {
        int set;
        int expected;
    };
    for (const Row& row : {Row{7, 64}, {257, 64}, {8, 8}, {256, 256}, {0, 256}}) {
        form.SetGradientColors(row.set);
        EXPECT_EQ(form.GradientColors(), row.expected) << row.set;
    }
    form.SetGradientColors(8);
    // Eight bands: the first eighth of the caption is black, the second the next step.
    const QImage caption = form.PaintCaption(true);
    EXPECT_EQ(At(caption, 40, 0), kBlack);
    EXPECT_EQ(At(caption, 60, 0), static_cast<TColor>(18) << 16);  // 128 / 7 = 18.3
}

TEST_F(GradientFormTest, WindowTextRequestsAnswerFromTheCaption) {
    form.WMSetText(" Velloran -");
    EXPECT_EQ(form.Caption(), " Velloran -");
    EXPECT_EQ(form.windowTitle(), " Velloran -");
    EXPECT_EQ(form.WMGetTextLength(), 11);
    char buffer[5];
    EXPECT_EQ(form.WMGetText(buffer, sizeof buffer), 4);
    EXPECT_STREQ(buffer, " Vel");
}

TEST_F(GradientFormTest, ADesktopPaletteChangeRebuildsTheTables) {
    QPalette palette = platform::ClassicPalette();
    palette.setColor(QPalette::Active, QPalette::Highlight, QColor(0, 128, 0));
    QApplication::setPalette(palette);
    QApplication::sendPostedEvents();
    const TColor last = form.ActiveTable()[63];
    QApplication::setPalette(platform::ClassicPalette());
    QApplication::sendPostedEvents();
    EXPECT_EQ(last, 0x008000u);
    EXPECT_EQ(form.ActiveTable()[63], kNavy);
}

TEST_F(GradientFormTest, DraggingTheCaptionMovesTheWindowAndTheEdgeResizesIt) {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QPoint start = form.pos();
    // The offscreen desktop offers no move of its own, so the form moves by hand.
    Mouse(QEvent::MouseButtonPress, {200, 10}, Qt::LeftButton);
    Mouse(QEvent::MouseMove, {230, 30}, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, {230 - 30, 30 - 20}, Qt::NoButton);
    EXPECT_EQ(form.pos(), start + QPoint(30, 20));

    Mouse(QEvent::MouseMove, {402, 200}, Qt::NoButton);
    EXPECT_EQ(form.cursor().shape(), Qt::SizeHorCursor);
    Mouse(QEvent::MouseButtonPress, {402, 200}, Qt::LeftButton);
    Mouse(QEvent::MouseMove, {442, 200}, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, {442, 200}, Qt::NoButton);
    EXPECT_EQ(form.width(), 443);
    const QRect before = form.geometry();
    Mouse(QEvent::MouseButtonPress, {0, 200}, Qt::LeftButton);  // the left edge
    Mouse(QEvent::MouseMove, {-40, 200}, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, {-40, 200}, Qt::NoButton);
    EXPECT_EQ(form.geometry(), before.adjusted(-40, 0, 0, 0));
    Mouse(QEvent::MouseMove, {200, 200}, Qt::NoButton);
    EXPECT_EQ(form.cursor().shape(), Qt::ArrowCursor);
    // Leaving the form from its edge takes the sizing cursor away.
    Mouse(QEvent::MouseMove, {0, 200}, Qt::NoButton);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&form, &leave);
    EXPECT_EQ(form.cursor().shape(), Qt::ArrowCursor);
    // A single border does not size.
    form.SetBorderStyle(TFormBorderStyle::bsSingle);
    Mouse(QEvent::MouseMove, {form.width() - 1, 200}, Qt::NoButton);
    EXPECT_EQ(form.cursor().shape(), Qt::ArrowCursor);
}

// The opposite edge stays where it is; the form keeps its least size.
TEST_F(GradientFormTest, AnEdgeDraggedPastTheOppositeOneStopsAtTheLeastSize) {
    form.setMinimumSize(200, 150);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QRect g = form.geometry();
    const struct {
        QPoint edge;
        QPoint drag;
        QRect expected;
    } rows[] = {
        {{0, 200}, {1000, 0}, QRect(g.right() + 1 - 200, g.top(), 200, g.height())},
        {{402, 200}, {-1000, 0}, QRect(g.left(), g.top(), 200, g.height())},
        {{200, 0}, {0, 1000}, QRect(g.left(), g.bottom() + 1 - 150, g.width(), 150)},
        {{200, 454}, {0, -1000}, QRect(g.left(), g.top(), g.width(), 150)},
    };
    for (const auto& row : rows) {
        form.setGeometry(g);
        Mouse(QEvent::MouseButtonPress, row.edge, Qt::LeftButton);
        Mouse(QEvent::MouseMove, row.edge + row.drag, Qt::LeftButton);
        Mouse(QEvent::MouseButtonRelease, row.edge + row.drag, Qt::NoButton);
        EXPECT_EQ(form.geometry(), row.expected) << row.edge.x() << "," << row.edge.y();
    }
}

TEST_F(GradientFormTest, CaptionButtonsMinimiseAndCloseAndTheDisabledMaximiseDoesNothing) {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    Click({4 + 366, 10});  // maximise, disabled
    EXPECT_FALSE(form.isMaximized());
    Click({4 + 350, 10});  // minimise
    EXPECT_TRUE(form.isMinimized());
    form.showNormal();
    // A press on a button that is released elsewhere is no click, nor is another button's
    // release while the left one holds it; a double click on the caption changes nothing.
    Mouse(QEvent::MouseButtonPress, {4 + 384, 10}, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, {4 + 384, 10}, Qt::LeftButton, Qt::RightButton);
    EXPECT_TRUE(form.isVisible());
    Mouse(QEvent::MouseMove, {200, 10}, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, {200, 10}, Qt::NoButton);
    Mouse(QEvent::MouseButtonDblClick, {200, 10}, Qt::LeftButton);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.isMaximized());
    Click({4 + 384, 10});  // close
    EXPECT_FALSE(form.isVisible());
}

// The first press on the icon opens the window menu, so the second press of a double click
// lands on the menu.
TEST_F(GradientFormTest, ADoubleClickOnTheIconClosesTheWindowAndTwoSlowClicksDoNot) {
    const struct {
        const char* what;
        int secondPressAfter;
        bool closes;
    } rows[] = {{"double click", 0, true}, {"slow clicks", QApplication::doubleClickInterval() + 100, false}};
    const QPoint icon(4 + 8, 4 + 8);
    for (const auto& row : rows) {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form)) << row.what;
        bool pressClosedMenu = false;
        QTimer::singleShot(row.secondPressAfter, &form, [&] {
            QWidget* menu = QApplication::activePopupWidget();
            if (menu == nullptr) return;
            const QPoint global = form.mapToGlobal(icon);
            QMouseEvent press(QEvent::MouseButtonPress, menu->mapFromGlobal(global), global, Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(menu, &press);
            pressClosedMenu = !menu->isVisible();
            if (menu->isVisible()) menu->close();
        });
        Click(icon);
        EXPECT_TRUE(pressClosedMenu) << row.what;
        EXPECT_EQ(form.isVisible(), !row.closes) << row.what;
    }
}

TEST_F(GradientFormTest, WindowMenuOpensOnARightClickOrAltSpaceAndClosesOnAltF4) {
    form.show();
    const std::pair<const char*, std::function<void()>> openers[] = {
        {"right click",
         [this] {
             Mouse(QEvent::MouseButtonPress, {200, 10}, Qt::RightButton, Qt::RightButton);
         }},
        {"Alt+Space", [this] { QTest::keyClick(&form, Qt::Key_Space, Qt::AltModifier); }},
    };
    for (const auto& [what, open] : openers) {
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form)) << what;
        QList<QAction*> offered;
        QTimer::singleShot(0, [&offered] {
            QWidget* menu = QApplication::activePopupWidget();
            if (menu != nullptr) offered = menu->actions();
            if (menu != nullptr) menu->close();
        });
        open();
        EXPECT_EQ(offered.size(), 5) << what;
        EXPECT_TRUE(offered.contains(form.actRestore)) << what;
        EXPECT_FALSE(form.actRestore->isEnabled()) << "a normal window has nothing to restore";
    }
    // Move by keyboard: arrows step 8 pixels, Escape goes back, a click keeps the place.
    const QPoint start = form.pos();
    form.actMove->trigger();
    QTest::keyClick(&form, Qt::Key_Right);
    QTest::keyClick(&form, Qt::Key_Down);
    EXPECT_EQ(form.pos(), start + QPoint(8, 8));
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_EQ(form.pos(), start);
    EXPECT_EQ(form.cursor().shape(), Qt::ArrowCursor);
    form.actMove->trigger();
    QTest::keyClick(&form, Qt::Key_Left);
    Click({200, 200});
    QTest::keyClick(&form, Qt::Key_Left);
    EXPECT_EQ(form.pos(), start - QPoint(8, 0));
    form.actMinimize->trigger();
    EXPECT_TRUE(form.isMinimized());
    form.actRestore->trigger();
    EXPECT_FALSE(form.isMinimized());
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_F4, Qt::AltModifier);
    EXPECT_FALSE(form.isVisible());
}

}  // namespace
