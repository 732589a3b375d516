// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <optional>
#include <vector>

#include "windows/FontText.h"

using windows::TfrmFontText;

namespace {

// An opened text dialog and every text it handed back.
struct TextDialog {
    std::vector<QString> written;
    TfrmFontText dialog;

    explicit TextDialog(const QString& current)
        : dialog(current, [this](const QString& text) { written.push_back(text); }) {
        dialog.show();
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    QPlainTextEdit* Memo() { return dialog.findChild<QPlainTextEdit*>("MemoText"); }
    QPushButton* Button(const char* name) { return dialog.findChild<QPushButton*>(name); }
    QString BoxText() { return Memo()->toPlainText(); }
    void Type(const QString& keys) { QTest::keyClicks(Memo(), keys); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    void Paste(const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        Key(Qt::Key_V, Qt::ControlModifier);
    }
};

}  // namespace

TEST(FontText, FrameIsFixedCentredAndNamed) {
    TextDialog d(QStringLiteral("Velloran"));
    EXPECT_EQ(d.dialog.windowTitle(), QStringLiteral(" Enter Text"));
    EXPECT_EQ(d.dialog.size(), QSize(396, 159));
    EXPECT_EQ(d.dialog.minimumSize(), d.dialog.maximumSize());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((d.dialog.geometry().center() - screen.center()).manhattanLength(), 2);
    EXPECT_TRUE(d.Button("cmdOK")->isDefault());
    EXPECT_FALSE(d.Button("cmdCancel")->isDefault());
}

TEST(FontText, OpensWithCurrentTextSelectedAndTabVisitsOkThenCancel) {
    TextDialog d(QStringLiteral("Welcome to my page"));
    EXPECT_EQ(d.BoxText(), QStringLiteral("Welcome to my page"));
    EXPECT_EQ(QApplication::focusWidget(), d.Memo());
    EXPECT_EQ(d.Memo()->textCursor().selectedText(), QStringLiteral("Welcome to my page"));
    d.Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), d.Button("cmdOK"));
    d.Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), d.Button("cmdCancel"));
    EXPECT_TRUE(d.written.empty());
}

// Text the program hands in (a style file allows longer text and could hold anything) is left
// alone when the user changes nothing, also where the box would not give it back byte for
// byte (a line separator character comes back as a line break).
TEST(FontText, OkWithoutEditsHandsBackNothing) {
    const QString cases[] = {
        QString(300, u'q'),
        QStringLiteral("two\r\nlines"),
        QStringLiteral("non\u00A0breaking <B>&amp;</B>"),
        QStringLiteral("line\u2028separator"),
    };
    for (const QString& current : cases) {
        TextDialog d(current);
        QTest::mouseClick(d.Button("cmdOK"), Qt::LeftButton);
        EXPECT_TRUE(d.written.empty()) << current.toStdString();
        EXPECT_EQ(d.dialog.result(), QDialog::Accepted);
    }
}

TEST(FontText, OkHandsBackTheEditedTextAndAnEmptyBoxEmptiesIt) {
    {
        TextDialog d(QStringLiteral("Velloran"));
        d.Type(QStringLiteral("Hello"));
        d.Key(Qt::Key_End);
        d.Type(QStringLiteral(", world"));
        QTest::mouseClick(d.Button("cmdOK"), Qt::LeftButton);
        EXPECT_EQ(d.written, std::vector<QString>{QStringLiteral("Hello, world")});
        EXPECT_FALSE(d.dialog.isVisible());
    }
    {
        TextDialog d(QStringLiteral("Velloran"));
        d.Key(Qt::Key_Delete);
        QTest::mouseClick(d.Button("cmdOK"), Qt::LeftButton);
        EXPECT_EQ(d.written, std::vector<QString>{QString()});
    }
}

TEST(FontText, EnterPressesOkInsteadOfBreakingTheLine) {
    for (const Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
        TextDialog d{QString()};
        d.Type(QStringLiteral("abc"));
        d.Key(enter, enter == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        EXPECT_EQ(d.written, std::vector<QString>{QStringLiteral("abc")});
        EXPECT_EQ(d.dialog.result(), QDialog::Accepted);
        EXPECT_FALSE(d.dialog.isVisible());
    }
    // Shift+Enter would start a line in a plain box; here it is no line break either.
    TextDialog d(QStringLiteral("abc"));
    d.Key(Qt::Key_End);
    d.Key(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(d.BoxText(), QStringLiteral("abc"));
}

TEST(FontText, CancelEscapeAndCloseAfterEditsHandBackNothing) {
    enum class Leave { Cancel, EscapeInBox, EscapeOnOk, CloseButton };
    for (const Leave leave : {Leave::Cancel, Leave::EscapeInBox, Leave::EscapeOnOk, Leave::CloseButton}) {
        TextDialog d(QStringLiteral("Velloran"));
        d.Type(QStringLiteral("changed"));
        switch (leave) {
            case Leave::Cancel: QTest::mouseClick(d.Button("cmdCancel"), Qt::LeftButton); break;
            case Leave::EscapeInBox: d.Key(Qt::Key_Escape); break;
            case Leave::EscapeOnOk:
                d.Key(Qt::Key_Tab);
                ASSERT_EQ(QApplication::focusWidget(), d.Button("cmdOK"));
                d.Key(Qt::Key_Escape);
                break;
            case Leave::CloseButton: d.dialog.close(); break;
        }
        EXPECT_TRUE(d.written.empty()) << static_cast<int>(leave);
        EXPECT_EQ(d.dialog.result(), QDialog::Rejected) << static_cast<int>(leave);
        EXPECT_FALSE(d.dialog.isVisible()) << static_cast<int>(leave);
    }
}

TEST(FontText, TypingStopsAt255Characters) {
    TextDialog d(QString(253, u'a'));
    d.Key(Qt::Key_End);
    d.Type(QStringLiteral("bcd"));
    EXPECT_EQ(d.BoxText(), QString(253, u'a') + QStringLiteral("bc"));
    // A full box still takes keys that do not add: deleting, then typing into the room made.
    d.Key(Qt::Key_Backspace);
    d.Type(QStringLiteral("xy"));
    EXPECT_EQ(d.BoxText(), QString(253, u'a') + QStringLiteral("bx"));
    // Typing over a selection replaces it, so a full box takes a key with text selected.
    d.Key(Qt::Key_Left, Qt::ShiftModifier);
    d.Type(QStringLiteral("z"));
    EXPECT_EQ(d.BoxText(), QString(253, u'a') + QStringLiteral("bz"));
    d.Key(Qt::Key_Return);
    ASSERT_EQ(d.written.size(), 1u);
    EXPECT_EQ(d.written[0].size(), 255);
}

TEST(FontText, TextLongerThanTheLimitTakesNoMoreTyping) {
    TextDialog d(QString(300, u'q'));
    d.Key(Qt::Key_End);
    d.Type(QStringLiteral("z"));
    EXPECT_EQ(d.BoxText(), QString(300, u'q'));
    d.Key(Qt::Key_Backspace);
    EXPECT_EQ(d.BoxText(), QString(299, u'q'));
}

TEST(FontText, PasteIsCutToTheRoomLeftAndLineBreaksBecomeSpaces) {
    {
        TextDialog d(QStringLiteral("abc"));
        d.Key(Qt::Key_End);
        d.Paste(QString(300, u'x'));
        EXPECT_EQ(d.BoxText(), QStringLiteral("abc") + QString(252, u'x'));
        d.Paste(QStringLiteral("more"));
        EXPECT_EQ(d.BoxText().size(), 255);
    }
    {
        // The selected text makes room for what replaces it.
        TextDialog d(QString(255, u'a'));
        d.Paste(QString(300, u'x'));
        EXPECT_EQ(d.BoxText(), QString(255, u'x'));
    }
    {
        TextDialog d{QString()};
        d.Paste(QStringLiteral("one\r\ntwo\nthree\rfour"));
        EXPECT_EQ(d.BoxText(), QStringLiteral("one two three four"));
        EXPECT_EQ(d.Memo()->blockCount(), 1);
    }
    {
        // A cut never leaves half of a character made of two UTF-16 units.
        TextDialog d(QString(254, u'a'));
        d.Key(Qt::Key_End);
        d.Paste(QStringLiteral("\U0001F600"));
        EXPECT_EQ(d.BoxText(), QString(254, u'a'));
    }
}

// The main window runs the dialog with exec() on a dialog of its own stack.
TEST(FontText, ExecReturnsAcceptedAfterEnter) {
    std::optional<QString> written;
    TfrmFontText dialog(QStringLiteral("old"), [&](const QString& text) { written = text; });
    QTimer::singleShot(0, &dialog, [&] {
        QTest::keyClicks(dialog.findChild<QPlainTextEdit*>("MemoText"), QStringLiteral("new"));
        QTest::keyClick(dialog.findChild<QPlainTextEdit*>("MemoText"), Qt::Key_Return);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(written, QStringLiteral("new"));
}
