// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/CssText.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/unit/style/Checkers.h"

namespace {

TStyle Styled(const std::string& face) {
    TStyle style;
    style.FaceName = face;
    return style;
}

}  // namespace

TEST(Css, DefaultStyleIsWrittenInTheFixedForm) {
    EXPECT_EQ(CssFontSize(-1000000), "") << "a step far below the first has no size";
    EXPECT_EQ(MakeCss(Styled("Comic Sans MS")),
              "body {\n"
              "  background-color: #000000;\n"
              "  color: #FFFFFF;\n"
              "}\n"
              "\n"
              "a:link {\n"
              "  color: #00FFFF;\n"
              "}\n"
              "\n"
              "a:visited {\n"
              "  color: #008000;\n"
              "}\n"
              "\n"
              "a:active {\n"
              "  color: #FFFF00;\n"
              "}\n"
              "\n"
              ".velloran {\n"
              "  color: #FFFF00;\n"
              "  font-family: \"Comic Sans MS\";\n"
              "  font-size: xx-large;\n"
              "  text-align: center;\n"
              "}\n");
}

// Each style's sheet read by a real CSS parser: no error, and every value, faces and picture
// names with quotes, backslashes and line breaks included, reads back as the style holds it.
TEST(Css, RealParserReadsEveryStyleWithoutError) {
    TStyle picture = Styled("Arial");
    picture.PictureMode = true;
    picture.PictureName = "tile.gif";
    picture.BackColor = 0x0080FF;  // red FF, green 80, blue 00
    picture.SizeStep = 7;          // the largest

    TStyle pictureNotSelected = picture;
    pictureNotSelected.PictureMode = false;
    pictureNotSelected.SizeStep = 8;  // past the seven sizes, as a hand-edited style file may hold

    TStyle awkward = Styled("My \"Best\" Face");
    awkward.AltFaces = {"back\\slash", "two\nli\rn\fes", "it's", ""};
    awkward.PictureMode = true;
    awkward.PictureName = "a \"b\").gif";
    awkward.SizeStep = 1;
    awkward.Bold = true;
    awkward.Italic = true;
    awkward.Centered = false;
    awkward.FontColor = 0x123456;

    TStyle generic = Styled("Arial");
    generic.AltFaces = {"Helvetica", "Sans-Serif", "MONOSPACE", "ui-rounded", "serif-ish"};

    struct Case {
        const char* what;
        TStyle style;
        std::string parsed;
    };
    const std::string links = "a:link|color|#00FFFF\na:visited|color|#008000\na:active|color|#FFFF00\n";
    const Case cases[] = {
        {"picture mode", picture,
         "body|background-color|#FF8000\nbody|color|#FFFFFF\nbody|background-image|url(string:\"tile.gif\")"
         "\n" +
             links +
             ".velloran|color|#FFFF00\n.velloran|font-family|string:\"Arial\"\n.velloran|font-size|xxx-"
             "large\n"
             ".velloran|text-align|center\n"},
        {"a picture chosen in colour mode stays out, and so does a size past the last", pictureNotSelected,
         "body|background-color|#FF8000\nbody|color|#FFFFFF\n" + links +
             ".velloran|color|#FFFF00\n.velloran|font-family|string:\"Arial\"\n.velloran|text-align|"
             "center\n"},
        {"awkward names, bold and italic, left-aligned", awkward,
         "body|background-color|#000000\nbody|color|#FFFFFF\n"
         // A name a URL would misread is percent-encoded, so that the browser finds the file.
         "body|background-image|url(string:\"a%20%22b%22).gif\")\n" +
             links +
             ".velloran|color|#563412\n"
             ".velloran|font-family|string:\"My \\\"Best\\\" Face\" , string:\"back\\\\slash\" , "
             "string:\"two\\nli\\rn\\fes\" , string:\"it's\" , string:\"\"\n"
             ".velloran|font-size|x-small\n.velloran|font-weight|bold\n.velloran|font-style|italic\n"},
        {"generic families bare, in lower case", generic,
         "body|background-color|#000000\nbody|color|#FFFFFF\n" + links +
             ".velloran|color|#FFFF00\n"
             ".velloran|font-family|string:\"Arial\" , string:\"Helvetica\" , sans-serif , monospace , "
             "ui-rounded , "
             "string:\"serif-ish\"\n.velloran|font-size|xx-large\n.velloran|text-align|center\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(ParsedByTinycss2(MakeCss(c.style)), c.parsed) << c.what;
}
