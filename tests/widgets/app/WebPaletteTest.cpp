// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGuiApplication>
#include <QPushButton>
#include <QScrollBar>

#include "tests/widgets/app/MainWindowFixture.h"
#include "windows/Colors.h"

using windows::TfrmColors;

namespace {

// The centre of swatch n (Shape1 .. Shape216) in the scroll box's content.
QPoint SwatchCentre(int n) {
    const int i = n - 1;
    return {5 + 45 * (i % 6) + 20, 5 + 25 * (i / 6) + 10};
}

}  // namespace

class WebPaletteTest : public MainWindowTest {
protected:
    TfrmColors* Palette() const { return window->findChild<TfrmColors*>(); }

    TfrmColors* OpenPalette() {
        QTest::mouseClick(window->cmdColors, Qt::LeftButton);
        TfrmColors* palette = Palette();
        EXPECT_NE(palette, nullptr);
        if (palette != nullptr) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(palette));
        }
        return palette;
    }

    // The palette closed and its window released, as the event loop does after a close.
    bool ClosedAndReleased() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return Palette() == nullptr && !window->ColorsOpen;
    }

    // The mouse as it reaches a widget: moves carry no button, presses and releases one.
    static void Mouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::NoButton) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
        QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
    static void Hover(TfrmColors* palette, QPoint at) { Mouse(palette->Swatches, QEvent::MouseMove, at); }
    static void Press(TfrmColors* palette, int n, Qt::MouseButton button) {
        Mouse(palette->Swatches, QEvent::MouseButtonPress, SwatchCentre(n), button);
    }
    static void Release(TfrmColors* palette, int n, Qt::MouseButton button) {
        Mouse(palette->Swatches, QEvent::MouseButtonRelease, SwatchCentre(n), button);
    }
    static QString HoverText(TfrmColors* palette) { return palette->lblColor->Caption(); }
};

TEST_F(WebPaletteTest, HoverShowsTheReversedCodeAndGapsEmptyIt) {
    TfrmColors* palette = OpenPalette();
    ASSERT_NE(palette, nullptr);
    struct Row {
        const char* what;
        QPoint at;
        const char* text;
    };
    const Row rows[] = {
        {"Shape1", SwatchCentre(1), "000000"},
        {"first gap pixel right of Shape1", SwatchCentre(1) + QPoint(20, 0), ""},
        {"Shape2", SwatchCentre(2), "000033"},
        {"first gap pixel below Shape2", SwatchCentre(2) + QPoint(0, 11), ""},
        {"Shape7", SwatchCentre(7), "330000"},
        {"Shape37", SwatchCentre(37), "003300"},
        {"right of the last column", {5 + 45 * 6 + 5, 10}, ""},
        {"Shape140", SwatchCentre(140), "FF9933"},
        {"Shape216 bottom-right pixel", {5 + 45 * 5 + 39, 5 + 25 * 35 + 20}, "FFFFFF"},
        {"Shape211", SwatchCentre(211), "FFFF00"},
        {"below the last row, dragged there", {25, 5 + 25 * 36 + 5}, ""},
        {"Shape211 again", SwatchCentre(211), "FFFF00"},
        {"left margin beside Shape1", {2, 15}, ""},
        {"Shape1 top-left pixel", {5, 5}, "000000"},
        {"top margin above Shape2", {70, 2}, ""},
    };
    for (const Row& row : rows) {
        Hover(palette, row.at);
        EXPECT_EQ(HoverText(palette), QString::fromLatin1(row.text)) << row.what;
    }
    // The strip above the scroll box empties the text too.
    Hover(palette, SwatchCentre(140));
    Mouse(palette, QEvent::MouseMove, QPoint(150, 15));
    EXPECT_EQ(HoverText(palette), QString()) << "strip above the scroll box";
}

TEST_F(WebPaletteTest, OpensAsAFixedToolWindowScrolledToItsEnd) {
    TfrmColors* palette = OpenPalette();
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the hourglass is gone once it shows";
    EXPECT_EQ(palette->windowTitle(), "Custom Palette");
    EXPECT_EQ(palette->size(), QSize(297, 238));
    EXPECT_EQ(palette->minimumSize(), palette->maximumSize());
    EXPECT_TRUE(palette->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(palette->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(palette->ScrollBox1->viewport()->height(), 202);
    EXPECT_EQ(palette->ScrollBox1->verticalScrollBar()->value(), 699);
    EXPECT_EQ(palette->ScrollBox1->verticalScrollBar()->maximum(), 699);
    EXPECT_TRUE(window->ColorsOpen);

    // A fresh opening starts at the end again, with no hover text.
    palette->ScrollBox1->verticalScrollBar()->setValue(0);
    Hover(palette, SwatchCentre(1));
    palette->close();
    ASSERT_TRUE(ClosedAndReleased());
    palette = OpenPalette();
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(palette->ScrollBox1->verticalScrollBar()->value(), 699);
    EXPECT_EQ(HoverText(palette), QString());
}

TEST_F(WebPaletteTest, LeftPressAppliesTheColourOtherButtonsAndReleasesDoNothing) {
    TfrmColors* palette = OpenPalette();
    ASSERT_NE(palette, nullptr);
    const TStyle before = window->Style();
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        Press(palette, 140, button);
        Release(palette, 140, button);
        EXPECT_EQ(window->Style().FontColor, before.FontColor) << button;
    }
    Release(palette, 140, Qt::LeftButton);
    EXPECT_EQ(window->Style().FontColor, before.FontColor) << "a release alone";

    // The press itself applies #FF9933, through the bars.
    Press(palette, 140, Qt::LeftButton);
    EXPECT_EQ(window->Style().FontColor, 0x3399FFu);
    EXPECT_EQ(Bars(), (std::array<int, 3>{0xFF, 0x99, 0x33}));
    EXPECT_EQ(Fields(), (QStringList{"FF", "99", "33"}));
    EXPECT_NE(Tag().find("COLOR=\"#FF9933\""), std::string::npos);
}

TEST_F(WebPaletteTest, TwoPicksInARowReachTheBodyPagesCurrentTarget) {
    ShowBodyPage();
    QTest::mouseClick(window->chkVisited, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(window->chkVisited->isChecked());
    const TStyle before = window->Style();
    TfrmColors* palette = OpenPalette();
    ASSERT_NE(palette, nullptr);

    Hover(palette, SwatchCentre(7));
    Press(palette, 7, Qt::LeftButton);  // #330000
    EXPECT_EQ(window->Style().VisitedColor, 0x000033u);
    Hover(palette, SwatchCentre(37));
    Press(palette, 37, Qt::LeftButton);  // #003300
    EXPECT_EQ(window->Style().VisitedColor, 0x003300u);
    EXPECT_TRUE(palette->isVisible());
    EXPECT_EQ(HoverText(palette), "003300");
    for (TColorTarget other : {ctFont, ctBackground, ctText, ctLink, ctActive}) {
        EXPECT_EQ(TargetField(window->Style(), other), TargetField(before, other)) << other;
    }
    EXPECT_NE(Tag().find("VLINK=\"#003300\""), std::string::npos) << Tag();
}

TEST_F(WebPaletteTest, EscapeWithAnyModifiersCloseAndTheCloseButtonClose) {
    for (Qt::KeyboardModifiers modifiers :
         {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::ShiftModifier),
          Qt::KeyboardModifiers(Qt::ControlModifier), Qt::KeyboardModifiers(Qt::AltModifier),
          Qt::KeyboardModifiers(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)}) {
        TfrmColors* palette = OpenPalette();
        ASSERT_NE(palette, nullptr);
        // Key preview: the key reaches the window whichever control has the focus.
        palette->cmdHide->setFocus();
        QTest::keyClick(palette->cmdHide, Qt::Key_Escape, modifiers);
        EXPECT_TRUE(ClosedAndReleased()) << modifiers;
    }
    TfrmColors* palette = OpenPalette();
    ASSERT_NE(palette, nullptr);
    QTest::keyClick(palette->ScrollBox1, Qt::Key_A);
    EXPECT_EQ(Palette(), palette) << "another key leaves it open";
    QTest::mouseClick(palette->cmdHide, Qt::LeftButton);
    EXPECT_TRUE(ClosedAndReleased()) << "Close";
}

TEST_F(WebPaletteTest, MoreWhileOpenBuildsNoSecondWindowAndLeavesItInPlace) {
    TfrmColors* palette = OpenPalette();
    ASSERT_NE(palette, nullptr);
    palette->move(palette->pos() + QPoint(30, 20));
    const QPoint movedTo = palette->pos();
    QTest::mouseClick(window->cmdColors, Qt::LeftButton);
    EXPECT_EQ(window->findChildren<TfrmColors*>().size(), 1);
    EXPECT_EQ(Palette(), palette);
    EXPECT_EQ(palette->pos(), movedTo);
}

TEST_F(WebPaletteTest, EachOpeningIsPlacedFromTheMainWindowsCurrentCorner) {
    window->move(40, 30);
    TfrmColors* palette = OpenPalette();
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(palette->pos(), window->pos() + QPoint(248, 192));
    palette->close();
    ASSERT_TRUE(ClosedAndReleased());

    window->move(120, 70);
    palette = OpenPalette();
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(palette->pos(), QPoint(120 + 248, 70 + 192));
}

// The keyboard reaches every swatch: the first arrow key rings the first swatch in view and
// shows its code as a hover would, the arrows move the ring, held at the edges, scrolling
// it into view, and Space or Enter picks the colour.
TEST_F(WebPaletteTest, ArrowKeysMoveAVisibleFocusSwatchThatSpaceOrEnterPicks) {
    TfrmColors* palette = OpenPalette();
    ASSERT_NE(palette, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(palette));
    QWidget* swatches = palette->Swatches;
    ASSERT_EQ(QApplication::focusWidget(), swatches);
    // Dots of the theme's text colour along the top of the ring around swatch n.
    const auto ringDots = [&](int n) {
        const QImage shot = swatches->grab().toImage();
        const QPoint corner = SwatchCentre(n) - QPoint(22, 12);
        int dots = 0;
        for (int x = 0; x < 44; ++x)
            dots += shot.pixelColor(corner + QPoint(x, 0)) == swatches->palette().color(QPalette::WindowText);
        return dots;
    };
    EXPECT_EQ(ringDots(169), 0) << "no ring before a key is pressed";

    struct Row {
        Qt::Key key;
        int swatch;  // Shape1 .. Shape216
        const char* code;
    };
    const Row rows[] = {
        {Qt::Key_Right, 169, "CCCC00"},  // the first swatch in view
        {Qt::Key_Right, 170, "CCCC33"}, {Qt::Key_Left, 169, "CCCC00"},
        {Qt::Key_Left, 169, "CCCC00"},  {Qt::Key_Up, 163, "99CC00"},  // above the view: it scrolls up
        {Qt::Key_Down, 169, "CCCC00"},
    };
    for (const Row& row : rows) {
        QTest::keyClick(swatches, row.key);
        EXPECT_EQ(HoverText(palette), row.code) << row.swatch;
        EXPECT_GT(ringDots(row.swatch), 10) << row.swatch;
        EXPECT_EQ(swatches->accessibleDescription(), row.code) << row.swatch;
    }
    EXPECT_EQ(ringDots(170), 0) << "the ring left swatch 170";
    EXPECT_LE(palette->ScrollBox1->verticalScrollBar()->value(), 5 + 25 * 27);

    QTest::keyClick(swatches, Qt::Key_Space);
    EXPECT_EQ(window->Style().FontColor, 0x00CCCCu);
    // Held at the right edge and the bottom: one key more than the way there.
    for (int i = 0; i < 6; ++i) QTest::keyClick(swatches, Qt::Key_Right);
    EXPECT_EQ(HoverText(palette), "CCCCFF");
    for (int i = 0; i < 8; ++i) QTest::keyClick(swatches, Qt::Key_Down);
    QTest::keyClick(swatches, Qt::Key_Return);
    EXPECT_NE(Tag().find("COLOR=\"#FFFFFF\""), std::string::npos) << Tag();
}
