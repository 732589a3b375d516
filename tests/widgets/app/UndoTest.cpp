// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDialog>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QUndoStack>

#include "platform/Clipboard.h"
#include "style/TagText.h"
#include "tests/widgets/app/MainWindowFixture.h"
#include "tests/widgets/controls/GifFiles.h"
#include "windows/FileOpen.h"

namespace {

// Everything the style gives out: both tags, the font tag with its text.
std::string Texts(const TfrmMain& window) {
    return MakeFontTag(window.Style(), true) + MakeBodyTag(window.Style());
}

void Settle() { QTest::qWait(0); }

void WhileModal(const std::function<void(QDialog*)>& interact) {
    QTimer::singleShot(0, [interact] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        interact(dialog);
    });
}

void Mouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

class UndoTest : public MainWindowTest {
protected:
    void ClickRow(QListWidget* list, int row) const {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    void Click(QWidget* widget) const { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 5)); }
    std::string UndoText() const { return window->mnuEditUndo->text().toStdString(); }
    // The keys, in the focus control as the user presses them, the tag area included (a
    // closed dialog may have left no window active).
    void Undo() const { Key(Qt::Key_Z); }
    void Redo() const { Key(Qt::Key_Y); }
    void Key(Qt::Key key) const {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->isActiveWindow(); }));
        QWidget* focus = window->focusWidget();
        QTest::keyClick(focus ? focus : window.get(), key, Qt::ControlModifier);
    }
};

}  // namespace

// Each change the user makes is one step, named in the Edit menu; undoing it brings back the
// tag, the bars and every value before it, and redoing it the values after it.
TEST_F(UndoTest, EachChangeIsOneStepUndoneAndRedoneThroughTheControls) {
    struct Row {
        const char* step;
        std::function<void()> change;
        std::function<void()> prepare = [] {};
    };
    const Row rows[] = {
        {"Font Color", [&] { ClickSwatch("Red"); }},
        {"Font Color",
         [&] {
             Panel().TxtGreen->setFocus();
             Panel().TxtGreen->selectAll();
             QTest::keyClick(Panel().TxtGreen, Qt::Key_8);
             QTest::keyClick(Panel().TxtGreen, Qt::Key_0);
         }},
        {"Face", [&] { ClickRow(Font().lboFont, 4); }},
        {"Size",
         [&] {
             Font().SlideBarFontSize->setFocus();
             QTest::keyClick(Font().SlideBarFontSize, Qt::Key_Left);
         }},
        {"Bold", [&] { Click(Font().cmdBold); }},
        {"Italic", [&] { Click(Font().cmdItalic); }},
        {"Centering", [&] { Click(Font().cmdCenter); }},
        {"Add Alternate Face",
         [&] {
             WhileModal([](QDialog* dialog) {
                 QTest::keyClick(dialog->findChild<QListWidget*>("LboAltFonts"), Qt::Key_Return);
             });
             Font().cmdAddClick();
         }},
        {"Remove Alternate Face",
         [&] {
             ClickRow(Font().LboAltFonts, 0);
             Click(Font().cmdDelete);
         }},
        {"Text",
         [&] {
             WhileModal([](QDialog* dialog) {
                 QTest::keyClicks(dialog->findChild<QPlainTextEdit*>("MemoText"), "Welcome");
                 QTest::mouseClick(dialog->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
             });
             Font().cmdTextClick();
         }},
        {"Paste Tag",
         [&] {
             platform::SetClipboardText("<BODY BGCOLOR=white TEXT=#333 LINK=red>");
             window->mnuEditPasteTag->trigger();
         },
         [&] { window->MemoTag->setFocus(); }},
        // A Paste Tag that changes nothing makes no step and leaves no name to the next one.
        {"Font Color",
         [&] {
             platform::SetClipboardText(MakeFontTag(window->Style(), false));
             window->mnuEditPasteTag->trigger();
             Settle();
             ClickSwatch("Lime");
         }},
        // The first picture: undone, the style holds no picture at all.
        {"Picture",
         [&] {
             giftest::SaveGif(folder.filePath("tile.gif"), giftest::OneFrame(giftest::Solid(4, 4, 1)));
             // With no picture yet, the chooser starts in the current folder.
             const QString previous = QDir::currentPath();
             QDir::setCurrent(folder.path());
             WhileModal([](QDialog* dialog) {
                 auto* chooser = static_cast<windows::TfrmFileOpen*>(dialog);
                 chooser->FileListBox1->setCurrentRow(0);
                 QTest::mouseClick(chooser->cmdOK, Qt::LeftButton);
             });
             window->cmdBrowse->click();
             QDir::setCurrent(previous);
         }},
        {"Visited Link Color", [&] { ClickSwatch("Blue"); },
         [&] {
             ShowBodyPage();
             Click(window->chkVisited);
         }},
    };
    for (const Row& row : rows) {
        row.prepare();
        Settle();
        const std::string before = Texts(*window);
        const std::string tagBefore = Tag();
        const TStyle styleBefore = window->Style();
        row.change();
        Settle();
        const std::string after = Texts(*window);
        const std::string tagAfter = Tag();
        const TStyle styleAfter = window->Style();
        ASSERT_NE(after, before) << row.step << ": the change did not happen";
        EXPECT_EQ(UndoText(), std::string("&Undo ") + row.step);

        Undo();
        EXPECT_EQ(Texts(*window), before) << row.step;
        EXPECT_EQ(Tag(), tagBefore) << row.step;
        // Also what the tags do not show, but a saved style keeps.
        EXPECT_TRUE(window->Style() == styleBefore) << row.step;
        EXPECT_EQ(window->mnuEditRedo->text().toStdString(), std::string("&Redo ") + row.step);
        Redo();
        EXPECT_EQ(Texts(*window), after) << row.step;
        EXPECT_EQ(Tag(), tagAfter) << row.step;
        EXPECT_TRUE(window->Style() == styleAfter) << row.step;
    }
    // The colour panel shows the target's colour again after an undo.
    Undo();
    EXPECT_EQ(Bars(), (std::array<int, 3>{0, 0x80, 0}));  // Visited Links back to green
    // Every step is still there, oldest last.
    EXPECT_EQ(window->mnuEditUndo->isEnabled(), true);
}

TEST_F(UndoTest, ABarDragIsOneStep) {
    controls::TSlideBar* bar = Panel().SlideBarBlue;
    const int start = bar->Position();
    const QRect thumb(bar->ThumbRect().left, bar->ThumbRect().top, bar->ThumbRect().Width(),
                      bar->ThumbRect().Height());
    const QPoint from = thumb.center();
    Mouse(bar, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    Settle();
    for (int dx = 1; dx <= 50; ++dx) {
        Mouse(bar, QEvent::MouseMove, from + QPoint(bar->width() > bar->height() ? dx : 0, 0), Qt::NoButton,
              Qt::LeftButton);
        Settle();
    }
    Mouse(bar, QEvent::MouseButtonRelease, from + QPoint(50, 0), Qt::LeftButton, Qt::NoButton);
    Settle();
    ASSERT_NE(bar->Position(), start);
    EXPECT_EQ(window->History()->Stack()->count(), 1);
    Undo();
    EXPECT_EQ(bar->Position(), start);
    EXPECT_EQ(window->History()->Stack()->count(), 1);
}

TEST_F(UndoTest, OpenStartsANewHistoryAndSaveKeepsIt) {
    ClickSwatch("Red");
    Settle();
    window->ChooseStyleToSaveAs = [&] { return folder.filePath("Red.vls").toStdString(); };
    window->mnuSaveAs->trigger();
    EXPECT_EQ(UndoText(), "&Undo Font Color");
    ClickSwatch("Blue");
    Settle();
    window->ChooseStyleToOpen = [&] { return folder.filePath("Red.vls").toStdString(); };
    window->mnuFileOpen->trigger();
    EXPECT_FALSE(window->mnuEditUndo->isEnabled());
    EXPECT_EQ(UndoText(), "&Undo");
}

TEST_F(UndoTest, KeepsAtLeastAHundredSteps) {
    for (int i = 0; i < 110; ++i) {
        QTest::keyClick(Font().cmdBold, Qt::Key_Space);
        Settle();
    }
    EXPECT_GE(window->History()->Stack()->count(), 100);
}
