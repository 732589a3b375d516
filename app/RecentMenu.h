// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMenu>
#include <functional>
#include <string>
#include <vector>

// File > "Recent Styles": the styles last opened or saved, read from the settings file each
// time the File menu opens. Choosing one calls Open; a file that is gone is taken off the list
// and reported.
class TRecentMenu : public QMenu {
    Q_OBJECT

public:
    TRecentMenu(std::function<std::string()> settingsPath, QWidget* parent);

    std::function<void(const std::string& path)> Open;
    // Runs before the list is written (the settings folder is made then).
    std::function<void()> PrepareWrite;

    // Puts the style first on the list. A settings file that cannot be written leaves the
    // list as it was and is reported, and the open or save it follows stands.
    void Note(const std::string& path);
    void Rebuild();

private:
    void Choose(const std::string& path);
    // Writes the list; false, with the failure shown, when it cannot be written.
    bool Write(const std::vector<std::string>& styles);

    std::function<std::string()> settingsPath_;
};
