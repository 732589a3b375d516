// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the main window first opens: centred in the screen's free area, but never with its
// top-left corner (the title bar and the system menu) off that area, even when the window is
// larger than the area, as it is at a high scale on a small screen.
QPoint WindowPlace(const QRect& available, const QSize& window);
