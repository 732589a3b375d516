// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowPlace.h"

#include <algorithm>

namespace {

// Centred, then pulled back so the far edge stays on the area where it can, and the near
// edge in any case.
int Coordinate(int start, int extent, int size) {
    const int centred = start + (extent - size) / 2;
    return std::max(start, std::min(centred, start + extent - size));
}

}  // namespace

QPoint WindowPlace(const QRect& available, const QSize& window) {
    return {Coordinate(available.left(), available.width(), window.width()),
            Coordinate(available.top(), available.height(), window.height())};
}
