#include <QLabel>
#include <QMenuBar>
#include <QScreen>

#include "platform/SysColors.h"

#include <cstdlib>

#include "tests/widgets/app/MainWindowFixture.h"

namespace {

using MainFrameTest = MainWindowTest;

TEST_F(MainFrameTest, ClassicFrameCaptionAndMenuBarSurroundTheDesignedClientArea) {
    EXPECT_EQ(window->size(), QSize(403, 455));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(window->menuBar()->geometry(), QRect(4, 23, 395, 19));
    EXPECT_EQ(window->centralWidget()->geometry(), QRect(4, 42, 395, 409));
    EXPECT_EQ(window->BorderIcons(), controls::biSystemMenu | controls::biMinimize);
    EXPECT_EQ(window->font().pixelSize(), 11) << "the classic 8-point sans serif";
    // The copy buttons stand at one height on both pages; More and Special share a line, in bold.
    EXPECT_EQ(window->cmdBodyTag->y(), window->fontPanel->cmdCopyFontTag->y());
    EXPECT_EQ(window->cmdColors->y(), window->cmdSpecial->y());
    EXPECT_TRUE(window->cmdColors->font().bold() && window->cmdSpecial->font().bold());
    // The letters R, G and B stand level with their bars, whose thumbs are diamonds.
    const TColorPanel& panel = *window->colorPanel;
    const QList<QLabel*> letters = panel.pnlRGB->findChildren<QLabel*>();
    ASSERT_EQ(letters.size(), 3);
    const controls::TSlideBar* bars[] = {panel.SlideBarRed, panel.SlideBarGreen, panel.SlideBarBlue};
    for (int i = 0; i < 3; ++i) {
        EXPECT_LE(std::abs(letters[i]->geometry().center().y() - bars[i]->geometry().center().y()), 1) << i;
        EXPECT_EQ(bars[i]->ThumbStyle(), controls::TThumbStyle::tsDiamond4) << i;
    }
}

TEST_F(MainFrameTest, TheStyleFileNamesTheCaptionAndTheDesktopTitle) {
    EXPECT_EQ(window->Caption(), " Velloran - Default");
    EXPECT_EQ(window->windowTitle(), window->Caption());
    char text[64];
    EXPECT_EQ(window->WMGetText(text, sizeof text), 19);
    EXPECT_STREQ(text, " Velloran - Default");
}

// The caption's right end as the screen shows it, without painting the window again.
QColor CaptionEndOnScreen(TfrmMain& window) {
    QApplication::processEvents();
    return window.screen()->grabWindow(window.winId()).toImage().pixelColor(4 + 394, 4 + 9);
}

TEST_F(MainFrameTest, TheCaptionFollowsActivationAndTheDesktopPalette) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(CaptionEndOnScreen(*window), QColor(0, 0, 128));
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(CaptionEndOnScreen(*window), QColor(128, 128, 128));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(CaptionEndOnScreen(*window), QColor(0, 0, 128));

    QPalette green = platform::ClassicPalette();
    green.setColor(QPalette::Active, QPalette::Highlight, QColor(0, 128, 0));
    QApplication::setPalette(green);
    const QColor shown = CaptionEndOnScreen(*window);
    QApplication::setPalette(platform::ClassicPalette());
    EXPECT_EQ(shown, QColor(0, 128, 0));
}

}  // namespace
