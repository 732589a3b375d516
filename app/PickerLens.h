// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// The screen picker's arithmetic in plain numbers: which grabbed pixel lies under the pointer,
// how large the magnifier is at each zoom, where it goes beside the pointer, and the colour of
// an averaged area. Kept apart from the overlay so that it is checked without a screen.
namespace pickerlens {

// The magnifier's zoom steps, in screen pixels across, most magnified first. A cell is as
// many whole logical pixels as fit in about kLensWidth, so the lens keeps its size.
inline constexpr std::array<int, 4> kZoomCells = {5, 9, 15, 25};
inline constexpr int kDefaultZoom = 1;
inline constexpr int kLensWidth = 135;
// Under the cells: the hexadecimal code, the colour being replaced beside the new one, and
// the hint of how the colour is taken.
inline constexpr int kCodeHeight = 18;
inline constexpr int kSwatchHeight = 14;
inline constexpr int kHintHeight = 16;
inline constexpr int kStripsHeight = kCodeHeight + kSwatchHeight + kHintHeight;
// The lens keeps this far from the pointer, so that it never covers the pixel being picked.
inline constexpr int kPointerGap = 16;

// What is picked: the one device pixel, or the average of the square this many pixels
// across around it.
inline constexpr std::array<int, 3> kSampleSides = {1, 3, 5};

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// The zoom step `steps` on from step `zoom` (positive: more cells, less magnified), kept
// within the steps there are.
int ZoomedBy(int zoom, int steps);
// A cell's side in logical pixels, and the side of the cells' square, at zoom step `zoom`.
int CellSize(int zoom);
int LensSide(int zoom);

// The device pixel of a grab `width` x `height` device pixels large that lies under the
// point (x, y), in logical pixels from the grabbed screen's top-left corner, at device pixel
// ratio `ratio`. At ratios other than 1 a pointer position is fractional, and every device
// pixel has one. A point off the grab gives the nearest pixel on it.
Point DevicePixelAt(double x, double y, double ratio, int width, int height);

// Device pixel `pixel` moved by `dx`, `dy`, kept on a grab `width` x `height` large.
Point Nudged(Point pixel, int dx, int dy, int width, int height);

// The logical point from the screen's corner where the pointer goes to stand on device pixel
// `pixel`: the pointer can only be placed on whole logical pixels, so at a ratio above 1 this
// is the logical pixel that holds it.
Point LogicalPointOf(Point pixel, double ratio);

// The top-left corner of the magnifier with its strips at zoom step `zoom`, for a pointer at
// `pointer` on a screen `width` x `height` logical pixels large: below and right of the
// pointer, or on the other side of it where the magnifier would leave the screen.
Point LensOrigin(Point pointer, int zoom, int width, int height);

// Whole notches of a mouse wheel: `delta` (eighths of a degree, 120 a notch) is added to
// what earlier small turns of a smooth wheel left over in `pending`, and the notches
// completed are taken out of it (positive: turned away from the user).
int WheelNotches(int& pending, int delta);

// The average of several pixels' channels, each rounded to the nearest whole value.
class TAverage {
public:
    void Add(int red, int green, int blue);
    int Count() const { return count_; }
    // Red, green and blue; none added gives black.
    std::array<int, 3> Rounded() const;

private:
    std::array<long, 3> sums_{};
    int count_ = 0;
};

}  // namespace pickerlens
