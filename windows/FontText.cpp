// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/FontText.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>

#include "platform/Faces.h"
#include "platform/Keys.h"
#include "windows/DialogParts.h"

namespace windows {

namespace {

constexpr QSize kClientSize{396, 159};
constexpr QRect kMemoPlace{0, 0, 396, 129};
constexpr QRect kOKPlace{112, 133, 75, 25};
constexpr QRect kCancelPlace{208, 133, 75, 25};
constexpr int kMemoFontHeight = -13;  // pixels

// Cuts text to at most maxLength UTF-16 units without splitting a surrogate pair.
QString CutToLength(const QString& text, qsizetype maxLength) {
    if (maxLength <= 0) return {};
    if (text.size() <= maxLength) return text;
    qsizetype keep = maxLength;
    if (text[keep - 1].isHighSurrogate()) --keep;
    return text.left(keep);
}

// The sample text is one paragraph: it is stored as one value of a line-based style file,
// where a line break would end the value and turn the rest into a stray line. So a line
// break that arrives in pasted or dropped text becomes a space, CR LF counting as one break.
QString AsOneParagraph(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (QChar& c : text) {
        if (c == u'\r' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
            c = u' ';
        }
    }
    return text;
}

// The text of a box as it holds it, lines joined by CR LF.
QString LinesJoined(const QPlainTextEdit& box) {
    // The raw text keeps non-breaking spaces, which the plain text would turn into spaces.
    QString text = box.document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
    return text;
}

// A multi-line box that takes at most a fixed number of characters from the user and never
// starts a new line: Enter is left to the dialog, which presses its default button. Text set
// by the program is taken as it is, even when longer; the user can then only shorten it.
class LimitedMemo : public QPlainTextEdit {
public:
    LimitedMemo(int maxLength, QWidget* parent) : QPlainTextEdit(parent), maxLength_(maxLength) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            event->ignore();
            return;
        }
        if (IsTyping(*event) && event->text().size() > Room()) {
            QApplication::beep();
            event->accept();
            return;
        }
        QPlainTextEdit::keyPressEvent(event);
    }

    void inputMethodEvent(QInputMethodEvent* event) override {
        const QString commit = AsOneParagraph(event->commitString());
        if (commit == event->commitString() && commit.size() <= Room()) {
            QPlainTextEdit::inputMethodEvent(event);
            return;
        }
        QInputMethodEvent fitted(event->preeditString(), event->attributes());
        fitted.setCommitString(CutToLength(commit, Room()), event->replacementStart(),
                               event->replacementLength());
        QPlainTextEdit::inputMethodEvent(&fitted);
    }

    // Paste, drop and the X11 selection all come through here.
    void insertFromMimeData(const QMimeData* source) override {
        if (!source->hasText()) return;
        const QString text = AsOneParagraph(source->text());
        const QString fitted = CutToLength(text, Room());
        if (fitted.size() < text.size()) QApplication::beep();
        if (fitted.isEmpty()) return;
        QMimeData plain;
        plain.setText(fitted);
        QPlainTextEdit::insertFromMimeData(&plain);
    }

private:
    // A key that would insert its text: printable text without a command modifier.
    static bool IsTyping(const QKeyEvent& event) {
        if (event.text().isEmpty()) return false;
        if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
        for (const QChar c : event.text()) {
            if (!c.isPrint() && !c.isSurrogate()) return false;
        }
        return true;
    }

    // How many characters can still go in, replacing the selection.
    qsizetype Room() const {
        const QTextCursor cursor = textCursor();
        const qsizetype selected = cursor.selectionEnd() - cursor.selectionStart();
        return maxLength_ - (LinesJoined(*this).size() - selected);
    }

    int maxLength_;
};

}  // namespace

TfrmFontText::TfrmFontText(const QString& currentText, SetTextFn setText, QWidget* parent)
    : TKeyPreviewDialog(parent), setText_(std::move(setText)) {
    SetUpDialogFrame(*this, tr(" Enter Text"), kClientSize);

    MemoText = new LimitedMemo(kMaxTextLength, this);
    MemoText->setObjectName(QStringLiteral("MemoText"));
    MemoText->setAccessibleName(tr("Text"));
    MemoText->setGeometry(kMemoPlace);
    MemoText->setFont(platform::MakeFont("MS Sans Serif", kMemoFontHeight));
    MemoText->setTabChangesFocus(true);
    // Lines wrap at the box's width, so there is never anything to scroll to sideways.
    MemoText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    const OkCancelButtons buttons = MakeOkCancelButtons(*this, kOKPlace, kCancelPlace);
    cmdOK = buttons.ok;
    cmdCancel = buttons.cancel;

    setTabOrder(MemoText, cmdOK);
    setTabOrder(cmdOK, cmdCancel);
    connect(cmdOK, &QPushButton::clicked, this, &TfrmFontText::cmdOKClick);
    connect(cmdCancel, &QPushButton::clicked, this, &TfrmFontText::cmdCancelClick);
    EnableKeyPreview();

    FormCreate(currentText);
}

void TfrmFontText::FormCreate(const QString& currentText) {
    MemoText->setPlainText(currentText);
    // Typing replaces the old text at once; End keeps it for appending.
    MemoText->selectAll();
    MemoText->setFocus();
}

QString TfrmFontText::WholeText() const { return LinesJoined(*MemoText); }

// Without an edit nothing is handed back: the box's text is not always byte for byte what
// it was given (a line separator character comes back as a line break), and OK on an
// unchanged text must not change the style.
void TfrmFontText::cmdOKClick() {
    if (setText_ && MemoText->document()->isModified()) setText_(WholeText());
    accept();
}

void TfrmFontText::cmdCancelClick() { reject(); }

}  // namespace windows
