// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "style/FileUrl.h"
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

// FACE is read by browsers as CSS reads font-family: a generic family quoted would ask for a
// face of that name, and a quote inside a name would end it early.
TEST(FontTag, FaceListReadsAsCssFamilies) {
    const struct {
        std::string face;
        std::vector<std::string> alternates;
        std::string value;
    } rows[] = {
        {"Arial", {"serif"}, "'Arial',serif"},
        {"Sans-Serif",
         {"MONOSPACE", "cursive", "fantasy", "system-ui"},
         "sans-serif,monospace,cursive,fantasy,system-ui"},
        {"Serif Pro", {"serif x", ""}, "'Serif Pro','serif x',''"},
        {"It's \"Mine\" & \\Co", {"a\nb"}, "'It\\'s &quot;Mine&quot; &amp; \\\\Co','a\\A b'"},
    };
    for (const auto& row : rows) {
        TStyle style;
        style.Centered = false;
        style.FaceName = row.face;
        style.AltFaces = row.alternates;
        EXPECT_EQ(MakeFontTag(style, false),
                  "<FONT COLOR=\"#FFFF00\"  SIZE=\"6\" FACE=\"" + row.value + "\"></FONT>");
    }
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

// The picture's name is a URL to the browser: what a URL reads otherwise is percent-encoded,
// so that the file beside the page is found.
TEST(BodyTag, PictureNameIsWrittenAsARelativeUrl) {
    const struct {
        std::string name;
        std::string url;
    } rows[] = {
        {"my tile.gif", "my%20tile.gif"},
        {"#1 ?50% off.gif", "%231%20%3F50%25%20off.gif"},
        {"a&copy\"<b>.gif", "a%26copy%22%3Cb%3E.gif"},
        {"c:\\x/y.gif", "c%3A%5Cx%2Fy.gif"},
        {"t\xC3\xBCr\x7F\x01.gif", "t%C3%BCr%7F%01.gif"},
        {"Az09-._~!$'()*+,;=@.gif", "Az09-._~!$'()*+,;=@.gif"},
    };
    for (const auto& row : rows) {
        TStyle style;
        style.PictureMode = true;
        style.PictureName = row.name;
        EXPECT_TRUE(MakeBodyTag(style).starts_with("<BODY  BACKGROUND=\"" + row.url + "\" BGCOLOR="))
            << MakeBodyTag(style);
        // Paste reads the URL back as the file's name.
        EXPECT_EQ(FileNameFromUrl(row.url), row.name);
    }
    // A "%" without two hex digits after it stands for itself.
    EXPECT_EQ(FileNameFromUrl("50%.gif%2%zz%4a%"), "50%.gif%2%zzJ%");
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
