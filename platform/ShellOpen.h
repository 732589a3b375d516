// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>
#include <functional>

namespace platform {

// Asks the desktop to open an address with its default action (a web page in the user's
// browser). When no program can be asked, throws platform::Error "Unable to open <address>"
// with the reason on a line of its own; what the program asked then does is its own to report.
void ShellOpen(const QUrl& address);

// Tests record the requests instead of starting a browser; an empty opener restores the
// desktop's. An opener returns whether it could ask.
using ShellOpener = std::function<bool(const QUrl&)>;
void SetShellOpenerForTests(ShellOpener opener);

}  // namespace platform
