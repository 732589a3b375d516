// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

namespace platform {

// A combo box that screen readers name by its accessible name, its value being the item
// shown; on this desktop Qt names a plain combo box after its item.
class TNamedComboBox : public QComboBox {
    Q_OBJECT

public:
    using QComboBox::QComboBox;
};

// What screen readers are told of Qt's plain widgets where Qt's own view says too little:
// - a plain QWidget that is a window of its own (a tool window, the help viewer, the
//   picker's overlay) is a window, or a dialog when it is one, named by its title, rather
//   than an anonymous "filler" that nobody announces as it opens;
// - a TNamedComboBox is named by its accessible name.
// The application object installs it once; later calls do nothing.
void InstallAccessibleViews();

}  // namespace platform
