// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "style/ColorValue.h"
#include "style/CssPaste.h"
#include "style/CssText.h"
#include "style/Html5Text.h"
#include "style/PlainStyleTarget.h"
#include "style/TagParser.h"
#include "tests/unit/style/PasteScene.h"

namespace {

// The tokens in a short form: type, then value in brackets; numbers with ",i" when integer.
std::string Describe(const std::vector<CssToken>& tokens) {
    std::string out;
    for (const CssToken& token : tokens) {
        if (!out.empty()) out += "|";
        char number[64];
        std::snprintf(number, sizeof number, "%g%s", token.number, token.integer ? ",i" : "");
        switch (token.type) {
            case CssTokenType::Ident: out += "I(" + token.value + ")"; break;
            case CssTokenType::Function: out += "F(" + token.value + ")"; break;
            case CssTokenType::AtKeyword: out += "@(" + token.value + ")"; break;
            case CssTokenType::Hash: out += (token.id ? "#(" : "#u(") + token.value + ")"; break;
            case CssTokenType::String: out += "S(" + token.value + ")"; break;
            case CssTokenType::BadString: out += "BS"; break;
            case CssTokenType::Url: out += "U(" + token.value + ")"; break;
            case CssTokenType::BadUrl: out += "BU"; break;
            case CssTokenType::Delim: out += "D(" + token.value + ")"; break;
            case CssTokenType::Number: out += "N(" + std::string(number) + ")"; break;
            case CssTokenType::Percentage: out += "P(" + std::string(number) + ")"; break;
            case CssTokenType::Dimension: out += "Dim(" + std::string(number) + token.value + ")"; break;
            case CssTokenType::Whitespace: out += "_"; break;
            default: out += token.text; break;
        }
    }
    return out;
}

}  // namespace

TEST(CssTokens, TrickySpotsOfTheTokenizer) {
    struct Case {
        std::string css;
        std::string tokens;
    };
    const Case cases[] = {
        // Numbers: sign, fraction, exponent; an "e" without digits starts a unit.
        {"+.5e-3 -7 1e3px 2e+ 10% .5.5",
         "N(0.0005)|_|N(-7,i)|_|Dim(1000px)|_|Dim(2,ie)|D(+)|_|P(10,i)|_|N(0.5)|N(0.5)"},
        {"0e99999 1.", "N(0)|_|N(1,i)|D(.)"},
        // Strings: escapes, an escaped line break, a raw one ending the string in error.
        {"'a\\62 c\\\"' \"x\\\ny\" \"ab\ncd", "S(abc\")|_|S(xy)|_|BS|_|I(cd)"},
        {"\"open\\", "S(open)"},
        // url(): spaces around, a quoted address as a function, errors up to the ")".
        {"url( x.gif ) url( \"q.gif\" ) uRl(a\\)b)", "U(x.gif)|_|F(url)|_|S(q.gif)|_|)|_|U(a)b)"},
        {"url(a b) url(a\"b) url(a\\", "BU|_|BU|_|U(a\xEF\xBF\xBD)"},
        // Comments vanish, closed or not; CDO and CDC; hashes.
        {"a/* x */b <!-- --> -->/* open", "I(a)|I(b)|_|<!--|_|-->|_|-->"},
        {"#fff #1a # #-\\31 x", "#(fff)|_|#u(1a)|_|D(#)|_|#(-1x)"},
        // Identifiers with escapes, a NUL, a line feed from CR LF, bytes that are not UTF-8.
        {"\\31 0 --x -x - @media @-", "I(10)|_|I(--x)|_|I(-x)|_|D(-)|_|@(media)|_|D(@)|D(-)"},
        {std::string("a\0b\r\n\\0 \xFF", 9),
         "I(a\xEF\xBF\xBD"
         "b)|_|I(\xEF\xBF\xBD\xEF\xBF\xBD)"},
        {"f(x)[;]{:,}\\\n", "F(f)|I(x)|)|[|;|]|{|:|,|}|D(\\)|_"},
    };
    for (const Case& c : cases) EXPECT_EQ(Describe(TokenizeCss(c.css)), c.tokens) << c.css;
}

namespace {

// The value of a declaration as the parser hands it over.
std::vector<CssToken> Value(const std::string& value) {
    const std::vector<CssDeclaration> declarations = ParseCssDeclarations("x: " + value);
    return declarations.empty() ? std::vector<CssToken>() : declarations[0].value;
}

}  // namespace

TEST(CssValues, ColoursSizesAndFaces) {
    // "RRGGBB", with " a" when an alpha was dropped; "-" for no colour.
    const std::pair<std::string, std::string> colors[] = {
        {"orange", "FFA500"},
        {"ReBeccaPurple", "663399"},
        {"#F80", "FF8800"},
        {"#f80c", "FF8800 a"},
        {"#ff88", "FFFF88 a"},
        {"#ff880080", "FF8800 a"},
        {"#ff8800FF", "FF8800"},
        // Every hex letter, in either case.
        {"#fa8072", "FA8072"},
        {"#AAA", "AAAAAA"},
        {"#bCdEfa", "BCDEFA"},
        {"#12345", "-"},
        {"#12345g", "-"},
        {"rgb(255, 128, 0)", "FF8000"},
        {"rgb(100%, 50%, 0%)", "FF8000"},
        {"RGB( 300 ,-5, 127.5 )", "FF0080"},
        {"rgba(0,0,0,0.5)", "000000 a"},
        {"rgb(0 0 0 / 50%)", "000000 a"},
        {"rgba(1 2 3 / 1)", "010203"},
        {"rgb(255 50% none)", "FF8000"},
        {"rgb(255, 50%, 0)", "-"},
        {"rgb(0, 0 0)", "-"},
        {"rgb(0 0 0, 1)", "-"},
        {"rgb(none, 0, 0)", "-"},
        {"rgb(0 0 / 0 0)", "-"},
        {"rgb(0 0 0 0)", "-"},
        {"rgb(0, 0, 0,)", "-"},
        {"rgb(1, 2, 3, 4, 5)", "-"},
        {"hsl(120, 100%, 50%)", "00FF00"},
        {"hsl(120deg 100% 25%)", "008000"},
        {"hsl(30 50% 50%)", "BF8040"},
        {"hsl(0.5turn 100 50 / 0.2)", "00FFFF a"},
        {"hsla(-120, 100%, 50%)", "0000FF"},
        {"hsl(120, 100, 50)", "-"},
        {"hsl(10%, 100%, 50%)", "-"},
        {"hsl(1e999deg 100% 50%)", "-"},
        // The CSS Color 4 functions, as Chromium draws them in sRGB; out of the gamut, the
        // chroma is lowered (Chromium clips instead: oklch(0.7 0.4 150) is 00D600 there).
        {"hwb(200 10% 20%)", "1A91CC"},
        {"hwb(0 60% 60%)", "808080"},
        {"hwb(0 50% 0%)", "FF8080"},
        {"hwb(120deg 0% 0% / 50%)", "00FF00 a"},
        {"lab(52.2% 40.1 59.9)", "C65D07"},
        {"lch(52.2% 72.2 56.2)", "C65D06"},
        {"oklab(0.628 0.225 0.126)", "FF0000"},
        {"oklch(0.7 0.1 150)", "6FB07D"},
        {"oklch(70% 25% 150deg)", "6FB07D"},
        {"oklch(0.7 0.4 150)", "00C248"},
        {"oklch(1.2 0.4 150)", "FFFFFF"},
        {"lab(none 0 0)", "000000"},
        {"lab(50%, 0, 0)", "-"},
        {"oklch(0.7 0.1)", "-"},
        {"hwb(10% 0% 0%)", "-"},
        {"transparent", "-"},
        {"currentColor", "-"},
        {"red blue", "-"},
        {"url(red)", "-"},
    };
    for (const auto& [written, expected] : colors) {
        const std::optional<CssColorValue> color = ReadCssColor(Value(written));
        std::string shown = "-";
        if (color) shown = colorvalue::TagForm(color->color) + (color->opaque ? "" : " a");
        EXPECT_EQ(shown, expected) << written;
    }

    // The step 1..7 nearest to the size in px (10, 13, 16, 18, 24, 32, 48); 0 for none.
    const std::pair<std::string, int> sizes[] = {
        {"xx-small", 1},
        {"x-small", 1},
        {"Medium", 3},
        {"xxx-large", 7},
        {"larger", 4},
        {"16px", 3},
        {"12pt", 3},
        {"11.5px", 1},
        {"11.6px", 2},
        {"2em", 6},
        {"1.5rem", 5},
        {"200%", 6},
        {"0", 1},
        {"1in", 7},
        {"-1px", 0},
        {"12", 0},
        {"2vw", 0},
        {"calc(1px)", 1},
        // calc() over lengths and percentages; a product or quotient takes a plain number.
        {"calc(1rem + 8px)", 5},
        {"CALC(2em - 4px * 2)", 5},
        {"calc(50% + 1em)", 5},
        {"calc(4em / 2)", 6},
        {"calc(2 * (1em + calc(4px + 0px)))", 6},
        {"calc(1em * 2px)", 0},
        {"calc(1px + 2)", 0},
        {"calc(1px / 0)", 0},
        {"calc(1px +)", 0},
        {"calc((1px)", 0},
        {"smaller", 2},
    };
    for (const auto& [written, step] : sizes)
        EXPECT_EQ(ReadCssFontSize(Value(written)).value_or(0), step) << written;

    using Faces = std::vector<std::string>;
    const std::pair<std::string, Faces> families[] = {
        {"\"Comic Sans MS\", Arial , Sans-Serif", {"Comic Sans MS", "Arial", "sans-serif"}},
        {"Times  New\tRoman,'it\\'s', \"serif\"", {"Times New Roman", "it's", "serif"}},
        {"Arial,", {}},
        {"\"a\" b", {}},
        {"inherit", {}},
        {"12px", {}},
    };
    for (const auto& [written, faces] : families) {
        EXPECT_EQ(ReadCssFontFamily(Value(written)).value_or(Faces()), faces) << written;
    }
}

namespace {

const std::vector<std::string> kFaces = {"Arial", "Comic Sans MS", "My \"Best\" Face", "Verdana"};

// Stands in for the main window, the picture mode included.
class StyleHolder : public PlainStyleTarget {
public:
    explicit StyleHolder(TStyle start) : PlainStyleTarget(kFaces, std::move(start)) {}

    void SetPicture(const std::string&, const std::string&) override { ADD_FAILURE() << "a picture was set"; }
};

// The readers' common scene, in picture mode with tile.gif and not centred.
TStyle Before() {
    TStyle style = StyleBeforePaste();
    style.AltFaces = {"Arial"};
    style.Centered = false;
    style.PictureMode = true;
    style.PicturePath = "/p/tile.gif";
    style.PictureName = "tile.gif";
    return style;
}

struct Loaded {
    TStyle style;
    std::string message;  // empty when all loaded
};

Loaded Paste(const std::string& text, TStyle start = Before()) {
    const std::string pictureName = start.PictureName;
    StyleHolder holder(std::move(start));
    const TPastedTag tag = ParsePastedTag(text);
    EXPECT_NE(tag.kind, TPastedKind::None) << text;
    const std::vector<std::string> problems = LoadPastedTag(tag, holder, pictureName);
    return {holder.style, problems.empty() ? std::string() : PastedTagMessage(tag, problems)};
}

}  // namespace

// Copy as CSS, Export Page and Copy as HTML5, pasted back into a style unlike the copied one,
// give back what they carry: the sheets the whole style but its text, HTML5 the font.
TEST(CssPaste, RoundTripOfCopyAsCssAndHtml5) {
    std::vector<TStyle> styles;
    for (int wrappers = 0; wrappers < 8; ++wrappers) {
        TStyle style;
        style.FaceName = "Arial";
        style.Bold = (wrappers & 1) != 0;
        style.Italic = (wrappers & 2) != 0;
        style.Centered = (wrappers & 4) != 0;
        style.SizeStep = 1 + wrappers % 7;
        styles.push_back(style);
    }
    TStyle quoted;
    quoted.FaceName = "My \"Best\" Face";
    quoted.AltFaces = {"it's", "back\\slash", "sans-serif", "monospace", "Ui-Serif x"};
    quoted.BackColor = 0x0080FF;
    quoted.FontColor = 0x123456;
    // The text is HTML source, written into the span as it stands.
    quoted.UserText = " Tom \"and\" 'Jerry' ";
    styles.push_back(quoted);
    TStyle picture = quoted;
    picture.PictureMode = true;
    picture.PicturePath = "/p/tile.gif";
    picture.PictureName = "tile.gif";
    styles.push_back(picture);
    // The sheet names the picture by a URL, which is read back as the file's own name.
    picture.PicturePath = "/p/my #1 ?50% tile.gif";
    picture.PictureName = "my #1 ?50% tile.gif";
    styles.push_back(picture);

    for (const TStyle& copied : styles) {
        TStyle start = Before();
        if (copied.PictureMode) {
            start.PicturePath = copied.PicturePath;
            start.PictureName = copied.PictureName;
        }
        TStyle sheet = copied;
        sheet.UserText = start.UserText;
        sheet.PicturePath = start.PicturePath;
        sheet.PictureName = start.PictureName;
        const Loaded css = Paste(MakeCss(copied), start);
        EXPECT_EQ(css.style, sheet) << MakeCss(copied);
        EXPECT_EQ(css.message, "");
        const Loaded page = Paste(MakeHtml5Page(copied, "Page"), start);
        EXPECT_EQ(page.style, sheet) << MakeHtml5Page(copied, "Page");

        TStyle html5 = Before();
        html5.FontColor = copied.FontColor;
        html5.FaceName = copied.FaceName;
        html5.AltFaces = copied.AltFaces;
        html5.SizeStep = copied.SizeStep;
        html5.Bold = copied.Bold;
        html5.Italic = copied.Italic;
        html5.Centered = copied.Centered;
        html5.UserText = copied.UserText;
        const Loaded span = Paste(MakeHtml5(copied));
        EXPECT_EQ(span.style, html5) << MakeHtml5(copied);
        EXPECT_EQ(span.message, "");
    }
}

// var() takes its custom property's value, else its fallback; a value with neither, or one
// that names itself, is none.
TEST(CssValues, CustomPropertiesReplaceVar) {
    const CssVariables variables = WithCustomProperties(
        ParseCssDeclarations(
            "--ink: #123; --size: calc(var(--base) * 2); --base: 10px; --loop: var(--loop) x;"
            " --Ink: red"),
        {});
    const std::pair<std::string, std::string> cases[] = {
        {"var(--ink)", "#123"},
        {"VAR( --ink , blue)", "#123"},
        {"var(--Ink)", "red"},
        {"var(--missing, rgb(1 2 3))", "rgb(1 2 3)"},
        {"var(--missing, var(--ink))", "#123"},
        {"1px solid var(--ink)", "1px solid #123"},
        {"var(--size)", "calc(10px * 2)"},
        {"var(--ink", "#123"},
        {"var(--missing)", "-"},
        {"var(--missing,)", ""},
        {"var(ink)", "-"},
        {"var(--loop)", "-"},
    };
    for (const auto& [written, expected] : cases) {
        const std::optional<std::vector<CssToken>> value = SubstituteVariables(Value(written), variables);
        EXPECT_EQ(value ? CssTokensText(*value) : "-", expected) << written;
    }
}

// Hand-written CSS and inline styles: what loads, and the message naming what did not.
TEST(CssPaste, HandWrittenSheetsAndInlineStyles) {
    struct Case {
        std::string text;
        void (*change)(TStyle&);
        std::string message;
    };
    const Case cases[] = {
        {"<!-- body { background: #fff url(x.gif) no-repeat; color: rgb(0 0 0 / 50%); margin: 0 }\n"
         "a:link{color:navy} A:Visited { color: purple } a:active { color: red !important; color: lime }\n"
         "a:hover { color: lime } @media print { body { color: red } } -->",
         [](TStyle& s) {
             s.BackColor = 0xFFFFFF, s.TextColor = 0x000000;
             s.LinkColor = 0x800000, s.VisitedColor = 0x800080, s.ActiveColor = 0x0000FF;
         },
         "The CSS was loaded from body, a:link, a:visited, a:active except for:\n"
         "color: rgb(0 0 0 / 50%) is loaded without its transparency: a style's colors are opaque.\n"
         "margin in body: not part of a style.\n"
         "a:hover: a style has no such link color.\n"
         "@media: not part of a style.\n"
         "The picture \"x.gif\" is not loaded: CSS does not say which folder holds it."},
        // The first rule that sets the font is the font's; in it, a value that does not read
        // leaves the one before it, and what it leaves out is off.
        // The font shorthand resets what it leaves out; later declarations change it again. Rules
        // that set no font property are not named.
        {"h1 { margin: 0 } p.note { color: #123; font: 12px serif; font-size: 2em; font-size: big;\n"
         "font-weight: 700 } .other { color: red } p.note { text-align: center; font-family: Arial }",
         [](TStyle& s) {
             s.FontColor = 0x332211, s.SizeStep = 6, s.Italic = false, s.Centered = true;
             s.FaceName = "Arial", s.AltFaces = {};
         },
         "The CSS was loaded from p.note except for:\n"
         "The rules for .other: only one rule sets the font."},
        // At-rules before a rule leave the rule whole; url() in any letter case.
        {"@charset \"utf-8\";body{color:#fa8072}", [](TStyle& s) { s.TextColor = 0x7280FA; },
         "The CSS was loaded from body except for:\n@charset: not part of a style."},
        {"@import url(\"print.css\") print;.velloran { color: #AAA }",
         [](TStyle& s) { s.FontColor = 0xAAAAAA, s.Bold = s.Italic = s.Centered = false; },
         "The CSS was loaded from .velloran except for:\n@import: not part of a style."},
        {"body { background: URL(tile.gif) #abcdef }",
         [](TStyle& s) { s.BackColor = 0xEFCDAB, s.PictureMode = true; }, ""},
        // The cascade: specificity, then order; the body and the root pass down sizes, colours
        // and custom properties; ::before, :root and the rules that set no font go unnamed.
        {"html { font-size: 62.5%; --ink: oklch(0.7 0.1 150) } body { font-size: 1.6rem; text-align: center "
         "}\n"
         "p.velloran { color: var(--ink); font-size: 2em } .velloran { color: red; font-size: 1px }\n"
         "h1, .velloran { font-style: oblique 10deg } p::before { color: blue } :root { margin: 0 }\n"
         ".x { margin: 0 }",
         [](TStyle& s) {
             s.FontColor = 0x7DB06F, s.SizeStep = 6, s.Bold = false, s.Italic = true, s.Centered = true;
         },
         ""},
        {"body { color: #123456; font: bold 20px/2 \"Comic Sans MS\", serif } .velloran { color: "
         "currentColor;"
         " font-size: calc(1em + 50%) } div { font: caption; color: red }",
         [](TStyle& s) {
             s.FontColor = 0x563412, s.SizeStep = 6, s.FaceName = "Comic Sans MS", s.AltFaces = {"serif"};
             s.Bold = true, s.Italic = s.Centered = false, s.TextColor = 0x563412;
         },
         "The CSS was loaded from body, .velloran except for:\n"
         "The rules for div: only one rule sets the font."},
        {"a { color: #0f0 } a:visited { color: blue } body { background-image: url(\"/p/tile.gif\") }",
         [](TStyle& s) { s.LinkColor = 0x00FF00, s.VisitedColor = 0xFF0000, s.ActiveColor = 0x00FF00; }, ""},
        {"<div style=\"text-align:center\"><span style=\"color: hsl(240 100% 50%); font-family: Arial, "
         "'Comic Sans MS'; font-size: 24px; FONT-STYLE: italic; font-weight: normal\">Tom &amp; "
         "Jerry</span></div>",
         [](TStyle& s) {
             s.FontColor = 0xFF0000, s.FaceName = "Arial", s.AltFaces = {"Comic Sans MS"}, s.SizeStep = 5;
             // The text is kept as HTML source, as a FONT tag's is.
             s.Bold = false, s.Centered = true, s.UserText = "Tom &amp; Jerry";
         },
         ""},
        // A FONT's style wins over its attributes, and its text keeps its references.
        {"<p align=center><font color=red size=2 face=Arial style=\"color: #00f8; font-size: 32px; "
         "font-family: inherit\">a &amp; b</font></p>",
         [](TStyle& s) {
             s.FontColor = 0xFF0000, s.SizeStep = 6, s.FaceName = "Arial", s.AltFaces = {};
             s.Bold = s.Italic = false, s.Centered = true, s.UserText = "a &amp; b";
         },
         "The tag was loaded except for:\n"
         "color: #00f8 is loaded without its transparency: a style's colors are opaque."},
        {"<body bgcolor=white text=black link=red style=\"background-color: rgba(0, 0, 255, 0.5); color: "
         "bogus\">",
         [](TStyle& s) {
             s.BackColor = 0xFF0000, s.TextColor = 0x000000, s.LinkColor = 0x0000FF, s.PictureMode = false;
         },
         "The tag was loaded except for:\n"
         "background-color: rgba(0, 0, 255, 0.5) is loaded without its transparency: a style's colors are "
         "opaque.\n"
         "color: bogus is not a color."},
        // Each property's value that does not read is named, once, as written.
        {".velloran { color: #123; font-weight: heavy; font-style: upright; text-align: middle; font: menu }",
         [](TStyle& s) { s.FontColor = 0x332211, s.Bold = s.Italic = s.Centered = false; },
         "The CSS was loaded from .velloran except for:\nfont-weight: heavy is not a weight.\n"
         "font-style: upright is not a font style.\ntext-align: middle is not an alignment.\n"
         "font: menu is not read: a system font is each visitor's own."},
        {"<span style=\"color: #123; font: bogus\">x</span>",
         [](TStyle& s) { s.FontColor = 0x332211, s.Bold = s.Italic = s.Centered = false, s.UserText = "x"; },
         "The tag was loaded except for:\nfont: bogus is not a font."},
        {"<body style=\"background-image: linear(red); background: red blue; color: red\">",
         [](TStyle& s) { s.TextColor = 0x0000FF, s.PictureMode = false; },
         "The tag was loaded except for:\nbackground: red blue is not a background.\n"
         "background-image: linear(red) is not a picture."},
        // What follows a var() stays part of the value.
        {".velloran { --f: 'Comic Sans MS'; font-family: var(--f), serif }",
         [](TStyle& s) {
             s.FaceName = "Comic Sans MS", s.AltFaces = {"serif"};
             s.Bold = s.Italic = s.Centered = false;
         },
         ""},
        // A page's style sheet passes sizes and custom properties down to the inline styles.
        {"<style>html { font-size: 20px } body { --c: teal }</style><span style=\"font-size: 1.5rem; color: "
         "var(--c)\">x</span>",
         [](TStyle& s) {
             s.FontColor = 0x808000, s.SizeStep = 6, s.UserText = "x";
             s.Bold = s.Italic = s.Centered = false;
         },
         ""},
        // The examples of the README and the manual give the default style.
        {"body { background: black; color: white }\n"
         "a:link { color: aqua } a:visited { color: green } a:active { color: yellow }\n"
         ".velloran { color: yellow; font-family: Arial; font-size: xx-large; text-align: center }",
         [](TStyle& s) {
             const TStyle standard = DefaultStyle({"Arial"});
             s.BackColor = standard.BackColor, s.TextColor = standard.TextColor,
             s.LinkColor = standard.LinkColor;
             s.VisitedColor = standard.VisitedColor, s.ActiveColor = standard.ActiveColor;
             s.FontColor = standard.FontColor, s.FaceName = standard.FaceName, s.AltFaces = standard.AltFaces;
             s.SizeStep = standard.SizeStep, s.Bold = standard.Bold, s.Italic = standard.Italic;
             s.Centered = standard.Centered, s.PictureMode = standard.PictureMode;
         },
         ""},
        {"<div style=\"text-align: center\"><span style=\"color: #FF0; font-family: Arial; font-size: "
         "32px\">Velloran</span></div>",
         [](TStyle& s) {
             const TStyle standard = DefaultStyle({"Arial"});
             s.FontColor = standard.FontColor, s.FaceName = standard.FaceName, s.AltFaces = standard.AltFaces;
             s.SizeStep = standard.SizeStep, s.Bold = standard.Bold, s.Italic = standard.Italic;
             s.Centered = standard.Centered, s.UserText = standard.UserText;
         },
         ""},
    };
    for (const Case& c : cases) {
        TStyle expected = Before();
        c.change(expected);
        const Loaded loaded = Paste(c.text);
        EXPECT_EQ(loaded.style, expected) << c.text;
        EXPECT_EQ(loaded.message, c.message) << c.text;
    }
    // Text that sets nothing of a style is no CSS.
    for (const char* text : {"hello {", "x { margin: 0 }", "{ color: red }", "/* body { color: red } */",
                             "<span style=\"margin: 0\">x</span>", "a:hover { color: red }"}) {
        EXPECT_EQ(ParsePastedTag(text).kind, TPastedKind::None) << text;
    }
}
