// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "style/Style.h"

TEST(DefaultStyle, PicksTheFirstPreferredFaceAsTheListWritesIt) {
    EXPECT_EQ(DefaultFaceName({"Arial", "comic sans ms", "Verdana"}), "comic sans ms");
    EXPECT_EQ(DefaultFaceName({"ARIAL", "MS Sans Serif"}), "MS Sans Serif");
    EXPECT_EQ(DefaultFaceName({"Abyssinica", "arial"}), "arial");
    EXPECT_EQ(DefaultFaceName({"DejaVu Sans", "Noto"}), "DejaVu Sans");
    EXPECT_EQ(DefaultFaceName({}), "");
}

TEST(DefaultStyle, HasTheStartingValues) {
    const TStyle style = DefaultStyle({"DejaVu Sans"});
    EXPECT_EQ(style.BackColor, 0x000000u);
    EXPECT_EQ(style.TextColor, 0xFFFFFFu);
    EXPECT_EQ(style.LinkColor, 0xFFFF00u);
    EXPECT_EQ(style.VisitedColor, 0x008000u);
    EXPECT_EQ(style.ActiveColor, 0x00FFFFu);
    EXPECT_EQ(style.FontColor, 0x00FFFFu);
    EXPECT_EQ(style.FaceName, "DejaVu Sans");
    EXPECT_TRUE(style.AltFaces.empty());
    EXPECT_EQ(style.SizeStep, 6);
    EXPECT_FALSE(style.Bold);
    EXPECT_FALSE(style.Italic);
    EXPECT_TRUE(style.Centered);
    EXPECT_EQ(style.UserText, "Velloran");
    EXPECT_FALSE(style.PictureMode);
    EXPECT_TRUE(style.PicturePath.empty());
}

TEST(ColorTarget, EachTargetEditsOnlyItsOwnField) {
    const TColorTarget targets[] = {ctFont, ctBackground, ctText, ctLink, ctVisited, ctActive};
    for (TColorTarget target : targets) {
        TStyle style;
        const TStyle before = style;
        TargetField(style, target) = 0x123456;
        for (TColorTarget other : targets) {
            EXPECT_EQ(TargetField(style, other), other == target ? 0x123456u : TargetField(before, other));
        }
    }
}

TEST(FileNamePart, TakesWhatFollowsTheLastSlashUpTo255Characters) {
    EXPECT_EQ(FileNamePart("/home/a/tile.gif"), "tile.gif");
    EXPECT_EQ(FileNamePart("tile.gif"), "tile.gif");
    EXPECT_EQ(FileNamePart("/home/a/"), "");
    EXPECT_EQ(FileNamePart("/x/" + std::string(300, 'n')), std::string(255, 'n'));
}
