// SPDX-License-Identifier: GPL-3.0-or-later
#include <QMenu>
#include <QMenuBar>

#include "tests/widgets/app/MainWindowFixture.h"

namespace {

QMenu* EditMenu(QMainWindow& window) {
    for (QAction* action : window.menuBar()->actions()) {
        if (action->text() == "&Edit") return action->menu();
    }
    return nullptr;
}

}  // namespace

// After start-up no field shows a selection; a field shows its whole text selected after a
// change only while it has the focus.
TEST_F(MainWindowTest, FieldsShowASelectionOnlyWithTheFocus) {
    for (THexEdit* field : {Panel().TxtRed, Panel().TxtGreen, Panel().TxtBlue}) {
        EXPECT_FALSE(field->hasSelectedText()) << field->objectName().toStdString();
    }
    ClickSwatch("Olive");
    EXPECT_FALSE(Panel().TxtRed->hasSelectedText());

    Panel().TxtRed->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Panel().TxtRed->hasFocus(); }));
    ClickSwatch("Teal");
    EXPECT_EQ(Panel().TxtRed->text(), "00");
    EXPECT_EQ(Panel().TxtRed->selectedText(), "00");
    QTest::keyClick(Panel().TxtRed, Qt::Key_Tab);
    EXPECT_TRUE(Panel().TxtGreen->hasFocus()) << "Tab goes from field to field; the bars take a click only";
    window->MemoTag->setFocus();
    QTest::keyClick(window->MemoTag, Qt::Key_Tab);
    EXPECT_FALSE(window->MemoTag->hasFocus()) << "Tab leaves the tag area too";
}

// Opening a menu or switching to another window does not leave the field: a single digit
// is not padded and the tag keeps its colour; back in the field, typing goes on.
TEST_F(MainWindowTest, MenusAndOtherWindowsDoNotLeaveTheField) {
    struct Row {
        const char* away;
        std::function<void()> leave;
        std::function<void()> comeBack;
    };
    QWidget other;
    QMenu* edit = EditMenu(*window);
    ASSERT_NE(edit, nullptr);
    const Row rows[] = {
        {"Edit menu",
         [&] {
             edit->popup(window->mapToGlobal(QPoint(40, 20)));
             ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activePopupWidget() == edit; }));
         },
         [&] {
             edit->close();
             ASSERT_TRUE(QTest::qWaitFor([&] { return !edit->isVisible(); }));
         }},
        {"another window",
         [&] {
             other.show();
             other.activateWindow();
             ASSERT_TRUE(QTest::qWaitFor([&] { return other.isActiveWindow(); }));
         },
         [&] {
             other.hide();
             window->activateWindow();
             ASSERT_TRUE(QTest::qWaitFor([&] { return window->isActiveWindow(); }));
         }},
    };
    for (const Row& row : rows) {
        THexEdit* field = Panel().TxtRed;
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->isActiveWindow(); }));
        field->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(QTest::qWaitFor([&] { return field->hasFocus(); }));
        field->selectAll();
        QTest::keyClick(field, Qt::Key_7);
        ASSERT_EQ(field->text(), "7") << row.away;
        const std::string tag = Tag();

        row.leave();
        EXPECT_EQ(field->text(), "7") << row.away;
        EXPECT_EQ(Tag(), tag) << row.away;

        row.comeBack();
        ASSERT_TRUE(QTest::qWaitFor([&] { return field->hasFocus(); }));
        QTest::keyClick(field, Qt::Key_0);
        EXPECT_EQ(field->text(), "70") << row.away;
        EXPECT_EQ(Panel().SlideBarRed->Position(), 0x70) << row.away;
    }
}
