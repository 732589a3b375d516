// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "style/Style.h"
#include "style/TagText.h"

namespace {

TStyle WorkedExample() {
    TStyle style;
    style.FontColor = 0x00FFFF;  // red FF, green FF, blue 00
    style.SizeStep = 6;
    style.FaceName = "Comic Sans MS";
    style.AltFaces = {"Arial", "Verdana"};
    style.Bold = true;
    style.Italic = true;
    style.Centered = true;
    style.UserText = "Welcome";
    return style;
}

}  // namespace

TEST(FontTag, WorkedExampleWithAndWithoutText) {
    const TStyle style = WorkedExample();
    EXPECT_EQ(MakeFontTag(style, true),
              "<CENTER><FONT COLOR=\"#FFFF00\"  SIZE=\"6\" FACE=\"'Comic Sans MS','Arial','Verdana'\">"
              "<I><B>Welcome</B></I></FONT></CENTER>");
    EXPECT_EQ(MakeFontTag(style, false),
              "<CENTER><FONT COLOR=\"#FFFF00\"  SIZE=\"6\" FACE=\"'Comic Sans MS','Arial','Verdana'\">"
              "<I><B></B></I></FONT></CENTER>");
}

TEST(FontTag, EachWrapperAppearsOnlyWithItsChoice) {
    struct Case {
        bool bold, italic, centered;
        const char* tag;
    };
    const Case cases[] = {
        {false, false, false, "<FONT COLOR=\"#FFFF00\"  SIZE=\"6\" FACE=\"'Arial'\">x</FONT>"},
        {true, false, false, "<FONT COLOR=\"#FFFF00\"  SIZE=\"6\" FACE=\"'Arial'\"><B>x</B></FONT>"},
        {false, true, false, "<FONT COLOR=\"#FFFF00\"  SIZE=\"6\" FACE=\"'Arial'\"><I>x</I></FONT>"},
        {false, false, true,
         "<CENTER><FONT COLOR=\"#FFFF00\"  SIZE=\"6\" FACE=\"'Arial'\">x</FONT></CENTER>"},
    };
    for (const auto& c : cases) {
        TStyle style;
        style.FaceName = "Arial";
        style.UserText = "x";
        style.Bold = c.bold;
        style.Italic = c.italic;
        style.Centered = c.centered;
        EXPECT_EQ(MakeFontTag(style, true), c.tag);
    }
}

TEST(FontTag, FieldsPassThroughUnescapedAndRepeatedFacesStay) {
    TStyle style;
    style.Centered = false;
    style.FontColor = 0x0080FF;
    style.SizeStep = 1;
    style.FaceName = "Times";
    style.AltFaces = {"Arial", "Arial"};
    style.UserText = "<a href=\"x\">&</a>";
    EXPECT_EQ(
        MakeFontTag(style, true),
        "<FONT COLOR=\"#FF8000\"  SIZE=\"1\" FACE=\"'Times','Arial','Arial'\"><a href=\"x\">&</a></FONT>");
}

TEST(FontTag, EmptyTextMakesBothFormsEqual) {
    TStyle style = WorkedExample();
    style.UserText.clear();
    EXPECT_EQ(MakeFontTag(style, true), MakeFontTag(style, false));
}

TEST(BodyTag, DefaultStyleInColourAndPictureMode) {
    TStyle style;
    EXPECT_EQ(
        MakeBodyTag(style),
        "<BODY BGCOLOR=\"#000000\" TEXT=\"#FFFFFF\" LINK=\"#00FFFF\" VLINK=\"#008000\" ALINK=\"#FFFF00\" >");
    style.PictureMode = true;
    style.PicturePath = "/home/a/tile.gif";
    style.PictureName = "tile.gif";
    EXPECT_EQ(MakeBodyTag(style),
              "<BODY  BACKGROUND=\"tile.gif\" BGCOLOR=\"#000000\" TEXT=\"#FFFFFF\" LINK=\"#00FFFF\" "
              "VLINK=\"#008000\" ALINK=\"#FFFF00\" >");
}

TEST(BodyTag, PictureNeedsBothTheModeAndAName) {
    const std::string plain = MakeBodyTag(TStyle{});
    TStyle modeOnly;
    modeOnly.PictureMode = true;
    EXPECT_EQ(MakeBodyTag(modeOnly), plain);
    TStyle nameOnly;
    nameOnly.PictureName = "tile.gif";
    EXPECT_EQ(MakeBodyTag(nameOnly), plain);
}

TEST(BodyTag, EachColourGoesToItsOwnAttribute) {
    TStyle style;
    style.BackColor = 0x010203;
    style.TextColor = 0x040506;
    style.LinkColor = 0x070809;
    style.VisitedColor = 0x0A0B0C;
    style.ActiveColor = 0x0D0E0F;
    EXPECT_EQ(
        MakeBodyTag(style),
        "<BODY BGCOLOR=\"#030201\" TEXT=\"#060504\" LINK=\"#090807\" VLINK=\"#0C0B0A\" ALINK=\"#0F0E0D\" >");
}
