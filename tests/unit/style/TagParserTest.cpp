// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/TagParser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "style/HtmlMarkup.h"
#include "style/PlainStyleTarget.h"
#include "style/TagText.h"
#include "tests/unit/style/PasteScene.h"

namespace {

const std::vector<std::string> kFaces = {"Abadi", "Arial", "Comic Sans MS", "Times New Roman", "Verdana"};

// Stands in for the main window: sets a style as its controls would, and refuses pictures.
class StyleHolder : public PlainStyleTarget {
public:
    // The system's faces for two generic families; it knows none for the others.
    explicit StyleHolder(TStyle start)
        : PlainStyleTarget(kFaces, std::move(start), [](std::string_view generic) {
              return generic == "serif" ? "Times New Roman" : generic == "sans-serif" ? "Arial" : "";
          }) {}

    void SetPicture(const std::string&, const std::string&) override { ADD_FAILURE() << "a picture was set"; }
    void SelectPictureMode() override { ADD_FAILURE() << "picture mode was selected"; }
    void SelectColorMode() override { ADD_FAILURE() << "colour mode was selected"; }
};

TStyle Before() { return StyleBeforePaste(); }

struct Loaded {
    TStyle style;
    std::vector<std::string> problems;
};

Loaded Paste(std::string_view text, TStyle start = Before()) {
    StyleHolder holder(std::move(start));
    std::vector<std::string> problems = LoadPastedTag(ParsePastedTag(text), holder);
    return {holder.style, problems};
}

}  // namespace

TEST(PasteTag, FontTagsInManySpellings) {
    struct Case {
        const char* tag;
        TColor color;
        int size;
        const char* face;
        std::vector<std::string> altFaces;
        bool bold, italic, centered;
        const char* text;
    };
    // Missing attributes and text keep "before"'s values: colour 666666, size 2, Verdana + Abadi.
    const Case cases[] = {
        {"<font color=red size=5 face=Arial>", 0x0000FF, 5, "Arial", {}, false, false, false, "before"},
        {"<FONT COLOR='#0a0B0c' SIZE='+1'>x</FONT>",
         0x0C0B0A,
         4,
         "Verdana",
         {"Abadi"},
         false,
         false,
         false,
         "x"},
        {"<Font\n  Color = \"#abc\"\tSize=-2 >",
         0xCCBBAA,
         1,
         "Verdana",
         {"Abadi"},
         false,
         false,
         false,
         "before"},
        {"<CENTER><FONT FACE=\"'Comic Sans MS', Arial ,'Times New Roman'\"><I><B>Hi "
         "there</B></I></FONT></CENTER>",
         0x666666,
         2,
         "Comic Sans MS",
         {"Arial", "Times New Roman"},
         true,
         true,
         true,
         "Hi there"},
        {"<b><i><font size=9 face=\"arial\" style=x unknown>t</font></i></b>",
         0x666666,
         7,
         "Arial",
         {},
         true,
         true,
         false,
         "t"},
        {"<div style='text-align: center'><font color=red>x</font></div>",
         0x0000FF,
         2,
         "Verdana",
         {"Abadi"},
         false,
         false,
         true,
         "x"},
        {"<font size=0 color=123456 color=red>",
         0x563412,
         1,
         "Verdana",
         {"Abadi"},
         false,
         false,
         false,
         "before"},
        {"<FONT SIZE=+9 FACE=\"Arial,Abadi\"> \n </FONT>",
         0x666666,
         7,
         "Arial",
         {"Abadi"},
         false,
         false,
         false,
         "before"},
        {"Some text <font color=NAVY size=\"3px\">inside <u>a</u> tag</font> after",
         0x800000,
         3,
         "Verdana",
         {"Abadi"},
         false,
         false,
         false,
         "inside a tag"},
        // As browsers read markup: comments skipped, wrappers only around or inside the tag,
        // STRONG and EM as B and I, the inner tag's attributes for the text inside it, and
        // misnested or unclosed tags mended. The FONT tags around the first text decide.
        {"<!-- <b><font color=red> --><i>x</i><font color=orange>Hi</font>",
         0x00A5FF,
         2,
         "Verdana",
         {"Abadi"},
         false,
         false,
         false,
         "Hi"},
        {"<strong><em><font color=&#35;FF0000>t</font></em></strong>",
         0x0000FF,
         2,
         "Verdana",
         {"Abadi"},
         true,
         true,
         false,
         "t"},
        {"<font color=red size=1 face=Arial>\n <font color=grey face=Verdana>Hi</font> there</font>",
         0x808080,
         1,
         "Verdana",
         {},
         false,
         false,
         false,
         "\n Hi there"},
        {"<b><font color=lightblue>x</b>y<br>z</font>",
         0xE6D8AD,
         2,
         "Verdana",
         {"Abadi"},
         true,
         false,
         false,
         "xy z"},
        {"<font size=+1>Caf&eacute; &lt;b&gt; &amp &quot;x&#34; &#60;&ltri;<BR/>&nbsp;",
         0x666666,
         4,
         "Verdana",
         {"Abadi"},
         false,
         false,
         false,
         "Caf\u00E9 &lt;b&gt; &amp &quot;x&#34; &#60;\u25C3 \u00A0"},
        // The text is HTML source from SPAN, P and DIV too, as from FONT: kept as written.
        {"<span style='color:red'>Fish &amp; Chips, use &lt;b&gt;</span>",
         0x0000FF,
         2,
         "Verdana",
         {"Abadi"},
         false,
         false,
         false,
         "Fish &amp; Chips, use &lt;b&gt;"},
        {"<p style='font-size:20px'>Caf&eacute; &amp;amp;</p>",
         0x666666,
         4,
         "Verdana",
         {"Abadi"},
         false,
         false,
         false,
         "Caf\u00E9 &amp;amp;"},
        // Hidden content left out; raw text as written.
        {"<font>a<script>b</script><xmp>&lt;c</xmp><!-- d --></font>",
         0x666666,
         2,
         "Verdana",
         {"Abadi"},
         false,
         false,
         false,
         "a&lt;c"},
    };
    for (const Case& c : cases) {
        const Loaded loaded = Paste(c.tag);
        EXPECT_TRUE(loaded.problems.empty()) << c.tag;
        EXPECT_EQ(loaded.style.FontColor, c.color) << c.tag;
        EXPECT_EQ(loaded.style.SizeStep, c.size) << c.tag;
        EXPECT_EQ(loaded.style.FaceName, c.face) << c.tag;
        EXPECT_EQ(loaded.style.AltFaces, c.altFaces) << c.tag;
        EXPECT_EQ(loaded.style.Bold, c.bold) << c.tag;
        EXPECT_EQ(loaded.style.Italic, c.italic) << c.tag;
        EXPECT_EQ(loaded.style.Centered, c.centered) << c.tag;
        EXPECT_EQ(loaded.style.UserText, c.text) << c.tag;
        // A font tag leaves the body alone.
        EXPECT_EQ(loaded.style.BackColor, Before().BackColor) << c.tag;
    }
}

// FACE reads as CSS reads a family list, and the face is the one a browser shows: the first
// installed one, or the system's face for a generic family, which stays an alternate.
TEST(PasteTag, FaceListsGiveTheFaceABrowserShows) {
    struct Case {
        const char* face;
        const char* shown;
        std::vector<std::string> alternates;
        const char* problem;
    };
    const Case cases[] = {
        {"'Foo, Bar', Arial", "Arial", {"Foo, Bar"}, ""},
        {"Helvetica, Verdana, Arial", "Verdana", {"Helvetica", "Arial"}, ""},
        {"Frutiger, serif, Arial", "Times New Roman", {"Frutiger", "serif", "Arial"}, ""},
        {"SANS-SERIF", "Arial", {"sans-serif"}, ""},
        {"Comic   Sans\tMS, Ver\\64 ana", "Comic Sans MS", {"Verdana"}, ""},
        // An escape whose last digit is a letter: the face U+5FAE U+8F6F.
        {"'\\5FAE\\8F6F', Arial", "Arial", {"\u5FAE\u8F6F"}, ""},
        {"'\\5fae\\8f6f', abadi", "Abadi", {"\u5FAE\u8F6F"}, ""},
        {"Arial,,Abadi", "Verdana", {"Abadi"}, "FACE=\"Arial,,Abadi\" names no face."},
        {"Arial, &quot;Comic Sans MS&quot;", "Arial", {"Comic Sans MS"}, ""},
        {"Frutiger, 'Futura'",
         "Abadi",
         {"Futura"},
         "The face \"Frutiger\" is not installed; \"Abadi\" is used instead."},
    };
    for (const Case& c : cases) {
        const std::string tag = std::string("<font face=\"") + c.face + "\">x</font>";
        const Loaded loaded = Paste(tag);
        EXPECT_EQ(loaded.style.FaceName, c.shown) << tag;
        EXPECT_EQ(loaded.style.AltFaces, c.alternates) << tag;
        EXPECT_EQ(loaded.problems, std::string(c.problem).empty() ? std::vector<std::string>{}
                                                                  : std::vector<std::string>{c.problem})
            << tag;
    }
}

TEST(PasteTag, BodyTagsSetOnlyTheColoursTheyName) {
    const Loaded loaded = Paste("<body Bgcolor=white TEXT=#333 link='Lime'   vlink=\"#800080\" onload=x>");
    EXPECT_TRUE(loaded.problems.empty());
    EXPECT_EQ(loaded.style.BackColor, 0xFFFFFFu);
    EXPECT_EQ(loaded.style.TextColor, 0x333333u);
    EXPECT_EQ(loaded.style.LinkColor, 0x00FF00u);
    EXPECT_EQ(loaded.style.VisitedColor, 0x800080u);
    EXPECT_EQ(loaded.style.ActiveColor, Before().ActiveColor);
    // The font half is not touched, B or not.
    EXPECT_EQ(loaded.style.FontColor, Before().FontColor);
    EXPECT_TRUE(loaded.style.Bold);
    EXPECT_EQ(loaded.style.UserText, "before");
}

TEST(PasteTag, FirstFontOrBodyTagDecides) {
    EXPECT_EQ(ParsePastedTag("<p><body text=red><font color=blue>").kind, TPastedKind::Body);
    EXPECT_EQ(ParsePastedTag("</body><fonts><font color=blue><body>").kind, TPastedKind::Font);
    EXPECT_EQ(ParsePastedTag("a < b, <3 <-- <!-- <bodyx> </font>").kind, TPastedKind::None);
    // A tag the text ends inside is no tag to a browser.
    EXPECT_EQ(ParsePastedTag("<font color=teal").kind, TPastedKind::None);
}

// What the tag generator writes reads back field for field.
TEST(PasteTag, RoundTripOfTheGeneratedTags) {
    TStyle written;
    written.BackColor = 0x0080FF;
    written.TextColor = 0x010203;
    written.LinkColor = 0xABCDEF;
    written.VisitedColor = 0x000000;
    written.ActiveColor = 0xFFFFFF;
    written.FontColor = 0xC0FFEE;
    written.FaceName = "Times New Roman";
    written.AltFaces = {"Arial", "Not Installed Here", "Arial"};
    written.SizeStep = 7;
    written.UserText = " Welcome & goodbye ";
    for (int wrappers = 0; wrappers < 8; ++wrappers) {
        written.Bold = (wrappers & 1) != 0;
        written.Italic = (wrappers & 2) != 0;
        written.Centered = (wrappers & 4) != 0;
        const Loaded font = Paste(MakeFontTag(written, true));
        EXPECT_TRUE(font.problems.empty());
        const Loaded body = Paste(MakeBodyTag(written), font.style);
        EXPECT_TRUE(body.problems.empty());
        TStyle expected = written;
        expected.PicturePath = Before().PicturePath;
        expected.PictureName = Before().PictureName;
        EXPECT_EQ(MakeFontTag(body.style, true), MakeFontTag(expected, true));
        EXPECT_EQ(MakeBodyTag(body.style), MakeBodyTag(expected));
    }
}

TEST(PasteTag, BadPartsAreNamedAndTheRestLoads) {
    const Loaded font = Paste("<FONT COLOR=\"Transparent\" SIZE=big FACE=\"Helvetica, Frutiger\">x</FONT>");
    EXPECT_EQ(font.problems, (std::vector<std::string>{
                                 "COLOR=\"Transparent\" is not a color.", "SIZE=\"big\" is not a size.",
                                 "The face \"Helvetica\" is not installed; \"Abadi\" is used "
                                 "instead."}));
    EXPECT_EQ(font.style.FontColor, Before().FontColor);
    EXPECT_EQ(font.style.SizeStep, Before().SizeStep);
    // No face of the list installed: handled as a style file's unknown face, the list's first
    // face, the other alternates kept.
    EXPECT_EQ(font.style.FaceName, "Abadi");
    EXPECT_EQ(font.style.AltFaces, std::vector<std::string>{"Frutiger"});
    EXPECT_EQ(font.style.UserText, "x");

    const Loaded body =
        Paste("<BODY  BGPICTURE=\"tile.gif\" BGCOLOR=\"#000000\" TEXT=transparent background='x.gif' LINK=>");
    EXPECT_EQ(body.problems,
              (std::vector<std::string>{
                  "TEXT=\"transparent\" is not a color.", "LINK=\"\" is not a color.",
                  "BACKGROUND=\"x.gif\" is not loaded: a tag does not say which folder holds "
                  "the picture.",
                  "BGPICTURE=\"tile.gif\" is not loaded: a tag does not say which folder holds "
                  "the picture."}));
    EXPECT_EQ(body.style.BackColor, 0x000000u);
    EXPECT_EQ(body.style.TextColor, Before().TextColor);
    EXPECT_EQ(body.style.PictureName, "old.gif");

    EXPECT_EQ(
        PastedTagMessage(font.problems),
        "The tag was loaded except for:\nCOLOR=\"Transparent\" is not a color.\nSIZE=\"big\" is not a size.\n"
        "The face \"Helvetica\" is not installed; \"Abadi\" is used instead.");
}

// A long value is cut in the message, before a character rather than through its bytes; a
// long text is cut to what a style file holds, and the message says so.
TEST(PasteTag, LongValuesAndTextsAreCut) {
    const std::string value = std::string(39, 'a') + "\xC3\xA9" + std::string(1000, 'b');
    const Loaded loaded = Paste("<font size=\"" + value + "\">");
    EXPECT_EQ(loaded.problems,
              std::vector<std::string>{"SIZE=\"" + std::string(39, 'a') + "...\" is not a size."});
    EXPECT_EQ(Paste("<font size=" + std::string(40, 'a') + ">").problems,
              std::vector<std::string>{"SIZE=\"" + std::string(40, 'a') + "\" is not a size."});

    std::string text;
    for (int i = 0; i < 1022; ++i) text += "\xC3\xA9";
    const Loaded fits = Paste("<font>" + text + "<u>x</u></font>");
    EXPECT_TRUE(fits.problems.empty());
    EXPECT_EQ(fits.style.UserText, text + "x");
    const Loaded cut = Paste("<font>" + text + "x<u>y</u></font>");
    EXPECT_EQ(cut.problems, std::vector<std::string>{
                                "The text after its first 1023 characters, as a style holds no more."});
    EXPECT_EQ(cut.style.UserText, text + "x");

    // Only the first 64 KB are read, up to a whole character: the text after a long comment
    // ends where the cut falls, with no stray byte.
    const std::string comment = "<font><!--" + std::string(65000, 'a') + "-->";  // an odd length
    std::string letters;
    for (int i = 0; i < 400; ++i) letters += "\xC3\xA9";
    const Loaded long64 = Paste(comment + letters);
    EXPECT_EQ(long64.style.UserText, letters.substr(0, (kMaxMarkupBytes - comment.size()) / 2 * 2));
    const std::vector<std::string> cutAt64 = {
        "The text after its first 64 KB, as a paste is read no further."};
    EXPECT_EQ(long64.problems, cutAt64);
    // So does a sheet; a text of exactly 64 KB is whole.
    const std::string rule = ".velloran { color: red }";
    EXPECT_EQ(Paste(rule + std::string(kMaxMarkupBytes - rule.size() + 1, ' ')).problems, cutAt64);
    EXPECT_TRUE(Paste(rule + std::string(kMaxMarkupBytes - rule.size(), ' ')).problems.empty());
}

// A page's rules reach the FONT tag as browsers match them: the selectors' edge cases, a rule
// dropped whole for one selector that does not parse, and a tree deep enough that a matcher
// which tried every way through it would spend the budget that bounds its work.
TEST(PasteTag, PageRulesMatchTheFontAsBrowsersMatch) {
    constexpr TColor kRed = 0x0000FF, kBlue = 0xFF0000, kKept = 0x666666;
    std::string deep;
    for (int i = 0; i < 1000; ++i) deep += "<div>";
    std::string longSelector = "section";
    for (int i = 0; i < 30; ++i) longSelector += " div";
    // Rules that ask more work than a paste's budget get no more: a later rule is not matched.
    std::string costly;
    for (int i = 0; i < 12; ++i) costly += longSelector + " font { color: blue }\n";
    struct Case {
        std::string markup;
        TColor color;
    };
    const Case cases[] = {
        {"<style>[title^=''] { color: red }</style><font title=x>t</font>", kKept},
        {"<style>[title=''] { color: red }</style><font title=''>t</font>", kRed},
        {"<style>[lang|=en] { color: red }</style><font lang=english>t</font>", kKept},
        {"<style>[lang|=en] { color: red }</style><font lang=en>t</font>", kRed},
        {"<style>[face=ARIAL] { color: red }</style><font face=arial>t</font>", kRed},
        {"<style>[title=X] { color: red }</style><font title=x>t</font>", kKept},
        {"<style>[title=X i] { color: red }</style><font title=x>t</font>", kRed},
        {"<style>[class~='a b'] { color: red }</style><font class='a b'>t</font>", kKept},
        {"<style>font { color: blue } p..x, font { color: red }</style><font>t</font>", kBlue},
        {"<style>font { color: blue } div > > font, font { color: red }</style><font>t</font>", kBlue},
        {"<style>font { color: blue } font:hover, font { color: red }</style><font>t</font>", kRed},
        {"<style>:not(div font) { color: red }</style><div><font>t</font></div>", kKept},
        {"<style>div>font{color:red}</style><div><font>t</font></div>", kRed},
        {"<style>font.a.b { color: red }</style><font class='b'>t</font>", kKept},
        {"<style>font.a.b { color: red }</style><font class=' b\ta '>t</font>", kRed},
        {"<style>#ab { color: red }</style><font id='a&#98;'>t</font>", kRed},
        {"<style>font:first-child:last-child { color: red }</style><b>x</b><font>t</font>", kKept},
        {"<style>b + font:last-child { color: red }</style><b>x</b><font>t</font>", kRed},
        {"<style>[title^=ab][title$=yz][title*=mn] { color: red }</style><font title=abmnyz>t</font>", kRed},
        {"<style>[title$=yz] { color: red }</style><font title=yza>t</font>", kKept},
        {"<style>:root > body > font { color: red }</style><font>t</font>", kRed},
        {"<style>i ~ font { color: red }</style><i>a</i><b>b</b><font>t</font>", kRed},
        {"<style>i + font { color: red }</style><i>a</i><b>b</b><font>t</font>", kKept},
        // :is() and :not() count their most specific argument, :where() nothing.
        {"<style>font:is(#f, b) { color: red } font.x { color: blue }</style><font id=f class=x>t</font>",
         kRed},
        {"<style>font:not(#g) { color: red } font.x { color: blue }</style><font id=f class=x>t</font>",
         kRed},
        {"<style>font:where(#f) { color: red } font { color: blue }</style><font id=f>t</font>", kBlue},
        // Matching the first rule must leave enough of the paste's budget for the second.
        {"<style>" + longSelector + " font { color: red } div font { color: blue }</style>" + deep +
             "<font>t</font>",
         kBlue},
        {"<style>" + costly + "font { color: red }</style>" + deep + "<font>t</font>", kKept},
        {"<style>body " + longSelector.substr(8) + " font { color: red }</style>" + deep + "<font>t</font>",
         kRed},
    };
    for (const Case& c : cases) {
        const Loaded loaded = Paste(c.markup);
        EXPECT_EQ(loaded.style.FontColor, c.color) << c.markup.substr(0, 120);
    }
}
