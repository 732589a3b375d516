// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TagArea.h"

void ShowTagText(QPlainTextEdit& area, const QString& text) {
    // Laying out the same text anew would cost most of an Open with a long list of faces,
    // since the area is shown again after every step of a read and every bar of a colour.
    if (area.toPlainText() == text) return;
    const QTextOption::WrapMode mode = text.size() >= kWrapAnywhereLength
                                           ? QTextOption::WrapAnywhere
                                           : QTextOption::WrapAtWordBoundaryOrAnywhere;
    // Before the text, so that the new text is laid out once, in the mode it needs.
    if (area.wordWrapMode() != mode) area.setWordWrapMode(mode);
    area.setPlainText(text);
}
