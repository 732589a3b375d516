// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "tests/widgets/app/MainWindowFixture.h"

namespace {

// Runs what a modal dialog opened by the action should see, then lets the action return.
template <typename Interact>
void WhileModal(Interact interact) {
    QTimer::singleShot(0, [interact] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        interact(dialog);
    });
}

}  // namespace

TEST_F(MainWindowTest, FaceClickChangesTheMainFaceOnly) {
    Font().LboAltFontsDragDrop();      // an alternate face, to see that it stays
    Font().lboFont->setCurrentRow(4);  // Verdana, as a click does
    EXPECT_EQ(window->Style().FaceName, "Verdana");
    EXPECT_EQ(window->PanelTop->lblDisplay->font().family(), "Verdana");
    EXPECT_NE(Tag().find("FACE=\"'Verdana','Comic Sans MS'\""), std::string::npos);
}

TEST_F(MainWindowTest, DroppingAFaceTwiceListsItTwice) {
    Font().lboFont->setCurrentRow(1);  // Arial
    Font().LboAltFontsDragDrop();
    Font().LboAltFontsDragDrop();
    EXPECT_EQ(Font().LboAltFonts->count(), 2);
    EXPECT_NE(Tag().find(",'Arial','Arial'\">"), std::string::npos);
}

TEST_F(MainWindowTest, SizeBarStepsTheTagThePreviewAndTheLabel) {
    Font().SlideBarFontSize->SetPosition(7);
    EXPECT_EQ(Font().lblFontSize->text(), "Font Size = 36");
    EXPECT_EQ(window->PanelTop->lblDisplay->font().pointSize(), 36);
    EXPECT_NE(Tag().find("SIZE=\"7\""), std::string::npos);
    Font().SlideBarFontSize->SetPosition(9);  // refused by the bar: nothing moves
    EXPECT_EQ(Font().lblFontSize->text(), "Font Size = 36");
    EXPECT_EQ(window->Style().SizeStep, 7);
}

TEST_F(MainWindowTest, TogglesWrapTheTagAndStyleThePreview) {
    QTest::mouseClick(Font().cmdCenter, Qt::LeftButton);
    EXPECT_EQ(Tag().find("CENTER"), std::string::npos);
    EXPECT_TRUE(window->PanelTop->lblDisplay->alignment() & Qt::AlignLeft);
    QTest::mouseClick(Font().cmdBold, Qt::LeftButton);
    QTest::mouseClick(Font().cmdItalic, Qt::LeftButton);
    EXPECT_EQ(Tag(), "<FONT COLOR=\"#FFFF00\"  SIZE=\"6\" FACE=\"'Comic Sans MS'\"><I><B></B></I></FONT>");
    EXPECT_TRUE(window->PanelTop->lblDisplay->font().bold());
    EXPECT_TRUE(window->PanelTop->lblDisplay->font().italic());
}

TEST_F(MainWindowTest, DeleteWithoutASelectionChangesNothing) {
    Font().LboAltFontsDragDrop();
    Font().LboAltFonts->clearSelection();
    Font().LboAltFonts->setCurrentRow(-1);
    const std::string before = Tag();
    QTest::mouseClick(Font().cmdDelete, Qt::LeftButton);
    EXPECT_EQ(Font().LboAltFonts->count(), 1);
    EXPECT_EQ(Tag(), before);
    Font().LboAltFonts->setCurrentRow(0);
    QTest::mouseClick(Font().cmdDelete, Qt::LeftButton);
    EXPECT_EQ(Font().LboAltFonts->count(), 0);
    EXPECT_TRUE(window->Style().AltFaces.empty());
}

// The list would otherwise move the selection to the next face, which a second click of "x"
// would then delete too.
TEST_F(MainWindowTest, DeletingAnAlternateFaceLeavesNothingSelected) {
    for (int i = 0; i < 3; ++i) Font().LboAltFontsDragDrop();
    Font().LboAltFonts->setCurrentRow(1);
    QTest::mouseClick(Font().cmdDelete, Qt::LeftButton);
    EXPECT_TRUE(Font().LboAltFonts->selectedItems().isEmpty());
    QTest::mouseClick(Font().cmdDelete, Qt::LeftButton);
    EXPECT_EQ(Font().LboAltFonts->count(), 2);
    EXPECT_EQ(window->Style().AltFaces.size(), 2u);
}

TEST_F(MainWindowTest, CtrlClickOnTheSelectedFaceKeepsItSelected) {
    QListWidget* list = Font().lboFont;
    list->setCurrentRow(4);  // Verdana
    const QRect row = list->visualItemRect(list->item(4));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, row.center());
    ASSERT_EQ(list->selectedItems().size(), 1);
    EXPECT_EQ(list->selectedItems().front()->text(), "Verdana");
    EXPECT_EQ(window->Style().FaceName, "Verdana");
}

TEST_F(MainWindowTest, TextDialogOkReplacesThePreviewTextAndCancelKeepsIt) {
    WhileModal([](QDialog* dialog) {
        auto* memo = dialog->findChild<QPlainTextEdit*>("MemoText");
        ASSERT_NE(memo, nullptr);
        QTest::keyClicks(memo, "Welcome");  // replaces the text, which opens selected
        QTest::mouseClick(dialog->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    });
    Font().cmdTextClick();
    EXPECT_EQ(window->Style().UserText, "Welcome");
    EXPECT_EQ(window->PanelTop->lblDisplay->text(), "Welcome");

    WhileModal([](QDialog* dialog) {
        dialog->findChild<QPlainTextEdit*>("MemoText")->setPlainText("changed");
        QTest::mouseClick(dialog->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
    });
    Font().cmdTextClick();
    EXPECT_EQ(window->Style().UserText, "Welcome");
}

TEST_F(MainWindowTest, AddingAnAlternateFaceShowsItInTheTagAtOnce) {
    for (int i = 0; i < 2; ++i) {
        WhileModal([](QDialog* dialog) {
            auto* list = dialog->findChild<QListWidget*>("LboAltFonts");
            ASSERT_NE(list, nullptr);
            QTest::keyClick(list, Qt::Key_Return);
        });
        Font().cmdAddClick();
    }
    EXPECT_EQ(window->Style().AltFaces, (std::vector<std::string>{"Abadi", "Abadi"}));
    EXPECT_NE(Tag().find("FACE=\"'Comic Sans MS','Abadi','Abadi'\""), std::string::npos);
}

// A tag of thousands of one-word faces has no word boundary to wrap at: wrapped at words, it
// is laid out again from every line to its end, so that each change of the tag takes seconds.
// It is wrapped anywhere instead; a tag of ordinary length keeps its words whole.
TEST_F(MainWindowTest, ATagOfThousandsOfFacesIsWrappedAnywhere) {
    EXPECT_EQ(window->MemoTag->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    window->SetAltFaces(std::vector<std::string>(2000, "F1"));
    QTest::mouseClick(Font().cmdBold, Qt::LeftButton);
    EXPECT_NE(Tag().find("'F1','F1'"), std::string::npos);
    EXPECT_EQ(window->MemoTag->wordWrapMode(), QTextOption::WrapAnywhere);
    window->SetAltFaces({});
    QTest::mouseClick(Font().cmdBold, Qt::LeftButton);
    EXPECT_EQ(window->MemoTag->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
}
