// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLabel>
#include <QMenuBar>
#include <QScreen>

#include "platform/SysColors.h"

#include <array>
#include <utility>
#include <vector>

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
    // What stands in one column or on one line shares its edge.
    const TfrmMain& w = *window;
    const QRect strip = w.colorPanel->pnlColor->geometry().translated(w.colorPanel->pos());
    const std::pair<const char*, std::array<int, 2>> edges[] = {
        {"Normal Text over New Links", {w.chkNormal->x(), w.chkLinks->x()}},
        {"colour square over file name", {w.ShapeBGcolor->x(), w.lblFilename->x()}},
        {"Color over Picture", {w.optColor->x(), w.optPicture->x()}},
        {"Background over More", {w.GroupBoxBGImage->x(), w.cmdColors->x()}},
        {"Background over Special, right",
         {w.GroupBoxBGImage->geometry().right(), w.cmdSpecial->geometry().right()}},
        {"file name level with its browse button", {w.lblFilename->y(), w.cmdBrowse->y()}},
        {"swatch strip level with More", {strip.top(), w.cmdColors->y()}},
        {"swatch strip as high as More", {strip.bottom(), w.cmdColors->geometry().bottom()}},
    };
    for (const auto& [what, pair] : edges) EXPECT_EQ(pair[0], pair[1]) << what;
    // The colour panel shows whole in the window, up to its last swatch, aqua.
    const QPoint aqua = w.PnlBottom->mapTo(&w, strip.topLeft() + QPoint(2 + 15 * 15 + 8, 10));
    EXPECT_EQ(window->grab().toImage().pixelColor(aqua), QColor(0, 255, 255));
    // Over and under the swatches its bevel is a light line over a dark one.
    const QImage row = w.colorPanel->pnlColor->grab().toImage();
    for (const int y : {0, strip.height() - 2}) {
        EXPECT_EQ(row.pixelColor(strip.width() / 2, y), platform::ToQColor(platform::clBtnHighlight)) << y;
        EXPECT_EQ(row.pixelColor(strip.width() / 2, y + 1), platform::ToQColor(platform::clBtnShadow)) << y;
    }
    // The letters R, G and B stand on the line of the digits in their fields; the bars'
    // thumbs are diamonds, here all at the left (black).
    const TColorPanel& panel = *window->colorPanel;
    window->colorPanel->SetBarsFromColor(platform::clBlack);
    QWidget* rgbPanel = window->findChild<QWidget*>("pnlRGB");  // found by its name
    ASSERT_NE(rgbPanel, nullptr);
    const QList<QLabel*> letters = rgbPanel->findChildren<QLabel*>();
    ASSERT_EQ(letters.size(), 3);
    controls::TSlideBar* bars[] = {panel.SlideBarRed, panel.SlideBarGreen, panel.SlideBarBlue};
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    bars[2]->setFocus();
    ASSERT_TRUE(bars[2]->hasFocus());
    const QImage rgb = rgbPanel->grab().toImage();
    const auto inkRows = [&rgb](QRect area) {  // the top and bottom rows of dark pixels
        std::pair<int, int> rows{-1, -1};
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (rgb.pixelColor(x, y).lightness() < 100) rows = {rows.first < 0 ? y : rows.first, y};
            }
        }
        return rows;
    };
    const THexEdit* fields[] = {panel.TxtRed, panel.TxtGreen, panel.TxtBlue};
    for (int i = 0; i < 3; ++i) {
        const QRect field = fields[i]->geometry();
        EXPECT_EQ(inkRows({0, field.y(), bars[i]->x(), field.height()}), inkRows(field.adjusted(3, 0, -2, 0)))
            << i;
        EXPECT_EQ(bars[i]->ThumbStyle(), controls::TThumbStyle::tsDiamond4) << i;
        // A plain raised track across the middle: its two edges on silver, white over grey, no
        // tick marks, and silver inside also with the focus.
        const QImage shot = bars[i]->grab().toImage();
        std::vector<int> marks;
        std::vector<QRgb> edges;
        for (int y = 0; y < shot.height(); ++y) {
            if (shot.pixelColor(100, y) == QColor(192, 192, 192)) continue;
            marks.push_back(y);
            edges.push_back(shot.pixel(100, y) | 0xFF000000);
        }
        EXPECT_EQ(marks.size() == 2 ? marks[1] - marks[0] : 0, 4) << i << ": three pixels between the edges";
        EXPECT_EQ(edges, (std::vector<QRgb>{qRgb(255, 255, 255), qRgb(128, 128, 128)})) << i;
        // Its field stands level with it, in the window's text size.
        EXPECT_EQ(fields[i]->geometry().center().y(), bars[i]->geometry().center().y()) << i;
        EXPECT_EQ(fields[i]->font().pixelSize(), window->font().pixelSize()) << i;
        // On that line the field stands as far from the end of the track as from the panel's
        // right edge.
        std::vector<int> inked;
        for (int x = 0; x < rgb.width(); ++x) {
            if (rgb.pixelColor(x, field.center().y()) != QColor(192, 192, 192)) inked.push_back(x);
        }
        auto fieldLeft = inked.end() - 1;
        while (fieldLeft - inked.begin() > 1 && *(fieldLeft - 1) == *fieldLeft - 1) --fieldLeft;
        EXPECT_EQ(*fieldLeft - *(fieldLeft - 1) - 1, rgb.width() - 1 - inked.back()) << i;
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
