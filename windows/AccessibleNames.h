// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace windows {

// The name a screen reader gives a button that acts on one row of a table: the button's
// text, without its mnemonic, with the row's name after it ("Fix" on the row
// "New links" is "Fix New links"; "Fix AA" is "Fix AA New links"), so that buttons alike
// in every row are told apart.
QString RowButtonName(const QString& buttonText, const QString& rowName);

}  // namespace windows
