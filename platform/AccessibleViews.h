// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {

// What screen readers are told of Qt's plain widgets where Qt's own view says too little:
// - a plain QWidget that is a window of its own (a tool window, the help viewer, the
//   picker's overlay) is a window, or a dialog when it is one, named by its title, rather
//   than an anonymous "filler" that nobody announces as it opens;
// - a combo box given an accessible name is named by it, its value being the item shown;
//   on this desktop Qt would otherwise name the box after its item.
// The application object installs it once; later calls do nothing.
void InstallAccessibleViews();

}  // namespace platform
