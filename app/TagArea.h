// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>
#include <QString>

// The tag area under the preview: the text of the current tag, wrapped to the area's width.
//
// A tag with thousands of alternate faces is one long line, and when the faces have no spaces
// it has no word boundary either; wrapping at word boundaries then scans the rest of that line
// again for every line it makes, so each change of the tag would cost time that grows with
// the square of its length. Such a tag is wrapped anywhere instead, which lays it out in one
// pass; a tag of ordinary length keeps its words whole.
void ShowTagText(QPlainTextEdit& area, const QString& text);

// The length from which a tag is wrapped anywhere.
inline constexpr qsizetype kWrapAnywhereLength = 4096;
