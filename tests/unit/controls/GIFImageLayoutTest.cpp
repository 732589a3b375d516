// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "controls/GIFImageLayout.h"

using controls::PlacePicture;
using controls::TPicturePlacement;
using Kind = TPicturePlacement::Kind;
using platform::Rect;

namespace {

struct Case {
    const char* name;
    int w, h, bw, bh;
    controls::TPictureSwitches switches;
    Kind kind;
    Rect place;
};

const Case kCases[] = {
    {"EmptyBufferDrawsNothing", 50, 25, 0, 0, {}, Kind::Nothing, {}},
    {"SwitchedOffDrawsNothing", 50, 25, 20, 10, {.visible = false}, Kind::Nothing, {}},
    {"PlainAtTheCorner", 50, 25, 20, 10, {}, Kind::Placed, {0, 0, 20, 10}},
    {"CentredSmaller", 50, 25, 20, 10, {.center = true}, Kind::Placed, {15, 7, 35, 17}},
    {"CentredLargerGoesNegative", 80, 40, 100, 50, {.center = true}, Kind::Placed, {-10, -5, 90, 45}},
    {"CentredOddDifferenceTruncatesTowardZero",
     80,
     40,
     101,
     51,
     {.center = true},
     Kind::Placed,
     {-10, -5, 91, 46}},
    {"StretchToTheControl", 50, 25, 20, 10, {.stretch = true}, Kind::Stretched, {0, 0, 50, 25}},
    {"StretchAtEqualSizeIsAPlainCopy", 20, 10, 20, 10, {.stretch = true}, Kind::Placed, {0, 0, 20, 10}},
    {"StretchAtEqualSizeStillTiles",
     20,
     10,
     20,
     10,
     {.stretch = true, .tile = true},
     Kind::Tiled,
     {0, 0, 40, 20}},
    {"StretchIgnoredWhenSeeThrough",
     50,
     25,
     20,
     10,
     {.stretch = true, .seeThrough = true},
     Kind::Placed,
     {0, 0, 20, 10}},
    {"TileBeatsCenter", 50, 25, 20, 10, {.tile = true, .center = true}, Kind::Tiled, {0, 0, 60, 30}},
};

class PlacePictureTest : public ::testing::TestWithParam<Case> {};

TEST_P(PlacePictureTest, Places) {
    const Case& c = GetParam();
    const TPicturePlacement p = PlacePicture(c.w, c.h, c.bw, c.bh, c.switches);
    EXPECT_EQ(p.kind, c.kind);
    if (c.kind != Kind::Nothing) {
        EXPECT_EQ(p.place, c.place);
    }
}

INSTANTIATE_TEST_SUITE_P(GIFImageLayout, PlacePictureTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
