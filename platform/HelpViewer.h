// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>
#include <string>

class QPushButton;
class QTextBrowser;
class QUrl;

namespace platform {

// The program's help viewer: one window that shows the HTML manual, with Contents, Back and
// Forward. Links inside the manual are followed here; any other link goes to the desktop's
// browser. A manual that cannot be read is reported inside the viewer, naming its path.
class THelpViewer : public QWidget {
    Q_OBJECT

public:
    THelpViewer(QString helpFile, QWidget* owner);

    // Shows the manual's contents page, reading the file afresh when it was missing before.
    void ShowContents();
    // True while the viewer shows its message about a missing or unreadable manual.
    bool ShowsMissingFile() const { return showsMissingFile_; }

    QPushButton* cmdContents;
    QPushButton* cmdBack;
    QPushButton* cmdForward;
    QTextBrowser* Browser;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void LinkClicked(const QUrl& link);
    bool InsideManual(const QUrl& address) const;

    QString helpFile_;
    bool showsMissingFile_ = false;
};

// Opens the one help viewer on the manual at its contents page, or brings the open one
// forward at its contents page. The viewer belongs to `owner` and closes with it.
THelpViewer* ShowHelpContents(QWidget* owner, const std::string& helpFile);
// The open help viewer, or nothing.
THelpViewer* OpenHelpViewer();

}  // namespace platform
