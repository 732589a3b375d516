// SPDX-License-Identifier: GPL-3.0-or-later
// Where the magnifier goes: beside the pointer, on the screen, never over the pixel picked.
// (Which pixel is picked is tested on a real screen, in ScreenPickerTest.)
#include <gtest/gtest.h>

#include "app/PickerLens.h"

namespace {

using pickerlens::Point;

struct LensCase {
    Point pointer;
    Point screen;
    Point origin;
};

class LensOriginTest : public ::testing::TestWithParam<LensCase> {};

// The lens with its code strip is 99 x 117, 16 pixels off the pointer.
TEST_P(LensOriginTest, KeepsTheLensOnTheScreenAndOffThePointer) {
    const LensCase& row = GetParam();
    EXPECT_EQ(pickerlens::LensOrigin(row.pointer, row.screen.x, row.screen.y), row.origin);
}

INSTANTIATE_TEST_SUITE_P(Placement, LensOriginTest,
                         ::testing::Values(LensCase{{285, 167}, {400, 300}, {301, 183}},  // just fits
                                           LensCase{{286, 168}, {400, 300}, {171, 35}},   // flips
                                           LensCase{{100, 100}, {400, 200}, {116, 0}}));  // too low a screen

}  // namespace
