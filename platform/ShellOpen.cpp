// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ShellOpen.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QStandardPaths>

#include "platform/Error.h"

namespace platform {

namespace {

ShellOpener& OpenerOverride() {
    static ShellOpener opener;
    return opener;
}

// The desktop's opener does not say why it failed; on a desktop with no environment of its
// own it is xdg-open, and a missing one is the usual cause.
QString Reason() {
    if (QGuiApplication::platformName() == "xcb" && QStandardPaths::findExecutable("xdg-open").isEmpty()) {
        return QCoreApplication::translate(
            "platform::ShellOpen",
            "No program to open it was found: xdg-open (from xdg-utils) is not installed.");
    }
    return QCoreApplication::translate("platform::ShellOpen", "The desktop has no program to open it.");
}

}  // namespace

void SetShellOpenerForTests(ShellOpener opener) { OpenerOverride() = std::move(opener); }

void ShellOpen(const QUrl& address) {
    const bool asked = OpenerOverride() ? OpenerOverride()(address) : QDesktopServices::openUrl(address);
    if (!asked) {
        const QString shown = address.isLocalFile() ? address.toLocalFile() : address.toString();
        throw Error(QCoreApplication::translate("platform::ShellOpen", "Unable to open %1\n%2")
                        .arg(shown, Reason())
                        .toStdString());
    }
}

}  // namespace platform
