// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace controls {

// A line of text that works as a web link: a left click on it, or Space or Enter while it
// has the focus, activates it. Tab reaches it, and it shows a focus frame round its text
// while it has the focus. Screen readers meet it as a link named by its text, whose press
// action activates it.
class TLinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit TLinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void Activated();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool pressed_ = false;
};

}  // namespace controls
