// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMenu>
#include <functional>
#include <string>

// File > "Recent Styles": the styles last opened or saved, read from the settings file each
// time the File menu opens. Choosing one calls Open; a file that is gone is taken off the list
// and reported.
class TRecentMenu : public QMenu {
    Q_OBJECT

public:
    TRecentMenu(std::function<std::string()> settingsPath, QWidget* parent);

    std::function<void(const std::string& path)> Open;

    // Puts the style first on the list. The list is a convenience: a settings file that
    // cannot be written leaves it as it was, without a message, and the open or save goes on.
    void Note(const std::string& path);
    void Rebuild();

private:
    void Choose(const std::string& path);

    std::function<std::string()> settingsPath_;
};
