// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <functional>
#include <vector>

#include "platform/HelpViewer.h"
#include "platform/ShellOpen.h"

using platform::THelpViewer;

namespace {

// A small manual with a contents page, an internal topic far below it and an outside link.
QByteArray Manual() {
    const QByteArray filler = QByteArray("<p>Text.</p>\n").repeated(150);
    return "<html><body>\n<h1><a name=\"contents\"></a>Contents</h1>\n"
           "<p><a href=\"#keys\">Keyboard keys</a></p>\n"
           "<p><a href=\"https://example.org/page\">Outside</a></p>\n" +
           filler + "<h2><a name=\"keys\"></a>Keyboard keys</h2><p>Esc closes.</p>\n" + filler +
           "</body></html>";
}

class HelpViewerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        helpFile = folder.path() + "/manual.html";
        platform::SetShellOpenerForTests([this](const QUrl& address) {
            opened.push_back(address);
            return true;
        });
        owner.resize(200, 100);
    }
    void TearDown() override {
        delete platform::OpenHelpViewer();
        platform::SetShellOpenerForTests({});
    }
    void WriteManual(const QByteArray& text) {
        QFile file(helpFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    THelpViewer* Show() {
        THelpViewer* viewer = platform::ShowHelpContents(&owner, helpFile.toStdString());
        EXPECT_TRUE(QTest::qWaitForWindowExposed(viewer));
        return viewer;
    }
    static int ScrollTop(THelpViewer* viewer) { return viewer->Browser->verticalScrollBar()->value(); }
    static void Follow(THelpViewer* viewer, const char* link) {
        emit viewer->Browser->anchorClicked(QUrl(link));
    }

    QTemporaryDir folder;
    QString helpFile;
    QWidget owner;
    std::vector<QUrl> opened;
};

TEST_F(HelpViewerTest, OpensAtTheContentsAndFollowsInternalLinksWithHistory) {
    WriteManual(Manual());
    THelpViewer* viewer = Show();
    EXPECT_EQ(viewer->windowTitle(), "Velloran Help");
    EXPECT_FALSE(viewer->ShowsMissingFile());
    EXPECT_TRUE(viewer->Browser->toPlainText().contains("Keyboard keys"));
    EXPECT_EQ(ScrollTop(viewer), 0);
    EXPECT_FALSE(viewer->cmdBack->isEnabled());

    Follow(viewer, "#keys");
    EXPECT_GT(ScrollTop(viewer), 1000);
    EXPECT_TRUE(viewer->cmdBack->isEnabled());
    QTest::mouseClick(viewer->cmdBack, Qt::LeftButton);
    EXPECT_EQ(ScrollTop(viewer), 0);
    EXPECT_TRUE(viewer->cmdForward->isEnabled());
    QTest::mouseClick(viewer->cmdForward, Qt::LeftButton);
    EXPECT_GT(ScrollTop(viewer), 1000);
    QTest::mouseClick(viewer->cmdContents, Qt::LeftButton);
    EXPECT_EQ(ScrollTop(viewer), 0);
    EXPECT_TRUE(opened.empty()) << "internal links stay in the viewer";

    Follow(viewer, "https://example.org/page");
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl("https://example.org/page"));
    EXPECT_EQ(ScrollTop(viewer), 0) << "the viewer stays where it was";
}

// Alt+Left and Alt+Right go where Back and Forward go, step by step, after a link was
// followed from the keyboard (Tab to it, Enter).
TEST_F(HelpViewerTest, AltLeftAndAltRightDoWhatBackAndForwardDo) {
    WriteManual(Manual());
    const auto walk = [this](const std::function<void(THelpViewer*, bool back)>& step) {
        THelpViewer* viewer = Show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(viewer));
        QTest::keyClick(viewer->Browser, Qt::Key_Tab);
        QTest::keyClick(viewer->Browser, Qt::Key_Return);
        std::vector<int> tops{ScrollTop(viewer)};
        for (const bool back : {true, false, true, false}) {
            step(viewer, back);
            tops.push_back(ScrollTop(viewer));
        }
        delete viewer;
        return tops;
    };
    const std::vector<int> buttons = walk([](THelpViewer* viewer, bool back) {
        QTest::mouseClick(back ? viewer->cmdBack : viewer->cmdForward, Qt::LeftButton);
    });
    const std::vector<int> keys = walk([](THelpViewer* viewer, bool back) {
        QTest::keyClick(viewer->Browser, back ? Qt::Key_Left : Qt::Key_Right, Qt::AltModifier);
    });
    EXPECT_EQ(keys, buttons);
    EXPECT_EQ(buttons, (std::vector<int>{buttons[0], 0, buttons[0], 0, buttons[0]}));
    EXPECT_GT(buttons[0], 1000);
}

TEST_F(HelpViewerTest, ASecondRequestRaisesTheSameViewerAtTheContents) {
    WriteManual(Manual());
    THelpViewer* viewer = Show();
    Follow(viewer, "#keys");
    ASSERT_GT(ScrollTop(viewer), 1000);
    EXPECT_EQ(Show(), viewer);
    EXPECT_EQ(ScrollTop(viewer), 0);
    EXPECT_EQ(owner.findChildren<THelpViewer*>().size(), 1);

    viewer->close();  // the viewer releases itself
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(platform::OpenHelpViewer(), nullptr);
    EXPECT_NE(Show(), nullptr);
}

TEST_F(HelpViewerTest, AMissingOrUnreadableFileIsReportedInTheViewerByPath) {
    THelpViewer* viewer = Show();
    EXPECT_TRUE(viewer->ShowsMissingFile());
    EXPECT_TRUE(viewer->Browser->toPlainText().contains(helpFile))
        << viewer->Browser->toPlainText().toStdString();

    // A folder in its place cannot be read either.
    ASSERT_TRUE(QDir(folder.path()).mkdir("manual.html"));
    Show();
    EXPECT_TRUE(viewer->ShowsMissingFile());
    ASSERT_TRUE(QDir(folder.path()).rmdir("manual.html"));

    // Once the file is there, the next request shows it.
    WriteManual(Manual());
    EXPECT_EQ(Show(), viewer);
    EXPECT_FALSE(viewer->ShowsMissingFile());
    EXPECT_TRUE(viewer->Browser->toPlainText().contains("Keyboard keys"));
}

}  // namespace
