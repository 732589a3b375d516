// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>

#include "windows/DialogParts.h"

class QFrame;
class QLabel;
class QPushButton;

namespace windows {

// The product web page that the About box's link opens. It is fixed when the program is
// configured; by default it is the HTML copy of the manual beside the program, so the link
// opens something real on a machine without a network.
QUrl ProductWebPage();

// The About box: the program's name and version, a notice, where to turn with questions,
// and a link to the product web page. Modal; Enter, Esc, OK and the close box close it.
class TfrmAbout : public TKeyPreviewDialog {
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget* parent = nullptr);

    QLabel* Label1;
    QFrame* pnlAbout;
    QLabel* Label3;
    QLabel* Label8;
    QLabel* Label6;
    QLabel* Label2;
    QLabel* lblWeb;
    QPushButton* BitBtn1;

protected:
    bool FormKeyDown(QKeyEvent* event) override;

private:
    void FormCreate();
    void lblWebClick();
};

}  // namespace windows
