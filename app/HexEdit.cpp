// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HexEdit.h"

#include <QKeyEvent>
#include <QValidator>

#include "platform/Keys.h"
#include "style/HexField.h"

namespace {

constexpr int kMaxDigits = 2;

// The focus moves to a menu or another window and will come back: the user has not left
// the field.
bool StaysInField(Qt::FocusReason reason) {
    return reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason ||
           reason == Qt::MenuBarFocusReason;
}

// Upper-cases whatever enters the field, typed or pasted. A pasted text that is not
// hexadecimal is let through on purpose: the panel reports it when it reads the value.
class UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = input.toUpper();
        return Acceptable;
    }
};

}  // namespace

THexEdit::THexEdit(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(kMaxDigits);
    setValidator(new UpperCaseValidator(this));
    setText("00");
}

void THexEdit::keyPressEvent(QKeyEvent* event) {
    const hexfield::KeyResult result =
        hexfield::NavigationKey(platform::VirtualKeyOf(event->key()), text().toStdString());
    if (result.text) setText(QString::fromStdString(*result.text));
    if (result.consumed) {
        event->accept();
        return;
    }
    const QString typed = event->text();
    if (typed.size() == 1 && typed[0].isPrint() && !hexfield::KeyPasses(typed[0].unicode())) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void THexEdit::SelectWhole() {
    if (hasFocus()) {
        setSelection(0, static_cast<int>(text().size()));
        return;
    }
    deselect();
    if (window()->focusWidget() == this) {
        hidden_ = Selection{0, static_cast<int>(text().size())};
    } else {
        hidden_.reset();
    }
}

void THexEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (hidden_ && StaysInField(event->reason())) setSelection(hidden_->start, hidden_->length);
    hidden_.reset();
}

void THexEdit::focusOutEvent(QFocusEvent* event) {
    if (StaysInField(event->reason())) {
        hidden_.reset();
        if (hasSelectedText()) {
            hidden_ = Selection{static_cast<int>(selectionStart()), static_cast<int>(selectedText().size())};
            deselect();
        }
    } else {
        hidden_.reset();
        const QString padded = QString::fromStdString(hexfield::ExitText(text().toStdString()));
        if (padded != text()) setText(padded);
    }
    QLineEdit::focusOutEvent(event);
}
