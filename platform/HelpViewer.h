// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
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
    void changeEvent(QEvent* event) override;

private:
    void LinkClicked(const QUrl& link);
    // Draws the manual's links in the colour the link colour rule gives for the theme.
    void ApplyLinkColor();
    bool InsideManual(const QUrl& address) const;

    QString helpFile_;
    bool showsMissingFile_ = false;
};

// The colour the manual's links are drawn in, from the theme's link, page and text
// colours. The program gives the rule its other accents follow, so that links read on any
// theme; without one, the theme's link colour stands.
using LinkColorRule = QColor (*)(QColor link, QColor page, QColor text);
void SetHelpLinkColorRule(LinkColorRule rule);

// Opens the one help viewer on the manual at its contents page, or brings the open one
// forward at its contents page. The viewer belongs to `owner` and closes with it.
THelpViewer* ShowHelpContents(QWidget* owner, const std::string& helpFile);
// The open help viewer, or nothing.
THelpViewer* OpenHelpViewer();

}  // namespace platform
