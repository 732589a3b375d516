// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RecentMenu.h"

#include "platform/Application.h"
#include "platform/Error.h"
#include "platform/Paths.h"
#include "style/RecentStyles.h"

TRecentMenu::TRecentMenu(std::function<std::string()> settingsPath, QWidget* parent)
    : QMenu(tr("Recent S&tyles"), parent), settingsPath_(std::move(settingsPath)) {
    setObjectName("mnuFileRecent");
    setToolTipsVisible(true);
    setEnabled(false);
}

void TRecentMenu::Note(const std::string& path) {
    Write(WithRecentStyle(ReadRecentStyles(settingsPath_()), path));
    Rebuild();
}

bool TRecentMenu::Write(const std::vector<std::string>& styles) {
    try {
        if (PrepareWrite) PrepareWrite();
        WriteRecentStyles(settingsPath_(), styles);
        return true;
    } catch (const platform::Error& e) {
        platform::TApplication::ShowError(QString::fromUtf8(e.what()));
        return false;
    }
}

void TRecentMenu::Rebuild() {
    // The item being chosen may be the one asking for the rebuild: it goes once it is done.
    for (QAction* item : actions()) {
        removeAction(item);
        item->deleteLater();
    }
    const std::vector<std::string> styles = ReadRecentStyles(settingsPath_());
    for (std::size_t i = 0; i < styles.size(); ++i) {
        QAction* item = addAction(QString::fromStdString(RecentItemText(i, styles[i])));
        item->setToolTip(QString::fromStdString(styles[i]));
        connect(item, &QAction::triggered, this,
                platform::ReportingErrors([this, path = styles[i]] { Choose(path); }));
    }
    setEnabled(!styles.empty());
}

void TRecentMenu::Choose(const std::string& path) {
    if (!platform::FileExists(path)) {
        const bool takenOff = Write(WithoutStyle(ReadRecentStyles(settingsPath_()), path));
        Rebuild();
        const QString message =
            takenOff ? tr("The style \"%1\" is no longer there; it has been taken off the list.")
                     : tr("The style \"%1\" is no longer there.");
        throw platform::Error(message.arg(QString::fromStdString(path)).toStdString());
    }
    if (Open) Open(path);
}
