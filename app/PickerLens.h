// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The screen picker's arithmetic in plain numbers: which grabbed pixel lies under the pointer,
// and where the magnifier goes beside it. Kept apart from the overlay so that it is checked
// without a screen.
namespace pickerlens {

// The magnifier shows kCells x kCells screen pixels around the one being picked, each drawn
// kCellSize logical pixels wide, with the hexadecimal code in a strip of kCodeHeight under it.
inline constexpr int kCells = 9;
inline constexpr int kCellSize = 11;
inline constexpr int kLensSide = kCells * kCellSize;
inline constexpr int kCodeHeight = 18;
// The lens keeps this far from the pointer, so that it never covers the pixel being picked.
inline constexpr int kPointerGap = 16;

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// The device pixel of a grab `width` x `height` device pixels large that lies under the
// point (x, y), in logical pixels from the grabbed screen's top-left corner, at device pixel
// ratio `ratio`. At ratios other than 1 a pointer position is fractional, and every device
// pixel has one. A point off the grab gives the nearest pixel on it.
Point DevicePixelAt(double x, double y, double ratio, int width, int height);

// The logical point from the screen's corner where the pointer goes to stand on device pixel
// `pixel`: the pointer can only be placed on whole logical pixels, so at a ratio above 1 this
// is the logical pixel that holds it.
Point LogicalPointOf(Point pixel, double ratio);

// The top-left corner of the magnifier with its code strip for a pointer at `pointer` on a
// screen `width` x `height` logical pixels large: below and right of the pointer, or on the
// other side of it where the magnifier would leave the screen.
Point LensOrigin(Point pointer, int width, int height);

}  // namespace pickerlens
