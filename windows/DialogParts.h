// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QStyle>

#include <QDialog>
#include <QPalette>

#include "platform/Color.h"

class QAbstractItemView;
class QKeyEvent;
class QPushButton;

namespace windows {

// A dialog that sees every key before its controls do, so that Escape closes it whatever
// control has the focus. Call EnableKeyPreview once the controls exist.
class TKeyPreviewDialog : public QDialog {
public:
    using QDialog::QDialog;

protected:
    void EnableKeyPreview();
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The dialog's key-down handling; true when it took the key. Escape closes the dialog.
    virtual bool FormKeyDown(QKeyEvent* event);
};

// What every dialog of the program shares: a fixed frame whose title bar carries only the
// system menu (close), the given client size, the sans-serif 8-point font, centred on the
// screen (the parent's screen when there is a parent).
void SetUpDialogFrame(QDialog& dialog, const QString& caption, QSize clientSize);

// An OK or Cancel button: bold caption with the standard glyph of its kind, at `place`.
// The width a push button needs to show its caption (and icon) whole, by its style's own
// margins: another language's caption may need more than the drawn place.
int NeededButtonWidth(const QPushButton& button);

// Widens a button whose caption needs more than its place into the free room up to
// `rightLimit` (a caption of another language), rather than cutting the caption off. A
// caption that fits keeps the drawn place.
void WidenToCaption(QPushButton& button, int rightLimit);

QPushButton* MakeGlyphButton(QDialog& dialog, const QString& caption, QStyle::StandardPixmap glyph,
                             const QRect& place);

// The dialog's "OK" (the default button) and "Cancel" buttons, named cmdOK and cmdCancel.
struct OkCancelButtons {
    QPushButton* ok;
    QPushButton* cancel;
};
OkCancelButtons MakeOkCancelButtons(QDialog& dialog, const QRect& okPlace, const QRect& cancelPlace);

// Gives every row of `view` the same height, whatever the font's line spacing, as the
// program's face lists have.
void SetFixedRowHeight(QAbstractItemView& view, int height);

// Gives a widget's text (WindowText, or ButtonText on a button) an accent colour of the
// program's, kept where it reads on the background the desktop theme gives the widget, and
// mixed towards the theme's own text colour where it would not (a dark theme).
void SetAccentColor(QWidget* widget, QPalette::ColorRole textRole, platform::TColor accent);
// The same choice for a control that draws its own text: the accent on a background, with
// system colours resolved against the present theme.
platform::TColor ReadableAccent(platform::TColor accent, platform::TColor background,
                                platform::TColor themeText);
// The same choice for the help viewer's links, in Qt's colours: the theme's link colour on
// the page, mixed towards the page's text colour where it would not read.
QColor ReadableLinkColor(QColor link, QColor page, QColor text);

}  // namespace windows
