// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PickerLens.h"

#include <algorithm>
#include <cmath>

namespace pickerlens {

namespace {

// A logical position is a device position divided by the ratio; multiplying back may land a
// hair below the whole number it came from (300.99999 for 301 at a ratio of 1.5).
constexpr double kRoundingSlack = 1e-6;

// What a wheel reports for one notch.
constexpr int kNotch = 120;

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

int ZoomedBy(int zoom, int steps) {
    return std::clamp(zoom + steps, 0, static_cast<int>(kZoomCells.size()) - 1);
}

int CellSize(int zoom) { return kLensWidth / kZoomCells[static_cast<std::size_t>(zoom)]; }

int LensSide(int zoom) { return CellSize(zoom) * kZoomCells[static_cast<std::size_t>(zoom)]; }

Point DevicePixelAt(double x, double y, double ratio, int width, int height) {
    return {DeviceCoordinate(x, ratio, width), DeviceCoordinate(y, ratio, height)};
}

Point Nudged(Point pixel, int dx, int dy, int width, int height) {
    return {std::clamp(pixel.x + dx, 0, width - 1), std::clamp(pixel.y + dy, 0, height - 1)};
}

Point LogicalPointOf(Point pixel, double ratio) {
    return {static_cast<int>(std::floor((pixel.x + 0.5) / ratio)),
            static_cast<int>(std::floor((pixel.y + 0.5) / ratio))};
}

Point LensOrigin(Point pointer, int zoom, int width, int height) {
    const int side = LensSide(zoom);
    return {LensCoordinate(pointer.x, side, width), LensCoordinate(pointer.y, side + kStripsHeight, height)};
}

int WheelNotches(int& pending, int delta) {
    pending += delta;
    // Towards zero, so that a turn back first undoes what was left over.
    const int notches = pending / kNotch;
    pending -= notches * kNotch;
    return notches;
}

void TAverage::Add(int red, int green, int blue) {
    sums_[0] += red;
    sums_[1] += green;
    sums_[2] += blue;
    ++count_;
}

std::array<int, 3> TAverage::Rounded() const {
    std::array<int, 3> rounded{};
    if (count_ == 0) return rounded;
    // Half up: (2 sum + count) / (2 count), in whole numbers.
    for (std::size_t n = 0; n < rounded.size(); ++n)
        rounded[n] = static_cast<int>((2 * sums_[n] + count_) / (2L * count_));
    return rounded;
}

}  // namespace pickerlens
