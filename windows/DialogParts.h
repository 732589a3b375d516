#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QStyle>

class QDialog;
class QPushButton;

namespace windows {

// What every dialog of the program shares: a fixed frame whose title bar carries only the
// system menu (close), the given client size, the sans-serif 8-point font, centred on the
// screen (the parent's screen when there is a parent).
void SetUpDialogFrame(QDialog& dialog, const QString& caption, QSize clientSize);

// An OK or Cancel button: bold caption with the standard glyph of its kind, at `place`.
QPushButton* MakeGlyphButton(QDialog& dialog, const QString& caption, QStyle::StandardPixmap glyph,
                             const QRect& place);

}  // namespace windows
