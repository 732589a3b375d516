// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTextBrowser>

#include "platform/HelpViewer.h"
#include "tests/widgets/app/MainWindowFixture.h"

// F1 opens the manual from the program folder; a folder without one is reported in the
// viewer, and the main window shows no error of its own.
TEST_F(MainWindowTest, F1ShowsTheHelpFileOfTheProgramFolderInTheViewer) {
    EXPECT_EQ(window->mnuHelpContents->shortcut(), QKeySequence(Qt::Key_F1));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F1);
    platform::THelpViewer* viewer = platform::OpenHelpViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->parentWidget(), window.get()) << "it closes with the main window";
    EXPECT_TRUE(viewer->ShowsMissingFile());
    EXPECT_TRUE(viewer->Browser->toPlainText().contains(folder.path() + "/manual.html"));
    delete viewer;
}
