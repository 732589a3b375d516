// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include "tests/widgets/app/MainWindowFixture.h"

namespace {

// Runs what a modal window opened by the action should see, then lets the action return.
template <typename Interact>
void WhenModal(Interact interact) {
    QTimer::singleShot(0, [interact] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        interact(modal);
    });
}

}  // namespace

// Switching to the Body page loads the colour of the selected target, whichever it is.
TEST_F(MainWindowTest, BodyPageLoadsTheSelectedTargetsColour) {
    struct Row {
        QRadioButton* target;
        std::array<int, 3> bars;
    };
    const Row rows[] = {
        {window->chkNormal, {255, 255, 255}}, {window->chkVisited, {0, 0x80, 0}},
        {window->chkLinks, {0, 255, 255}},    {window->chkHighlight, {255, 255, 0}},
        {window->chkBackground, {0, 0, 0}},
    };
    for (const Row& row : rows) {
        row.target->setChecked(true);  // chosen on an earlier visit to the page
        window->PC1->setCurrentWidget(window->fontPanel);
        ClickSwatch("Purple");
        ShowBodyPage();
        EXPECT_EQ(Bars(), row.bars) << row.target->text().toStdString();
        EXPECT_EQ(Tag().rfind("<BODY ", 0), 0u);
    }
}

// The Confirm box: Enter takes the default Yes, N answers No, Escape cancels.
TEST_F(MainWindowTest, ConfirmBoxKeysAnswerAsTheyRead) {
    struct Row {
        Qt::Key key;
        TSaveAnswer answer;
    };
    const Row rows[] = {
        {Qt::Key_Return, TSaveAnswer::Yes},
        {Qt::Key_N, TSaveAnswer::No},
        {Qt::Key_Escape, TSaveAnswer::Cancel},
    };
    for (const Row& row : rows) {
        QString title;
        WhenModal([&title, key = row.key](QWidget* modal) {
            title = modal->windowTitle();
            QTest::keyClick(modal, key);
        });
        EXPECT_EQ(window->AskToSave("Save changes?"), row.answer) << row.key;
        EXPECT_EQ(title, "Confirm");
    }
}

// The real Save As dialog adds ".vls" to a bare name and asks before it replaces a file.
TEST_F(MainWindowTest, SaveAsDialogAddsTheSuffixAndAsksBeforeReplacing) {
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    const QString dir = folder.path();
    QFile existing(dir + "/Red.vls");
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();

    struct Row {
        const char* typed;
        std::optional<QMessageBox::StandardButton> replace;  // the answer, when asked
        QString chosen;
    };
    const Row rows[] = {
        {"Blue", std::nullopt, dir + "/Blue.vls"},
        {"Red", QMessageBox::Yes, dir + "/Red.vls"},
        {"Red", QMessageBox::No, QString()},
    };
    for (const Row& row : rows) {
        bool asked = false;
        WhenModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(name, nullptr);
            name->setText(row.typed);
            if (row.replace) {
                WhenModal([&](QWidget* question) {
                    auto* box = qobject_cast<QMessageBox*>(question);
                    ASSERT_NE(box, nullptr);
                    asked = box->text().contains("already exists");
                    box->button(*row.replace)->click();
                });
            }
            QTest::keyClick(name, Qt::Key_Return);
            if (dialog->isVisible()) dialog->reject();  // a refused replacement keeps it open
        });
        EXPECT_EQ(QString::fromStdString(window->ChooseStyleToSaveAs()), row.chosen) << row.typed;
        EXPECT_EQ(asked, row.replace.has_value()) << row.typed;
    }
}

// Each step of the size bar, moved from the keyboard, sets the tag's SIZE, the preview's
// point size and the label.
TEST_F(MainWindowTest, SizeBarStepsFromOneToSeven) {
    controls::TSlideBar* bar = Font().SlideBarFontSize;
    window->activateWindow();
    bar->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar->hasFocus(); }));
    QTest::keyClick(bar, Qt::Key_Home);
    const int points[] = {8, 10, 12, 14, 18, 24, 36};
    for (int step = 1; step <= 7; ++step) {
        if (step > 1) QTest::keyClick(bar, Qt::Key_Right);
        EXPECT_NE(Tag().find("SIZE=\"" + std::to_string(step) + "\""), std::string::npos) << step;
        EXPECT_EQ(window->PanelTop->lblDisplay->font().pointSize(), points[step - 1]) << step;
        EXPECT_EQ(Font().lblFontSize->text(), QString("Font Size = %1").arg(points[step - 1]));
        EXPECT_EQ(window->Style().SizeStep, step);
    }
}

// With the desktop's real faces (fonts-liberation is installed with the program), a first
// start names a face every visitor has.
TEST_F(MainWindowTest, FirstStartWithRealFacesWritesArial) {
    window.reset();
    platform::SetFaceSource(nullptr);
    window = std::make_unique<TfrmMain>();
    window->FormCreate();
    EXPECT_EQ(Tag(), "<CENTER><FONT COLOR=\"#FFFF00\"  SIZE=\"6\" FACE=\"'Arial'\"></FONT></CENTER>");
}
