// The picker's arithmetic where the X11 tests do not reach: ratios that are not whole,
// pointers past a screen's edge, and a magnifier that must move to the pointer's other side.
#include <gtest/gtest.h>

#include "app/PickerLens.h"

namespace {

using pickerlens::DevicePixelAt;
using pickerlens::LensOrigin;
using pickerlens::Point;

struct PixelCase {
    double x, y, ratio;
    Point pixel;
};

class DevicePixelTest : public ::testing::TestWithParam<PixelCase> {};

// On a grab of 300 x 200 device pixels.
TEST_P(DevicePixelTest, IsThePixelUnderThePoint) {
    const PixelCase& row = GetParam();
    EXPECT_EQ(DevicePixelAt(row.x, row.y, row.ratio, 300, 200), row.pixel);
}

INSTANTIATE_TEST_SUITE_P(Ratios, DevicePixelTest,
                         ::testing::Values(
                             // Device pixels 61 and 122 seen at 1.75, whose logical positions
                             // times 1.75 come out a hair below 61 and 122.
                             PixelCase{61 / 1.75, 122 / 1.75, 1.75, {61, 122}},
                             // Just short of the next pixel stays on this one.
                             PixelCase{100.999, 66.9, 1.5, {151, 100}},
                             PixelCase{-0.5, -3, 1, {0, 0}},            // left of and above the grab
                             PixelCase{150, 100, 2, {299, 199}},        // the far edge at 2
                             PixelCase{99.75, 0.25, 1.25, {124, 0}}));  // a ratio of 1.25

struct LensCase {
    Point pointer;
    Point origin;
};

class LensOriginTest : public ::testing::TestWithParam<LensCase> {};

// A screen of 400 x 300: the lens with its code strip is 99 x 117, 16 pixels off the pointer.
TEST_P(LensOriginTest, KeepsTheLensOnTheScreenAndOffThePointer) {
    EXPECT_EQ(LensOrigin(GetParam().pointer, 400, 300), GetParam().origin);
}

INSTANTIATE_TEST_SUITE_P(Placement, LensOriginTest,
                         ::testing::Values(LensCase{{10, 20}, {26, 36}},                // right of and below
                                           LensCase{{285, 167}, {285 + 16, 167 + 16}},  // just fits
                                           LensCase{{286, 168}, {286 - 16 - 99, 168 - 16 - 117}},
                                           LensCase{{100, 299}, {116, 299 - 16 - 117}}));

}  // namespace
