// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PickerLens.h"

#include <algorithm>
#include <cmath>

namespace pickerlens {

namespace {

// A logical position is a device position divided by the ratio; multiplying back may land a
// hair below the whole number it came from (300.99999 for 301 at a ratio of 1.5).
constexpr double kRoundingSlack = 1e-6;

int DeviceCoordinate(double logical, double ratio, int size) {
    const int device = static_cast<int>(std::floor(logical * ratio + kRoundingSlack));
    return std::clamp(device, 0, size - 1);
}

// Right of (below) the pointer when the lens fits there, else left of (above) it, and never
// past the screen's start.
int LensCoordinate(int pointer, int extent, int screen) {
    const int after = pointer + kPointerGap;
    if (after + extent <= screen) return after;
    return std::max(0, pointer - kPointerGap - extent);
}

}  // namespace

Point DevicePixelAt(double x, double y, double ratio, int width, int height) {
    return {DeviceCoordinate(x, ratio, width), DeviceCoordinate(y, ratio, height)};
}

Point LogicalPointOf(Point pixel, double ratio) {
    return {static_cast<int>(std::floor((pixel.x + 0.5) / ratio)),
            static_cast<int>(std::floor((pixel.y + 0.5) / ratio))};
}

Point LensOrigin(Point pointer, int width, int height) {
    return {LensCoordinate(pointer.x, kLensSide, width),
            LensCoordinate(pointer.y, kLensSide + kCodeHeight, height)};
}

}  // namespace pickerlens
