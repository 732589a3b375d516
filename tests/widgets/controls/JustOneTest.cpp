// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <vector>

#include "controls/GuardMessage.h"
#include "controls/Just1_32.h"

using namespace controls;

namespace {

// The running copy's side of the guard: a window minimised, a lock held in a folder of the
// test's own, and strangers and a second copy talking to its socket.
class JustOneTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.showMinimized();
        ASSERT_TRUE(instance.Owner());
        ASSERT_TRUE(guard.Listening());
    }

    // Connects and writes, keeping the connection open.
    std::unique_ptr<QLocalSocket> Send(const QByteArray& bytes) {
        auto socket = std::make_unique<QLocalSocket>();
        socket->connectToServer(instance.ServerName());
        EXPECT_TRUE(socket->waitForConnected(1000));
        socket->write(bytes);
        socket->flush();
        return socket;
    }

    static void Settle() { QTest::qWait(300); }

    QTemporaryDir folder;
    QWidget window;
    TPreviousInstance instance{"/opt/velloran/velloran", folder.path().toStdString()};
    // A stalled sender is dropped sooner than in the program, so that the test is quick,
    // but well after a connection dropped at once.
    TJustOne32 guard{&window, {.senderPatience = 1500}};
    static constexpr int kAtOnceMs = 500;
};

TEST_F(JustOneTest, TheRequestWordRestoresTheMinimisedWindow) {
    EXPECT_TRUE(window.isMinimized());
    auto asker = Send(TJustOne32::kComeForward);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isMinimized(); }, 3000));
    // Answered, the connection is closed at once rather than after the sender's patience.
    EXPECT_TRUE(QTest::qWaitFor([&] { return asker->state() == QLocalSocket::UnconnectedState; }, kAtOnceMs));
    // Restored but behind another window, it is activated.
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_TRUE(TJustOne32::AskToComeForward(instance.ServerName()));
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window, 3000));
}

TEST_F(JustOneTest, AnythingElseIsDroppedWithoutEffect) {
    struct Row {
        const char* what;
        QByteArray bytes;
        bool hungUpAtOnce;  // else the guard waits for the rest of the word
    };
    const Row rows[] = {
        {"garbage", "hello\n", true},
        {"the word without its end", TJustOne32::kComeForward.chopped(1), false},
        {"the word with more after it", TJustOne32::kComeForward + "x", true},
        // Cut off at its first byte too many, not read to the end.
        {"a flood", QByteArray(4 << 20, 'v'), true},
    };
    for (const Row& row : rows) {
        auto socket = Send(row.bytes);
        const bool hungUp =
            QTest::qWaitFor([&] { return socket->state() == QLocalSocket::UnconnectedState; }, kAtOnceMs);
        EXPECT_EQ(hungUp, row.hungUpAtOnce) << row.what;
        EXPECT_TRUE(window.isMinimized()) << row.what;
    }
    // Past eight at once, a stranger is dropped without waiting for its word.
    std::vector<std::unique_ptr<QLocalSocket>> crowd;
    for (int i = 0; i < 9; ++i) crowd.push_back(Send(""));
    EXPECT_TRUE(QTest::qWaitFor([&] { return crowd[8]->state() == QLocalSocket::UnconnectedState; }, 1000));
    EXPECT_EQ(crowd[0]->state(), QLocalSocket::ConnectedState);
    // Strangers that hang up free their places at once.
    crowd.clear();
    Settle();
    EXPECT_TRUE(TJustOne32::AskToComeForward(instance.ServerName()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isMinimized(); }, 1000));
}

TEST_F(JustOneTest, AStalledSenderDoesNotBlockTheRequest) {
    auto stalled = Send(TJustOne32::kComeForward.left(5));
    Settle();
    EXPECT_TRUE(window.isMinimized());
    EXPECT_TRUE(TJustOne32::AskToComeForward(instance.ServerName()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isMinimized(); }, 3000));
    // The stalled sender is dropped after its patience runs out.
    EXPECT_TRUE(QTest::qWaitFor([&] { return stalled->state() == QLocalSocket::UnconnectedState; }, 3000));
}

}  // namespace

// A second copy's style is opened once the window has come forward, and not under a dialog
// that would hand its result to the style that was open when it was shown.
TEST_F(JustOneTest, AHandedOverStyleOpensOnceNoDialogIsOpen) {
    std::vector<std::string> opened;
    guard.OpenStyle = [&](const std::string& path) { opened.push_back(path); };
    QDialog dialog(&window);
    dialog.setModal(true);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }));
    auto asker = Send(QByteArray::fromStdString(OpenStyleMessage("/home/u/Blue Sky.vls")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isMinimized(); }, 3000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return asker->state() == QLocalSocket::UnconnectedState; }, kAtOnceMs));
    Settle();
    EXPECT_TRUE(opened.empty());
    dialog.close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !opened.empty(); }, 3000));
    EXPECT_EQ(opened, std::vector<std::string>{"/home/u/Blue Sky.vls"});
}

namespace {

TEST(JustOneStart, StandsAsideWithoutALockAndListensOverTheSocketOfACopyThatDied) {
    QWidget window;
    QTemporaryDir folder;
    { const TPreviousInstance ended{"/opt/velloran/velloran", folder.path().toStdString()}; }
    EXPECT_FALSE(TJustOne32(&window).Listening()) << "no instance lock is held any more";
    // With nobody listening, a second copy's request is reported undelivered.
    EXPECT_FALSE(TJustOne32::AskToComeForward(folder.filePath("velloran.socket"), {.retryFor = 100}));
    QFile left(folder.filePath("velloran.socket"));
    ASSERT_TRUE(left.open(QIODevice::WriteOnly));
    left.close();
    TPreviousInstance instance{"/opt/velloran/velloran", folder.path().toStdString()};
    EXPECT_TRUE(TJustOne32(&window).Listening());
    // Found among the window's children by its name, as the window's other parts are.
    const TJustOne32 guard(&window);
    EXPECT_EQ(window.findChild<TJustOne32*>("JustOne321"), &guard);
}

TEST(JustOneStart, ASecondCopyAsksTheFirstForwardOrToOpenItsStyleAndEndsWithSuccess) {
    QTemporaryDir folder;
    const std::string dir = folder.path().toStdString();
    const platform::InstancePaths paths = platform::InstancePathsFor("velloran", dir, "", 0);
    const platform::InstanceLock first(paths.lock);
    QLocalServer server;
    ASSERT_TRUE(server.listen(QString::fromStdString(paths.server)));
    for (const std::string style : {"", "/home/u/Blue Sky.vls"}) {
        EXPECT_EXIT(
            {
                TPreviousInstance second("/opt/velloran/velloran", dir);
                second.SetStyleToHandOver(style);
                QWidget window;
                TJustOne32 guard(&window);
            },
            ::testing::ExitedWithCode(0), "");
        ASSERT_TRUE(server.waitForNewConnection(1000));
        QLocalSocket* request = server.nextPendingConnection();
        request->waitForReadyRead(1000);
        EXPECT_EQ(request->readAll().toStdString(),
                  style.empty() ? TJustOne32::kComeForward.toStdString() : OpenStyleMessage(style));
    }
}

}  // namespace
