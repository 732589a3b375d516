// SPDX-License-Identifier: GPL-3.0-or-later
// The magnifier's arithmetic: where it goes (beside the pointer, on the screen, never over the
// pixel picked), its zoom steps, the wheel's notches and the average of an area. (Which pixel
// is picked, and what the lens shows, is tested on a real screen, in ScreenPickerTest.)
#include <gtest/gtest.h>

#include <vector>

#include "app/PickerLens.h"

namespace {

using pickerlens::Point;

struct LensCase {
    Point pointer;
    int zoom;
    Point screen;
    Point origin;
};

class LensOriginTest : public ::testing::TestWithParam<LensCase> {};

// At 9 cells the lens with its strips is 135 x 183, at 25 cells 125 x 173; 16 pixels off
// the pointer.
TEST_P(LensOriginTest, KeepsTheLensOnTheScreenAndOffThePointer) {
    const LensCase& row = GetParam();
    EXPECT_EQ(pickerlens::LensOrigin(row.pointer, row.zoom, row.screen.x, row.screen.y), row.origin);
}

INSTANTIATE_TEST_SUITE_P(
    Placement, LensOriginTest,
    ::testing::Values(LensCase{{249, 201}, 1, {400, 400}, {265, 217}},  // just fits
                      LensCase{{250, 202}, 1, {400, 400}, {99, 3}},     // flips
                      LensCase{{259, 211}, 3, {400, 400}, {275, 227}},  // fits when smaller
                      LensCase{{100, 100}, 0, {400, 200}, {116, 0}}));  // too low a screen

struct NudgeCase {
    Point from;
    Point by;
    Point to;
};

class NudgeTest : public ::testing::TestWithParam<NudgeCase> {};

// On a grab of 100 x 50 device pixels.
TEST_P(NudgeTest, KeepsThePixelOnTheGrab) {
    const NudgeCase& row = GetParam();
    EXPECT_EQ(pickerlens::Nudged(row.from, row.by.x, row.by.y, 100, 50), row.to);
}

INSTANTIATE_TEST_SUITE_P(Edges, NudgeTest,
                         ::testing::Values(NudgeCase{{40, 20}, {10, -10}, {50, 10}},  // Shift+arrow
                                           NudgeCase{{95, 45}, {10, 10}, {99, 49}},  // stops at the far edges
                                           NudgeCase{{99, 49}, {1, 1}, {99, 49}},
                                           NudgeCase{{4, 7}, {-10, -10}, {0, 0}},  // and at the near ones
                                           NudgeCase{{0, 0}, {-1, -1}, {0, 0}},
                                           NudgeCase{{98, 48}, {1, 1}, {99, 49}}));

struct ZoomCase {
    int zoom;
    int steps;
    int zoomed;
};

class ZoomTest : public ::testing::TestWithParam<ZoomCase> {};

TEST_P(ZoomTest, StepsStayWithinFiveToTwentyFiveCells) {
    const ZoomCase& row = GetParam();
    EXPECT_EQ(pickerlens::ZoomedBy(row.zoom, row.steps), row.zoomed);
}

INSTANTIATE_TEST_SUITE_P(Steps, ZoomTest,
                         ::testing::Values(ZoomCase{1, -1, 0}, ZoomCase{0, -1, 0}, ZoomCase{1, 1, 2},
                                           ZoomCase{2, 1, 3}, ZoomCase{3, 1, 3}, ZoomCase{1, 5, 3},
                                           ZoomCase{3, -3, 0}, ZoomCase{2, 0, 2}));

// Every step keeps the lens about as wide, in whole-pixel cells.
TEST(ZoomTest, CellsOfEveryStepFillAboutTheSameWidth) {
    const std::vector<std::array<int, 3>> steps = {{5, 27, 135}, {9, 15, 135}, {15, 9, 135}, {25, 5, 125}};
    ASSERT_EQ(pickerlens::kZoomCells.size(), steps.size());
    for (std::size_t zoom = 0; zoom < steps.size(); ++zoom) {
        EXPECT_EQ(pickerlens::kZoomCells[zoom], steps[zoom][0]);
        EXPECT_EQ(pickerlens::CellSize(static_cast<int>(zoom)), steps[zoom][1]);
        EXPECT_EQ(pickerlens::LensSide(static_cast<int>(zoom)), steps[zoom][2]);
    }
}

struct WheelCase {
    const char* name;
    std::vector<int> deltas;
    // The notches each turn completes.
    std::vector<int> notches;
};

void PrintTo(const WheelCase& row, std::ostream* out) { *out << row.name; }

class WheelTest : public ::testing::TestWithParam<WheelCase> {};

TEST_P(WheelTest, CountsWholeNotches) {
    const WheelCase& row = GetParam();
    int pending = 0;
    std::vector<int> notches;
    for (int delta : row.deltas) notches.push_back(pickerlens::WheelNotches(pending, delta));
    EXPECT_EQ(notches, row.notches);
}

INSTANTIATE_TEST_SUITE_P(
    Turns, WheelTest,
    ::testing::Values(WheelCase{"OneNotchAway", {120}, {1}}, WheelCase{"TwoHalvesMakeOne", {60, 60}, {0, 1}},
                      WheelCase{"SmoothTowardsTheUser", {-60, -40, -20, -60}, {0, 0, -1, 0}},
                      WheelCase{"ATurnBackCancelsTheRest", {100, -100, 20}, {0, 0, 0}},
                      WheelCase{"AFastTurnIsSeveral", {250, 110}, {2, 1}},
                      WheelCase{"TheRestCarriesOverBothWays", {-130, -110}, {-1, -1}}),
    [](const auto& info) { return std::string(info.param.name); });

struct AverageCase {
    const char* name;
    std::vector<std::array<int, 3>> pixels;
    std::array<int, 3> average;
};

void PrintTo(const AverageCase& row, std::ostream* out) { *out << row.name; }

class AverageTest : public ::testing::TestWithParam<AverageCase> {};

TEST_P(AverageTest, RoundsEachChannelToTheNearest) {
    const AverageCase& row = GetParam();
    pickerlens::TAverage average;
    for (const std::array<int, 3>& pixel : row.pixels) average.Add(pixel[0], pixel[1], pixel[2]);
    EXPECT_EQ(average.Count(), static_cast<int>(row.pixels.size()));
    EXPECT_EQ(average.Rounded(), row.average);
}

INSTANTIATE_TEST_SUITE_P(
    Areas, AverageTest,
    ::testing::Values(
        AverageCase{"NothingIsBlack", {}, {0, 0, 0}},
        AverageCase{"OnePixelIsItself", {{12, 200, 255}}, {12, 200, 255}},
        AverageCase{"HalfRoundsUp", {{0, 255, 7}, {1, 254, 8}}, {1, 255, 8}},
        // 32 / 3, 1 / 3 and 763 / 3.
        AverageCase{"ThirdsRoundToTheNearest", {{10, 0, 255}, {11, 0, 254}, {11, 1, 254}}, {11, 0, 254}},
        // Nine whites and blacks: 5 x 255 / 9 = 141.7, 4 x 255 / 9 = 113.3.
        AverageCase{"ThreeByThreeChecker",
                    {{255, 0, 255},
                     {0, 255, 0},
                     {255, 0, 255},
                     {0, 255, 0},
                     {255, 0, 255},
                     {0, 255, 0},
                     {255, 0, 255},
                     {0, 255, 0},
                     {255, 0, 255}},
                    {142, 113, 142}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
