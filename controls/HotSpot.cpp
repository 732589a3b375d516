// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/HotSpot.h"

#include <QMouseEvent>

#include "controls/Accessible.h"

namespace controls {

THotspot::THotspot(QWidget* parent) : QWidget(parent) {
    InstallAccessibleFactory();
    // No paint event and no background fill: a child widget that paints nothing leaves
    // its parent's pixels as they are.
    setAutoFillBackground(false);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);  // moves are reported with no button down, too
    resize(kDefaultSize, kDefaultSize);
}

void THotspot::mousePressEvent(QMouseEvent* event) {
    clicks_.Press(*event);
    emit OnMouseDown(this, event->button(), event->modifiers(), event->position().toPoint());
}

// Qt keeps the mouse with the hotspot from press to release, so a release dragged outside
// arrives here too; only a release inside is a click.
void THotspot::mouseReleaseEvent(QMouseEvent* event) {
    if (clicks_.Release(*event, rect())) emit OnClick(this);
    emit OnMouseUp(this, event->button(), event->modifiers(), event->position().toPoint());
}

// The second press of a double click raises the double click instead of a second click.
void THotspot::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit OnDblClick(this);
    emit OnMouseDown(this, event->button(), event->modifiers(), event->position().toPoint());
}

void THotspot::mouseMoveEvent(QMouseEvent* event) {
    emit OnMouseMove(this, event->modifiers(), event->position().toPoint());
}

}  // namespace controls
