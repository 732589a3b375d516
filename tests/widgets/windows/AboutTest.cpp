// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/Cursors.h"
#include "platform/Paths.h"
#include "platform/ShellOpen.h"
#include "tests/widgets/ErrorLog.h"
#include "windows/about.h"

using windows::TfrmAbout;

namespace {

// An About box shown as the main window shows it (modal), in a program folder of its own,
// with the desktop's opener replaced by a recorder.
class AboutTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::SetProgramDirForTests("/opt/velloran/");
        platform::SetShellOpenerForTests([this](const QUrl& address) {
            opened.push_back(address);
            return true;
        });
        dialog = std::make_unique<TfrmAbout>();
        dialog->open();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }
    void TearDown() override {
        dialog.reset();
        platform::SetShellOpenerForTests({});
        platform::SetProgramDirForTests("");
    }

    std::unique_ptr<TfrmAbout> dialog;
    std::vector<QUrl> opened;
};

TEST_F(AboutTest, ShowsTheNameVersionAndLinkAtTheirPlaces) {
    EXPECT_EQ(dialog->windowTitle(), "About Velloran");
    EXPECT_EQ(dialog->size(), QSize(257, 154));
    EXPECT_EQ(dialog->Label1->text(), "Velloran v1.0");
    EXPECT_EQ(dialog->Label1->font().pixelSize(), 12) << "the title a step above the 11-pixel text";
    EXPECT_TRUE(dialog->Label1->font().bold());
    EXPECT_EQ(dialog->Label1->geometry().center().x(), dialog->pnlAbout->geometry().center().x())
        << "centred";
    EXPECT_EQ(dialog->Label6->text(), "Send Questions or Comments to:");
    EXPECT_EQ(dialog->Label2->text(), "Help > Contents");
    EXPECT_EQ(dialog->lblWeb->text(), "Velloran WebSite");
    EXPECT_EQ(dialog->lblWeb->geometry().center().x(), dialog->pnlAbout->rect().center().x()) << "centred";
    EXPECT_TRUE(dialog->lblWeb->font().underline());
    // The places of the design; the link's within the panel.
    const std::pair<QWidget*, QRect> places[] = {{dialog->Label1, {19, 4, 219, 13}},
                                                 {dialog->pnlAbout, {20, 24, 217, 90}},
                                                 {dialog->lblWeb, {7, 69, 204, 13}},
                                                 {dialog->BitBtn1, {99, 122, 75, 25}}};
    for (const auto& [widget, place] : places)
        EXPECT_EQ(widget->geometry(), place) << widget->objectName().toStdString();
    EXPECT_TRUE(dialog->BitBtn1->isDefault());
    // The title, the link and OK's text in navy, the request for comments in maroon.
    const std::pair<QWidget*, QRgb> inks[] = {{dialog->Label1, qRgb(0, 0, 128)},
                                              {dialog->lblWeb, qRgb(0, 0, 128)},
                                              {dialog->BitBtn1, qRgb(0, 0, 128)},
                                              {dialog->Label6, qRgb(128, 0, 0)}};
    for (const auto& [widget, ink] : inks) {
        const QImage shot = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb* pixels = reinterpret_cast<const QRgb*>(shot.constBits());
        EXPECT_TRUE(std::count(pixels, pixels + shot.width() * shot.height(), ink | 0xFF000000) > 0)
            << widget->objectName().toStdString();
    }
}

TEST_F(AboutTest, ThePanelsLinesAreCentredAcrossIt) {
    const QImage panel = dialog->pnlAbout->grab().toImage();
    const int middle = panel.width() / 2;
    EXPECT_LT(qGray(panel.pixel(0, 0)), qGray(panel.pixel(panel.width() - 1, panel.height() - 1)))
        << "sunk: the shadow above and left, the light below and right";
    for (const QLabel* line :
         {dialog->Label3, dialog->Label8, dialog->Label6, dialog->Label2, dialog->lblWeb}) {
        // The ink: pixels of another colour than the panel shows left of everything.
        int left = panel.width(), right = -1;
        for (int y = line->y(); y < line->y() + line->height(); ++y) {
            const QColor blank = panel.pixelColor(3, y);
            for (int x = 3; x < panel.width() - 3; ++x) {
                if (panel.pixelColor(x, y) == blank) continue;
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        ASSERT_GE(right, left) << line->objectName().toStdString();
        EXPECT_LE(std::abs((left + right + 1) / 2 - middle), 2) << line->objectName().toStdString();
    }
}

TEST_F(AboutTest, TheHandShowsOverTheWebLinkOnly) {
    const QCursor hand = platform::LoadCursorResource("HANDPOINTER");
    ASSERT_EQ(hand.shape(), Qt::BitmapCursor);
    ASSERT_EQ(dialog->lblWeb->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(dialog->lblWeb->cursor().hotSpot(), hand.hotSpot());
    EXPECT_EQ(dialog->lblWeb->cursor().pixmap().toImage(), hand.pixmap().toImage());
    for (QWidget* other : std::initializer_list<QWidget*>{dialog.get(), dialog->Label1, dialog->pnlAbout,
                                                          dialog->Label2, dialog->Label6, dialog->BitBtn1}) {
        EXPECT_EQ(other->cursor().shape(), Qt::ArrowCursor) << other->objectName().toStdString();
    }
}

TEST_F(AboutTest, ClickingTheLinkAsksTheDesktopForTheManualPageAndStaysOpen) {
    QTest::mouseClick(dialog->lblWeb, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl("file:///opt/velloran/manual.html"));
    EXPECT_EQ(opened[0], windows::ProductWebPage());
    EXPECT_TRUE(dialog->isVisible());
    // A press that ends off the label is no click.
    QTest::mousePress(dialog->lblWeb, Qt::LeftButton);
    QTest::mouseRelease(dialog->lblWeb, Qt::LeftButton, {}, QPoint(-20, -20));
    QTest::mouseClick(dialog->lblWeb, Qt::RightButton);
    EXPECT_EQ(opened.size(), 1u);
}

// The keyboard reaches the link too: Tab goes from OK to it and back, in reading order, a
// focus frame shows it, and Space or Enter on it opens the page with the box left open.
TEST_F(AboutTest, TabReachesTheLinkWhoseSpaceOrEnterOpensThePage) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    ASSERT_EQ(QApplication::focusWidget(), dialog->BitBtn1);
    const QImage unfocused = dialog->lblWeb->grab().toImage();
    QTest::keyClick(dialog->BitBtn1, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), dialog->lblWeb);
    EXPECT_NE(dialog->lblWeb->grab().toImage(), unfocused) << "no focus frame";
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
        QTest::keyClick(dialog->lblWeb, key);
        EXPECT_EQ(opened.size(), key == Qt::Key_Space ? 1u : 2u);
    }
    EXPECT_EQ(opened.back(), windows::ProductWebPage());
    EXPECT_TRUE(dialog->isVisible());
    QTest::keyClick(dialog->lblWeb, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), dialog->BitBtn1);
}

TEST_F(AboutTest, EnterEscOkAndTheCloseBoxCloseIt) {
    struct Row {
        const char* what;
        std::function<void(TfrmAbout&)> act;
    };
    const Row rows[] = {
        {"Enter", [](TfrmAbout& d) { QTest::keyClick(&d, Qt::Key_Return); }},
        {"Esc", [](TfrmAbout& d) { QTest::keyClick(d.BitBtn1, Qt::Key_Escape); }},
        {"OK", [](TfrmAbout& d) { QTest::mouseClick(d.BitBtn1, Qt::LeftButton); }},
        {"close box", [](TfrmAbout& d) { d.close(); }},
    };
    for (const Row& row : rows) {
        dialog = std::make_unique<TfrmAbout>();
        dialog->open();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get())) << row.what;
        row.act(*dialog);
        EXPECT_FALSE(dialog->isVisible()) << row.what;
        if (std::string(row.what) != "close box") {
            EXPECT_EQ(dialog->result(), QDialog::Accepted) << row.what;
        }
    }
    EXPECT_TRUE(opened.empty());
}

}  // namespace

// Where the desktop has no opener (the offscreen platform has none), the click says so and
// the box stays open.
TEST_F(AboutTest, ALinkThatCannotBeOpenedIsReported) {
    platform::SetShellOpenerForTests({});
    QTest::mouseClick(dialog->lblWeb, Qt::LeftButton);
    EXPECT_EQ(
        TakeErrors(),
        QStringList{"Unable to open /opt/velloran/manual.html\nThe desktop has no program to open it."});
    EXPECT_TRUE(dialog->isVisible());
}
