// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMouseEvent>
#include <QRect>

namespace controls {

// What makes a click of a window-less control: a left press, then a left release inside
// the control. Qt keeps the mouse with the control from press to release, so a release
// dragged outside arrives too and is no click.
class ClickTracker {
public:
    void Press(const QMouseEvent& event) {
        if (event.button() == Qt::LeftButton) leftPressed_ = true;
    }
    // True when this release completes a click.
    bool Release(const QMouseEvent& event, const QRect& area) {
        if (event.button() != Qt::LeftButton) return false;
        const bool click = leftPressed_ && area.contains(event.position().toPoint());
        leftPressed_ = false;
        return click;
    }

private:
    bool leftPressed_ = false;
};

}  // namespace controls
