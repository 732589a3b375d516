// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <QString>
#include <functional>
#include "windows/DialogParts.h"

class QKeyEvent;
class QPlainTextEdit;
class QPushButton;

namespace windows {

// The text dialog: edits the sample text that the font preview shows and the font tag can
// enclose. It starts with the current text unaltered and hands the edited text back only on
// OK, and only when the user edited it; Cancel, Esc and the window's close button hand back
// nothing.
//
// Build one for each opening, on the stack, and run it with exec(); it is released when it
// goes out of scope. It does not delete itself, so it must not be created with new and left
// to its own devices.
class TfrmFontText : public TKeyPreviewDialog {
    Q_OBJECT

public:
    // The box takes at most this many characters (UTF-16 units) from the keyboard or a paste.
    static constexpr int kMaxTextLength = 255;

    using SetTextFn = std::function<void(const QString&)>;

    TfrmFontText(const QString& currentText, SetTextFn setText, QWidget* parent = nullptr);

protected:
private:
    void FormCreate(const QString& currentText);
    // The dialog sees every key before the focused control does.
    void cmdOKClick();
    void cmdCancelClick();

    // The box's lines joined by CR LF.
    QString WholeText() const;

    SetTextFn setText_;
    QPlainTextEdit* MemoText;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};

}  // namespace windows
