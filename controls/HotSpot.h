// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "controls/ClickTracker.h"

namespace controls {

// An invisible rectangle laid over something another control draws, turning clicks on that
// area into OnClick. It paints nothing, so whatever lies under it shows through, and it
// takes no focus. Among siblings the later-created widget lies on top, so a hotspot made
// after the shape it covers gets that shape's clicks.
class THotspot : public QWidget {
    Q_OBJECT

public:
    explicit THotspot(QWidget* parent = nullptr);

    QString Hint() const { return toolTip(); }
    void SetHint(const QString& hint) { setToolTip(hint); }

signals:
    void OnClick(controls::THotspot* sender);
    void OnDblClick(controls::THotspot* sender);
    void OnMouseDown(controls::THotspot* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                     QPoint point);
    void OnMouseUp(controls::THotspot* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                   QPoint point);
    void OnMouseMove(controls::THotspot* sender, Qt::KeyboardModifiers shift, QPoint point);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    static constexpr int kDefaultSize = 25;

    ClickTracker clicks_;
};

}  // namespace controls
