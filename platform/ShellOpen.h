// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>
#include <functional>

namespace platform {

// Asks the desktop to open an address with its default action (a web page in the user's
// browser). The outcome is not examined: the desktop reports its own failures.
void ShellOpen(const QUrl& address);

// Tests record the requests instead of starting a browser; an empty opener restores the
// desktop's.
using ShellOpener = std::function<void(const QUrl&)>;
void SetShellOpenerForTests(ShellOpener opener);

}  // namespace platform
