// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ShellOpen.h"

#include <QDesktopServices>

namespace platform {

namespace {

ShellOpener& OpenerOverride() {
    static ShellOpener opener;
    return opener;
}

}  // namespace

void SetShellOpenerForTests(ShellOpener opener) { OpenerOverride() = std::move(opener); }

void ShellOpen(const QUrl& address) {
    if (OpenerOverride()) {
        OpenerOverride()(address);
        return;
    }
    QDesktopServices::openUrl(address);
}

}  // namespace platform
