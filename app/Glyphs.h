// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// The main window's small button pictures, drawn at 16 x 16.
namespace glyphs {

QIcon Bold();
QIcon Italic();
QIcon Center();
QIcon CopyTag();
QIcon CopyTagWithText();
QIcon Add();
QIcon Delete();

}  // namespace glyphs
