// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/Rect.h"

// The slide bar's geometry and pixel-to-value arithmetic, free of any widget so that it can
// be tested without a window. The widget (SlideBar.h) gathers its state into a
// SlideBarLayout and draws what these functions say.
namespace controls {

// The value names are stored in form descriptions and are kept exactly as written there.
enum class TOrientation { orVertical, orHorizontal };
enum class TBarStyle { bsLowered, bsRaised };
enum class TThumbStyle {
    tsBar1,
    tsBar2,
    tsBar3,
    tsBar4,
    tsCircle1,
    tsSquare1,
    tsDiamond1,
    tsDiamond2,
    tsDiamond3,
    tsDiamond4,
    tsStdDown,
    tsStdUp,
    tsStdVBar,
    tsStdUpDown,
    tsStdLeft,
    tsStdRight,
    tsStdHBar,
    stStdLeftRight,  // sic: the stored name begins with "st"
};

// The bitmap resources of one thumb style and the thumb bitmap's size. A mask may be taller
// than the thumb (StdDownMask has a spare bottom row); only its top W x H area is used.
struct ThumbArt {
    TThumbStyle style;
    std::string_view thumbName;
    std::string_view maskName;
    int width;
    int height;
};

inline constexpr std::array<ThumbArt, 18> kThumbArt = {{
    {TThumbStyle::tsBar1, "Bar1", "Bar1Mask", 5, 10},
    {TThumbStyle::tsBar2, "Bar2", "Bar2Mask", 6, 12},
    {TThumbStyle::tsBar3, "Bar3", "Bar3Mask", 10, 5},
    {TThumbStyle::tsBar4, "Bar4", "Bar4Mask", 12, 6},
    {TThumbStyle::tsCircle1, "Circle1", "Circle1Mask", 8, 8},
    {TThumbStyle::tsSquare1, "Square1", "Square1Mask", 8, 8},
    {TThumbStyle::tsDiamond1, "Diamond1", "Diamond1Mask", 8, 8},
    {TThumbStyle::tsDiamond2, "Diamond2", "Diamond2Mask", 12, 12},
    {TThumbStyle::tsDiamond3, "Diamond3", "Diamond3Mask", 9, 9},
    {TThumbStyle::tsDiamond4, "Diamond4", "Diamond4Mask", 11, 11},
    {TThumbStyle::tsStdDown, "StdDown", "StdDownMask", 13, 26},
    {TThumbStyle::tsStdUp, "StdUp", "StdUpMask", 13, 26},
    {TThumbStyle::tsStdVBar, "StdVBar", "StdVBarMask", 13, 26},
    {TThumbStyle::tsStdUpDown, "StdUpDown", "StdUpDownMask", 13, 26},
    {TThumbStyle::tsStdLeft, "StdLeft", "StdLeftMask", 26, 12},
    {TThumbStyle::tsStdRight, "StdRight", "StdRightMask", 26, 12},
    {TThumbStyle::tsStdHBar, "StdHBar", "StdHBarMask", 26, 13},
    {TThumbStyle::stStdLeftRight, "StdLeftRight", "StdLeftRightMask", 26, 12},
}};

// The art of a style, or nothing for a value outside the 18 styles.
std::optional<ThumbArt> ThumbArtOf(TThumbStyle style);

// A rectangle in control pixels; right and bottom lie just outside it, as PtInRect has it.
using BarRect = platform::Rect;

// Everything the geometry depends on.
struct SlideBarLayout {
    int width = 100;  // the control's client width
    int height = 15;  // and height
    int thumbWidth = 8;
    int thumbHeight = 8;
    int min = 1;
    int max = 10;
    int thickness = 1;
    TOrientation orientation = TOrientation::orHorizontal;

    int HalfThumbWidth() const { return thumbWidth / 2; }
    int HalfThumbHeight() const { return thumbHeight / 2; }
    bool Vertical() const { return orientation == TOrientation::orVertical; }
};

// The integer nearest to v, a value exactly halfway going to the even neighbour (as the
// original's Round). Saturates far outside the int range and maps NaN to 0, so that no
// caller can reach an undefined float-to-int conversion.
long long Nearest(long double v);

// The box the track is drawn on: its outline's corners. Its inside, Thickness pixels
// across, runs from left+1 to right-1 and top+1 to bottom-1; along the bar it spans the
// range of the thumb's centre.
BarRect TrackBox(const SlideBarLayout& layout);

// The x (horizontal) or y (vertical) of each tick mark, for every multiple of frequency
// (counted from zero) in min..max, in order of value; a run of values that fall on the same
// pixel gives one entry. No ticks when max < min or frequency < 1.
std::vector<int> TickPositions(const SlideBarLayout& layout, int frequency);

// Where the thumb goes: at position's place, or centred on the mouse while dragging;
// always kept inside the control (when it fits).
BarRect PlaceThumb(const SlideBarLayout& layout, int position, std::optional<int> dragCoordinate);

// The value under a point of the control, clamped to min..max.
int ValueAtPoint(const SlideBarLayout& layout, int x, int y);

// The value a click on the track (released at x, y, not dragging) asks for: one step from
// position towards the release point, judged against the thumb's centre, clamped to min..max.
int ValueOfTrackClick(const SlideBarLayout& layout, const BarRect& thumb, int position, int x, int y);

// The target of StepUp(n) (n > 0: towards max) or StepDown (n < 0: towards min), without
// passing the limit in that direction.
int SteppedPosition(int position, long long n, int min, int max);

// The page size that setting Min or Max asks for: the larger of 1 and (max - min) div 10.
int DefaultPageSize(int min, int max);

// max - min without overflow.
inline long long RangeOf(int min, int max) { return static_cast<long long>(max) - min; }

}  // namespace controls
