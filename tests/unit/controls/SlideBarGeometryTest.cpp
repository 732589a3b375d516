// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/SlideBarGeometry.h"

#include <climits>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

namespace controls {
namespace {

// The main window's colour bars: 198 x 11, 0..255, a 3-pixel track, the 11 x 11 diamond.
SlideBarLayout RgbBar() {
    SlideBarLayout layout;
    layout.width = 198;
    layout.height = 11;
    layout.thumbWidth = 11;
    layout.thumbHeight = 11;
    layout.min = 0;
    layout.max = 255;
    layout.thickness = 3;
    return layout;
}

// The main window's size bar: 86 x 15, 1..7, a 1-pixel track, the 11 x 11 diamond.
SlideBarLayout SizeBar() {
    SlideBarLayout layout;
    layout.width = 86;
    layout.height = 15;
    layout.thumbWidth = 11;
    layout.thumbHeight = 11;
    layout.min = 1;
    layout.max = 7;
    layout.thickness = 1;
    return layout;
}

// A default 100 x 15 bar turned on its side, 1..10, with the 8 x 8 circle.
SlideBarLayout VerticalBar() {
    SlideBarLayout layout;
    layout.width = 15;
    layout.height = 100;
    layout.orientation = TOrientation::orVertical;
    return layout;
}

TEST(SlideBarGeometryTest, NearestTakesHalvesToTheEvenNeighbour) {
    EXPECT_EQ(Nearest(12.5L), 12);
    EXPECT_EQ(Nearest(37.5L), 38);
    EXPECT_EQ(Nearest(62.5L), 62);
    EXPECT_EQ(Nearest(0.5L), 0);
    EXPECT_EQ(Nearest(-0.5L), 0);
    EXPECT_EQ(Nearest(-1.5L), -2);
    EXPECT_EQ(Nearest(93.13L), 93);
    EXPECT_EQ(Nearest(93.87L), 94);
    EXPECT_EQ(Nearest(-2.7L), -3);
}

TEST(SlideBarGeometryTest, NearestSaturatesInsteadOfOverflowing) {
    EXPECT_GT(Nearest(std::numeric_limits<long double>::infinity()), LLONG_MAX / 4);
    EXPECT_LT(Nearest(-std::numeric_limits<long double>::infinity()), LLONG_MIN / 4);
    EXPECT_EQ(Nearest(std::numeric_limits<long double>::quiet_NaN()), 0);
}

TEST(SlideBarGeometryTest, RgbBarTrackBoxHasAThreePixelInside) {
    EXPECT_EQ(TrackBox(RgbBar()), (BarRect{5, 3, 192, 7}));
}

TEST(SlideBarGeometryTest, RgbBarThumbPlaces) {
    const SlideBarLayout bar = RgbBar();
    EXPECT_EQ(PlaceThumb(bar, 255, std::nullopt), (BarRect{187, 0, 198, 11}));
    EXPECT_EQ(PlaceThumb(bar, 0, std::nullopt).left, 0);
    // 127 x 187/255 = 93.13 and 128 x 187/255 = 93.87, with the factor held as a float.
    EXPECT_EQ(PlaceThumb(bar, 127, std::nullopt).left, 93);
    EXPECT_EQ(PlaceThumb(bar, 128, std::nullopt).left, 94);
}

TEST(SlideBarGeometryTest, SizeBarTrackTicksAndThumbs) {
    const SlideBarLayout bar = SizeBar();
    EXPECT_EQ(TrackBox(bar), (BarRect{5, 6, 80, 8}));
    // The last tick sits at R - 1 rather than at 5 + 75.
    EXPECT_EQ(TickPositions(bar, 1), (std::vector<int>{5, 17, 30, 42, 55, 67, 79}));
    // 12.5, 37.5 and 62.5 go to the even neighbour.
    const int expectedLefts[] = {0, 12, 25, 38, 50, 62, 75};
    for (int position = 1; position <= 7; ++position) {
        const BarRect thumb = PlaceThumb(bar, position, std::nullopt);
        EXPECT_EQ(thumb.left, expectedLefts[position - 1]) << "position " << position;
        EXPECT_EQ(thumb.top, 2);
        EXPECT_EQ(thumb.Width(), 11);
        EXPECT_EQ(thumb.Height(), 11);
    }
}

TEST(SlideBarGeometryTest, TicksMarkMultiplesOfFrequencyCountedFromZero) {
    SlideBarLayout bar;  // 100 x 15, 1..10, 8 x 8 thumb: L = 4, s = 92 / 9
    bar.min = 1;
    bar.max = 10;
    // 3, 6 and 9 only: 1 is not a multiple of 3 although the range starts there.
    EXPECT_EQ(TickPositions(bar, 3), (std::vector<int>{4 + 20, 4 + 51, 4 + 81}));
    // 10 is a multiple of 5 and so takes the far end's place, R - 1 = 95.
    EXPECT_EQ(TickPositions(bar, 5), (std::vector<int>{4 + 40, 95}));
}

TEST(SlideBarGeometryTest, NoTicksWithoutARangeOrFrequency) {
    SlideBarLayout bar = SizeBar();
    EXPECT_TRUE(TickPositions(bar, 0).empty());
    EXPECT_TRUE(TickPositions(bar, -2).empty());
    EXPECT_TRUE(TickPositions(bar, 100).empty());  // no multiple of 100 in 1..7
    bar.max = 0;                                   // Max below Min
    EXPECT_TRUE(TickPositions(bar, 1).empty());
    bar.max = 1;  // Max = Min: the one value is the far end
    EXPECT_EQ(TickPositions(bar, 1), (std::vector<int>{79}));
}

TEST(SlideBarGeometryTest, HugeRangesGiveAtMostOneTickPerPixel) {
    SlideBarLayout bar = RgbBar();
    bar.min = INT_MIN;
    bar.max = INT_MAX;
    const std::vector<int> ticks = TickPositions(bar, 1);
    ASSERT_FALSE(ticks.empty());
    EXPECT_EQ(ticks.front(), 5);
    EXPECT_EQ(ticks.back(), 191);
    EXPECT_LE(ticks.size(), 192U - 5U + 1U);
    for (std::size_t i = 1; i < ticks.size(); ++i) EXPECT_LT(ticks[i - 1], ticks[i]);
}

TEST(SlideBarGeometryTest, VerticalBarPutsMinAtTheBottom) {
    const SlideBarLayout bar = VerticalBar();  // extent 92, s = 92 / 9
    EXPECT_EQ(TrackBox(bar), (BarRect{6, 4, 8, 96}));
    EXPECT_EQ(PlaceThumb(bar, 1, std::nullopt), (BarRect{3, 92, 11, 100}));
    EXPECT_EQ(PlaceThumb(bar, 10, std::nullopt), (BarRect{3, 0, 11, 8}));
    EXPECT_EQ(PlaceThumb(bar, 5, std::nullopt).top, 100 - 41 - 8);  // 4 x 10.22 = 40.9
    // Ticks run from the bottom (B - 1) to the top (T for Max).
    const std::vector<int> ticks = TickPositions(bar, 1);
    ASSERT_EQ(ticks.size(), 10U);
    EXPECT_EQ(ticks.front(), 95);
    EXPECT_EQ(ticks[1], 96 - 10 - 1);
    EXPECT_EQ(ticks.back(), 4);
}

TEST(SlideBarGeometryTest, DraggedThumbIsCentredOnTheMouseAndKeptInside) {
    const SlideBarLayout bar = RgbBar();
    EXPECT_EQ(PlaceThumb(bar, 0, 100).left, 95);
    EXPECT_EQ(PlaceThumb(bar, 0, 2).left, 0);
    EXPECT_EQ(PlaceThumb(bar, 0, 500).left, 187);
    EXPECT_EQ(PlaceThumb(bar, 0, INT_MIN).left, 0);
    const SlideBarLayout vertical = VerticalBar();
    EXPECT_EQ(PlaceThumb(vertical, 1, 50).top, 46);
    EXPECT_EQ(PlaceThumb(vertical, 1, -20).top, 0);
    EXPECT_EQ(PlaceThumb(vertical, 1, 200).top, 92);
}

TEST(SlideBarGeometryTest, ThumbStaysInsideForDegenerateRanges) {
    SlideBarLayout bar = RgbBar();
    bar.max = bar.min;  // no division by zero: everything sits at the start
    EXPECT_EQ(PlaceThumb(bar, 0, std::nullopt).left, 0);
    EXPECT_EQ(PlaceThumb(bar, 1000, std::nullopt).left, 0);
    bar.min = INT_MIN;
    bar.max = INT_MAX;
    EXPECT_EQ(PlaceThumb(bar, INT_MAX, std::nullopt).left, 187);
    EXPECT_EQ(PlaceThumb(bar, INT_MIN, std::nullopt).left, 0);
    bar.min = 10;
    bar.max = 0;  // Max below Min
    const BarRect thumb = PlaceThumb(bar, 5, std::nullopt);
    EXPECT_GE(thumb.left, 0);
    EXPECT_LE(thumb.right, 198);
    // A control narrower than its thumb pins the thumb at the start.
    bar = RgbBar();
    bar.width = 6;
    EXPECT_EQ(PlaceThumb(bar, 200, std::nullopt).left, 0);
}

TEST(SlideBarGeometryTest, ValueAtPointDividesByTheLengthLessHalfAThumb) {
    const SlideBarLayout bar = RgbBar();
    EXPECT_EQ(ValueAtPoint(bar, 193, 5), 255);  // 193 / 193 x 255
    EXPECT_EQ(ValueAtPoint(bar, 96, 5), 127);   // 126.84
    EXPECT_EQ(ValueAtPoint(bar, 0, 5), 0);
    EXPECT_EQ(ValueAtPoint(bar, 197, 5), 255);
    EXPECT_EQ(ValueAtPoint(bar, -40, 5), 0);
    EXPECT_EQ(ValueAtPoint(bar, 4000, 5), 255);
}

TEST(SlideBarGeometryTest, ValueAtPointVerticalRisesUpwards) {
    const SlideBarLayout bar = VerticalBar();  // span 96, 1..10
    EXPECT_EQ(ValueAtPoint(bar, 7, 96), 1);
    EXPECT_EQ(ValueAtPoint(bar, 7, 0), 10);
    EXPECT_EQ(ValueAtPoint(bar, 7, 48), 6);  // 0.5 x 9 + 1 = 5.5, to the even 6
    EXPECT_EQ(ValueAtPoint(bar, 7, 150), 1);
}

TEST(SlideBarGeometryTest, ValueAtPointSurvivesDegenerateSizesAndRanges) {
    SlideBarLayout bar = RgbBar();
    bar.width = bar.HalfThumbWidth();  // zero divisor
    EXPECT_EQ(ValueAtPoint(bar, 3, 5), 0);
    bar = RgbBar();
    bar.min = INT_MIN;
    bar.max = INT_MAX;
    EXPECT_EQ(ValueAtPoint(bar, 193, 5), INT_MAX);
    EXPECT_EQ(ValueAtPoint(bar, 0, 5), INT_MIN);
    bar.min = 10;
    bar.max = 0;  // raised to Min, then lowered to Max
    EXPECT_EQ(ValueAtPoint(bar, 50, 5), 0);
}

TEST(SlideBarGeometryTest, TrackClickMovesOneStepTowardsTheReleasePoint) {
    const SlideBarLayout bar = RgbBar();
    const BarRect thumb = PlaceThumb(bar, 128, std::nullopt);  // left 94, centre 99
    EXPECT_EQ(ValueOfTrackClick(bar, thumb, 128, 20, 5), 127);
    EXPECT_EQ(ValueOfTrackClick(bar, thumb, 128, 180, 5), 129);
    EXPECT_EQ(ValueOfTrackClick(bar, thumb, 128, 99, 5), 128);
    EXPECT_EQ(ValueOfTrackClick(bar, PlaceThumb(bar, 255, std::nullopt), 255, 197, 5), 255);
    EXPECT_EQ(ValueOfTrackClick(bar, PlaceThumb(bar, 0, std::nullopt), 0, 0, 5), 0);

    const SlideBarLayout vertical = VerticalBar();
    const BarRect upright = PlaceThumb(vertical, 5, std::nullopt);  // centre at top + 4
    EXPECT_EQ(ValueOfTrackClick(vertical, upright, 5, 7, 2), 6);
    EXPECT_EQ(ValueOfTrackClick(vertical, upright, 5, 7, 98), 4);
    EXPECT_EQ(ValueOfTrackClick(vertical, upright, 5, 7, upright.top + 4), 5);
}

TEST(SlideBarGeometryTest, SteppingStopsAtTheLimitInItsDirection) {
    EXPECT_EQ(SteppedPosition(250, 25, 0, 255), 255);
    EXPECT_EQ(SteppedPosition(10, -25, 0, 255), 0);
    EXPECT_EQ(SteppedPosition(10, 1, 0, 255), 11);
}

TEST(SlideBarGeometryTest, ArithmeticAtTheIntLimitsNeitherOverflowsNorWraps) {
    EXPECT_EQ(SteppedPosition(INT_MAX, INT_MAX, INT_MIN, INT_MAX), INT_MAX);
    EXPECT_EQ(SteppedPosition(INT_MIN, INT_MIN, INT_MIN, INT_MAX), INT_MIN);
    EXPECT_EQ(DefaultPageSize(INT_MIN, INT_MAX), 429496729);
    SlideBarLayout bar = RgbBar();
    bar.min = INT_MIN;
    bar.max = INT_MAX;
    EXPECT_EQ(ValueOfTrackClick(bar, PlaceThumb(bar, INT_MAX, std::nullopt), INT_MAX, 197, 5), INT_MAX);
    EXPECT_EQ(ValueOfTrackClick(bar, PlaceThumb(bar, INT_MIN, std::nullopt), INT_MIN, 0, 5), INT_MIN);
}

}  // namespace
}  // namespace controls
