// SPDX-License-Identifier: GPL-3.0-or-later
#include <QMenuBar>
#include <QTimer>
#include <cstdlib>
#include <cstring>

#include "platform/Clipboard.h"
#include "tests/widgets/ErrorLog.h"
#include "tests/widgets/app/MainWindowFixture.h"

TEST_F(MainWindowTest, FirstStartShowsTheDefaultStyle) {
    EXPECT_EQ(window->windowTitle(), " Velloran - Default");
    EXPECT_EQ(window->StyleFileName(), folder.path().toStdString() + "/Default.vls");
    EXPECT_EQ(window->PC1->currentWidget(), window->fontPanel);
    EXPECT_EQ(Tag(), "<CENTER><FONT COLOR=\"#FFFF00\"  SIZE=\"6\" FACE=\"'Comic Sans MS'\"></FONT></CENTER>");
    EXPECT_EQ(Bars(), (std::array<int, 3>{255, 255, 0}));
    EXPECT_EQ(Fields(), (QStringList{"FF", "FF", "00"}));
    EXPECT_EQ(window->PanelTop->lblDisplay->text(), "Velloran");
    EXPECT_EQ(window->PanelTop->lblDisplay->font().pointSize(), 24);
    EXPECT_TRUE(window->PanelTop->lblDisplay->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(Font().lblFontSize->text(), "Font Size = 24");
    EXPECT_TRUE(window->optColor->isChecked());
    EXPECT_TRUE(window->chkBackground->isChecked());
}

// Fontconfig's generic aliases, installed in the fixture, are no faces to offer.
TEST_F(MainWindowTest, FaceListIsSortedIgnoringCaseWithPlainNamesOnce) {
    EXPECT_EQ(Font().Faces(),
              (std::vector<std::string>{"Abadi", "Arial", "Comic Sans MS", "Times New Roman", "Verdana"}));
    ASSERT_NE(Font().lboFont->currentItem(), nullptr);
    EXPECT_EQ(Font().lboFont->currentItem()->text(), "Comic Sans MS");
}

TEST_F(MainWindowTest, SwatchOnTheFontPageSetsBarsFieldsAndFontColour) {
    ClickSwatch("Olive");
    EXPECT_EQ(Bars(), (std::array<int, 3>{128, 128, 0}));
    EXPECT_EQ(Fields(), (QStringList{"80", "80", "00"}));
    EXPECT_EQ(window->Style().FontColor, 0x008080u);
    EXPECT_NE(Tag().find("COLOR=\"#808000\""), std::string::npos);
    EXPECT_EQ(window->BarsToColor(TColorPanel::Order::rgb), 0x808000u);
}

TEST_F(MainWindowTest, SwatchOnTheBodyPageChangesOnlyTheSelectedTarget) {
    ShowBodyPage();
    QTest::mouseClick(window->chkLinks, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(window->chkLinks->isChecked());
    const TStyle before = window->Style();
    ClickSwatch("Red");
    TStyle expected = before;
    expected.LinkColor = 0x0000FF;
    EXPECT_EQ(window->Style().LinkColor, expected.LinkColor);
    for (TColorTarget other : {ctFont, ctBackground, ctText, ctVisited, ctActive}) {
        EXPECT_EQ(TargetField(window->Style(), other), TargetField(before, other)) << other;
    }
    EXPECT_EQ(Tag().rfind("<BODY ", 0), 0u);
    EXPECT_NE(Tag().find("LINK=\"#FF0000\""), std::string::npos);
}

TEST_F(MainWindowTest, EverySwatchPixelPicksItsColourAndSharedPixelsTheLeftOne) {
    // Found by its name, as a tool that drives the window finds it.
    auto* row = window->findChild<QWidget*>("pnlColor");
    ASSERT_NE(row, nullptr);
    // Swatch 1 (white) spans x 17..32 and shares x 17 with swatch 0 (black) on its left.
    ClickAt(row, QPoint(17, 2));
    EXPECT_EQ(window->Style().FontColor, 0x000000u);
    ClickAt(row, QPoint(18, 17));
    EXPECT_EQ(window->Style().FontColor, 0xFFFFFFu);
    ClickAt(row, QPoint(2 + 15 * 15 + 15, 10));
    EXPECT_EQ(window->Style().FontColor, 0xFFFF00u);  // aqua, the last swatch's right edge
}

TEST_F(MainWindowTest, TheSwatchStripIsSilverAroundTheSwatchesWhateverMemoryHeld) {
    auto* row = window->findChild<QWidget*>("pnlColor");
    ASSERT_NE(row, nullptr);
    for (const unsigned char dirt : {0x00, 0x80, 0xFF}) {
        // Leftover memory of about the size of the strip's picture, for its next allocation.
        for (const int size : {row->width() * row->height() * 4, 1 << 16}) {
            auto* garbage = static_cast<unsigned char*>(std::malloc(static_cast<std::size_t>(size)));
            std::memset(garbage, dirt, static_cast<std::size_t>(size));
            asm volatile("" : : "r"(garbage) : "memory");  // keeps the writes
            std::free(garbage);
        }
        const QImage strip = row->grab().toImage();
        int wrong = 0;
        // Inside the bevel: the swatches fill x 2..242 and y 2..17; the row below them and the
        // column right of them show the band.
        for (int y = 2; y < row->height() - 2; ++y) {
            for (int x = 2; x < row->width() - 2; ++x) {
                const bool swatch = x <= 242 && y <= 17;
                if (!swatch && strip.pixelColor(x, y) != QColor(192, 192, 192)) ++wrong;
            }
        }
        EXPECT_EQ(wrong, 0) << "after memory of " << int(dirt);
        // A raised outer and a lowered inner bevel, top and bottom.
        const QColor bevel[] = {strip.pixelColor(5, 0), strip.pixelColor(5, 1),
                                strip.pixelColor(5, row->height() - 2),
                                strip.pixelColor(5, row->height() - 1)};
        EXPECT_EQ(bevel[0], Qt::white);
        EXPECT_EQ(bevel[1], QColor(128, 128, 128));
        EXPECT_EQ(bevel[2], Qt::white);
        EXPECT_EQ(bevel[3], QColor(128, 128, 128));
    }
}

// Each text shows whole: within its box, as wide as it asks to be, a line high, and under no
// neighbour.
TEST_F(MainWindowTest, NoTextIsCutByItsBoxOrANeighbour) {
    ShowBodyPage();
    const struct {
        QWidget* text;
        QWidget* neighbour;
    } rows[] = {
        {window->PanelTop->lblNormalText, nullptr},
        {window->PanelTop->lblActiveLinkText, nullptr},
        {window->optColor, window->optPicture},
        {window->optPicture, window->lblFilename},
    };
    for (const auto& row : rows) {
        const std::string name = row.text->objectName().toStdString();
        const QWidget* box = row.text->parentWidget();
        const QRect inside =
            qobject_cast<const QFrame*>(box) ? qobject_cast<const QFrame*>(box)->contentsRect() : box->rect();
        EXPECT_TRUE(inside.contains(row.text->geometry())) << name;
        EXPECT_GE(row.text->width(), row.text->sizeHint().width()) << name;
        EXPECT_GE(row.text->height(), row.text->fontMetrics().height()) << name;
        if (row.neighbour != nullptr) {
            EXPECT_FALSE(row.text->geometry().intersects(row.neighbour->geometry())) << name;
        }
    }
}

TEST_F(MainWindowTest, PageChangeCarriesTheTargetColourToTheBars) {
    ShowBodyPage();
    QTest::mouseClick(window->chkVisited, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Bars(), (std::array<int, 3>{0, 0x80, 0}));
    EXPECT_EQ(Tag().rfind("<BODY ", 0), 0u);
    EXPECT_TRUE(window->PanelTop->lblNormalText->isVisible());
    EXPECT_FALSE(window->PanelTop->lblDisplay->isVisible());
    EXPECT_TRUE(window->PanelTop->lblBodyColor->isVisible());

    window->PC1->setCurrentWidget(window->fontPanel);
    EXPECT_EQ(Bars(), (std::array<int, 3>{255, 255, 0}));
    EXPECT_EQ(Tag().rfind("<CENTER><FONT", 0), 0u);
    EXPECT_TRUE(window->PanelTop->lblDisplay->isVisible());
    EXPECT_FALSE(window->PanelTop->lblNormalText->isVisible());
    EXPECT_FALSE(window->PanelTop->lblBodyColor->isVisible());
}

TEST_F(MainWindowTest, TypingTwoDigitsMovesTheBarAndSelectsTheField) {
    THexEdit* field = Panel().TxtRed;
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_8);
    EXPECT_EQ(field->text(), "8");
    EXPECT_EQ(Panel().SlideBarRed->Position(), 255);
    QTest::keyClick(field, Qt::Key_0);
    EXPECT_EQ(field->text(), "80");
    EXPECT_EQ(Panel().SlideBarRed->Position(), 128);
    EXPECT_EQ(field->selectedText(), "80");
    EXPECT_EQ(window->Style().FontColor, 0x00FF80u);
    EXPECT_NE(Tag().find("#80FF00"), std::string::npos);
}

TEST_F(MainWindowTest, FieldKeysFilterUpperCaseAndStep) {
    THexEdit* field = Panel().TxtBlue;
    field->setFocus();
    field->clear();
    QTest::keyClicks(field, "g-z");
    EXPECT_EQ(field->text(), "");
    QTest::keyClick(field, Qt::Key_Down);
    EXPECT_EQ(field->text(), "FF");
    EXPECT_EQ(Panel().SlideBarBlue->Position(), 255);
    QTest::keyClick(field, Qt::Key_PageUp);
    EXPECT_EQ(field->text(), "F0");
    QTest::keyClick(field, Qt::Key_Home);
    EXPECT_EQ(Panel().SlideBarBlue->Position(), 0);
    QTest::keyClick(Panel().SlideBarBlue, Qt::Key_PageDown);  // the bar's own page is 25
    EXPECT_EQ(field->text(), "19");
    field->clear();
    QTest::keyClicks(field, "c");
    EXPECT_EQ(field->text(), "C");
    Panel().TxtRed->setFocus();  // leaving pads the single digit
    EXPECT_EQ(field->text(), "0C");
    EXPECT_EQ(Panel().SlideBarBlue->Position(), 12);
}

TEST_F(MainWindowTest, PastedNonHexTextIsReportedAndChangesNothing) {
    const TColor before = window->Style().FontColor;
    Panel().TxtGreen->setText("ZZ");
    EXPECT_EQ(TakeErrors(), QStringList{"'$ZZ' is not a valid integer value"});
    EXPECT_EQ(Panel().SlideBarGreen->Position(), 255);
    EXPECT_EQ(window->Style().FontColor, before);
}

TEST_F(MainWindowTest, CopyCommandsPutExactlyTheirTagOnTheClipboard) {
    window->fontPanel->cmdCopyFontTagText->click();
    EXPECT_EQ(
        platform::ClipboardText(),
        "<CENTER><FONT COLOR=\"#FFFF00\"  SIZE=\"6\" FACE=\"'Comic Sans MS'\">Velloran</FONT></CENTER>");
    ShowBodyPage();
    window->cmdBodyTag->click();
    EXPECT_EQ(
        platform::ClipboardText(),
        "<BODY BGCOLOR=\"#000000\" TEXT=\"#FFFFFF\" LINK=\"#00FFFF\" VLINK=\"#008000\" ALINK=\"#FFFF00\" >");
    // The menu copies the font tag with the font colour from the Body page too.
    window->mnuEditCopyFontTag->trigger();
    EXPECT_EQ(platform::ClipboardText(),
              "<CENTER><FONT COLOR=\"#FFFF00\"  SIZE=\"6\" FACE=\"'Comic Sans MS'\"></FONT></CENTER>");
    EXPECT_EQ(Tag().rfind("<BODY ", 0), 0u) << "copying leaves the tag area alone";
}

TEST_F(MainWindowTest, MenuHoldsEveryCommandWithPendingOnesDisabled) {
    QStringList titles;
    for (QAction* menu : window->menuBar()->actions()) titles << menu->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&Options", "&Help"}));
    QStringList help;  // a line between the manual and the About box
    for (QAction* item : window->menuBar()->actions()[3]->menu()->actions())
        help << (item->isSeparator() ? "-" : item->text());
    EXPECT_EQ(help, (QStringList{"Contents...", "-", "&About..."}));
    EXPECT_EQ(window->mnuSaveAs->shortcut(), QKeySequence("Ctrl+A"));
    EXPECT_EQ(window->mnuOptionsRefresh->shortcut(), QKeySequence("Ctrl+R"));
    EXPECT_TRUE(window->mnuFileExit->isEnabled());
    EXPECT_TRUE(window->mnuEditCopyBodyTag->isEnabled());
    EXPECT_TRUE(window->mnuHelpAbout->isEnabled());
    // About shows its box, modal, until it is closed.
    const char* shown = "nothing";
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        shown = box != nullptr ? box->metaObject()->className() : "no modal box";
        if (box != nullptr) box->close();
    });
    window->mnuHelpAbout->trigger();
    EXPECT_STREQ(shown, "windows::TfrmAbout");
    EXPECT_TRUE(window->mnuHelpContents->isEnabled());
    EXPECT_TRUE(window->mnuFileOpen->isEnabled());
    EXPECT_TRUE(window->cmdColors->isEnabled());
    EXPECT_TRUE(window->cmdSpecial->isEnabled());
    window->mnuFileExit->trigger();
    EXPECT_FALSE(window->isVisible());
}
