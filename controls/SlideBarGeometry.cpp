// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/SlideBarGeometry.h"

#include <algorithm>
#include <cmath>

namespace controls {

namespace {

// Far outside any control coordinate, yet far inside long long.
constexpr long double kSaturation = 4.0e18L;

// Pixels per value along the bar. The original holds this factor in a 32-bit float, and
// the thumb's place depends on that rounding (187/255 is not exact), so it is kept here;
// the products with it are formed in extended precision, as the original's were, so that
// exact halves such as 3 x 12.5 stay exact and go to the even neighbour.
float ScaleOf(long long extent, long long range) {
    if (range == 0) return 0.0F;  // Max = Min: every value sits at the start
    return static_cast<float>(static_cast<long double>(extent) / static_cast<long double>(range));
}

long double Product(long long steps, float scale) {
    return static_cast<long double>(steps) * static_cast<long double>(scale);
}

long long Truncate(long double v) {
    if (std::isnan(v)) return 0;
    return static_cast<long long>(std::clamp(v, -kSaturation, kSaturation));
}

int ClampToRange(long long v, int min, int max) {
    // Raised to Min first, then lowered to Max: with Max < Min the result is Max.
    v = std::max(v, static_cast<long long>(min));
    v = std::min(v, static_cast<long long>(max));
    return static_cast<int>(v);
}

// Multiples of step counted from zero: the first one at or above v, the last at or below v.
long long FirstMultipleAtOrAbove(long long v, long long step) {
    long long q = v / step;
    if (q * step < v) ++q;
    return q * step;
}
long long LastMultipleAtOrBelow(long long v, long long step) {
    long long q = v / step;
    if (q * step > v) --q;
    return q * step;
}

}  // namespace

std::optional<ThumbArt> ThumbArtOf(TThumbStyle style) {
    for (const ThumbArt& art : kThumbArt) {
        if (art.style == style) return art;
    }
    return std::nullopt;
}

long long Nearest(long double v) {
    if (std::isnan(v)) return 0;
    v = std::clamp(v, -kSaturation, kSaturation);
    const long double below = std::floor(v);
    const long double fraction = v - below;
    long double result = below;
    if (fraction > 0.5L || (fraction == 0.5L && std::fmod(below, 2.0L) != 0.0L)) result = below + 1.0L;
    return static_cast<long long>(result);
}

BarRect TrackBox(const SlideBarLayout& layout) {
    BarRect box;
    if (layout.Vertical()) {
        box.top = layout.HalfThumbHeight();
        box.bottom = layout.height - layout.thumbHeight + layout.HalfThumbHeight();
        box.left = layout.width / 2 - layout.thickness / 2 - 1;
        box.right = box.left + layout.thickness + 1;
    } else {
        box.left = layout.HalfThumbWidth();
        box.right = layout.width - layout.thumbWidth + layout.HalfThumbWidth();
        box.top = layout.height / 2 - layout.thickness / 2 - 1;
        box.bottom = box.top + layout.thickness + 1;
    }
    return box;
}

std::vector<int> TickPositions(const SlideBarLayout& layout, int frequency) {
    std::vector<int> positions;
    // A frequency below 1 has no multiples to mark (and must not reach the modulo).
    if (frequency < 1 || layout.max < layout.min) return positions;

    const BarRect box = TrackBox(layout);
    const bool vertical = layout.Vertical();
    const long long extent = vertical ? layout.height - layout.thumbHeight : layout.width - layout.thumbWidth;
    const float scale = ScaleOf(extent, RangeOf(layout.min, layout.max));
    const long long step = frequency;
    const long long first = FirstMultipleAtOrAbove(layout.min, step);
    const long long last = LastMultipleAtOrBelow(layout.max, step);
    if (first > last) return positions;

    const auto offsetOf = [&](long long k) {
        return Truncate(Product(first + k * step - layout.min, scale));
    };
    const auto push = [&](long long offset) {
        const int at =
            vertical ? static_cast<int>(box.bottom - offset - 1) : static_cast<int>(box.left + offset);
        if (positions.empty() || positions.back() != at) positions.push_back(at);
    };

    // Max has a place of its own at the track's far end.
    const bool maxIsTick = last == layout.max;
    const long long count = (last - first) / step + 1;
    const long long regular = maxIsTick ? count - 1 : count;
    // The offsets are monotonic in the value, so the next value that lands on another pixel
    // is found by bisection; a bar of millions of values draws at most one tick per pixel
    // without visiting every value.
    long long k = 0;
    while (k < regular) {
        const long long offset = offsetOf(k);
        push(offset);
        long long lo = k + 1, hi = regular;  // first index in [lo, hi) with another offset
        while (lo < hi) {
            const long long mid = lo + (hi - lo) / 2;
            if (offsetOf(mid) != offset) {
                hi = mid;
            } else {
                lo = mid + 1;
            }
        }
        k = lo;
    }
    if (maxIsTick) {
        const int at = vertical ? box.top : box.right - 1;
        if (positions.empty() || positions.back() != at) positions.push_back(at);
    }
    return positions;
}

BarRect PlaceThumb(const SlideBarLayout& layout, int position, std::optional<int> dragCoordinate) {
    const long long range = RangeOf(layout.min, layout.max);
    const long long steps = static_cast<long long>(position) - layout.min;
    BarRect thumb;
    if (layout.Vertical()) {
        const long long extent = layout.height - layout.thumbHeight;
        const float scale = ScaleOf(extent, range);
        long long top = dragCoordinate ? static_cast<long long>(*dragCoordinate) - layout.HalfThumbHeight()
                                       : layout.height - Nearest(Product(steps, scale)) - layout.thumbHeight;
        top = std::max(std::min(top, extent), 0LL);
        thumb.top = static_cast<int>(top);
        thumb.left = (layout.width - layout.thumbWidth) / 2;
    } else {
        const long long extent = layout.width - layout.thumbWidth;
        const float scale = ScaleOf(extent, range);
        long long left = dragCoordinate ? static_cast<long long>(*dragCoordinate) - layout.HalfThumbWidth()
                                        : Nearest(Product(steps, scale));
        left = std::max(std::min(left, extent), 0LL);
        thumb.left = static_cast<int>(left);
        thumb.top = (layout.height - layout.thumbHeight) / 2;
    }
    thumb.right = thumb.left + layout.thumbWidth;
    thumb.bottom = thumb.top + layout.thumbHeight;
    return thumb;
}

int ValueAtPoint(const SlideBarLayout& layout, int x, int y) {
    const long double range = static_cast<long double>(RangeOf(layout.min, layout.max));
    // The divisor is the length less half a thumb, and the point is not offset by the half
    // thumb: the original maps this way, so the last value is reached a half thumb before
    // the far end.
    long double fraction = 0.0L;
    if (layout.Vertical()) {
        const long long span = static_cast<long long>(layout.height) - layout.HalfThumbHeight();
        if (span != 0) fraction = static_cast<long double>(span - y) / static_cast<long double>(span);
    } else {
        const long long span = static_cast<long long>(layout.width) - layout.HalfThumbWidth();
        if (span != 0) fraction = static_cast<long double>(x) / static_cast<long double>(span);
    }
    return ClampToRange(Nearest(fraction * range + layout.min), layout.min, layout.max);
}

int ValueOfTrackClick(const SlideBarLayout& layout, const BarRect& thumb, int position, int x, int y) {
    long long v = position;
    if (layout.Vertical()) {
        const int centre = thumb.top + layout.HalfThumbHeight();
        if (y < centre) ++v;  // up is towards Max
        if (y > centre) --v;
    } else {
        const int centre = thumb.left + layout.HalfThumbWidth();
        if (x < centre) --v;
        if (x > centre) ++v;
    }
    return ClampToRange(v, layout.min, layout.max);
}

int SteppedPosition(int position, long long n, int min, int max) {
    const long long target = static_cast<long long>(position) + n;
    if (n > 0) return static_cast<int>(std::min(target, static_cast<long long>(max)));
    if (n < 0) return static_cast<int>(std::max(target, static_cast<long long>(min)));
    return position;
}

int DefaultPageSize(int min, int max) { return static_cast<int>(std::max(1LL, RangeOf(min, max) / 10)); }

}  // namespace controls
