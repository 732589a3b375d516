// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/Html5Text.h"

#include <gtest/gtest.h>

#include <string>

#include "style/CssText.h"
#include "tests/unit/style/Checkers.h"

namespace {

TStyle Styled(const std::string& face) {
    TStyle style;
    style.FaceName = face;
    return style;
}

std::string Between(const std::string& text, const std::string& from, const std::string& to) {
    const auto start = text.find(from);
    if (start == std::string::npos) return "(no " + from + ")";
    const auto end = text.find(to, start + from.size());
    return text.substr(start + from.size(), end - start - from.size());
}

// The attribute's text as the browser reads it.
std::string Unescaped(std::string text) {
    for (const auto& [reference, character] : {std::pair<std::string, std::string>{"&quot;", "\""},
                                               {"&#39;", "'"},
                                               {"&lt;", "<"},
                                               {"&gt;", ">"},
                                               {"&amp;", "&"}}) {
        for (auto at = text.find(reference); at != std::string::npos; at = text.find(reference, at + 1))
            text.replace(at, reference.size(), character);
    }
    return text;
}

// The sheet's lines for the font's class, as tinycss2 reads them, less the alignment, which
// the HTML5 form gives to its own div.
std::string FontRuleLines(const std::string& parsed) {
    std::string lines;
    for (std::size_t start = 0, end; start < parsed.size(); start = end + 1) {
        end = parsed.find('\n', start);
        const std::string line = parsed.substr(start, end - start + 1);
        if (line.starts_with(".velloran|") && !line.starts_with(".velloran|text-align|")) lines += line;
    }
    return lines;
}

}  // namespace

// The text is HTML source, as in the font tag: it goes in as written, never escaped again.
TEST(Html5, SpanCarriesTheFontRuleAndTheTextAsWritten) {
    TStyle awkward = Styled("It's \"Mine\" & <Co>");
    awkward.AltFaces = {"serif"};
    awkward.UserText = "Fish &amp; Chips, a &lt; b, \"c\" 'd' <b>bold</b>";
    awkward.Bold = true;
    awkward.Italic = true;
    awkward.Centered = false;
    awkward.SizeStep = 1;
    TStyle italicOnly = Styled("Arial");
    italicOnly.Italic = true;
    italicOnly.Centered = false;

    const struct {
        TStyle style;
        std::string html;
    } cases[] = {
        {Styled("Comic Sans MS"),
         "<div style=\"text-align: center\"><span style=\"color: #FFFF00; font-family: &quot;Comic Sans "
         "MS&quot;; font-size: xx-large\">Velloran</span></div>"},
        {awkward,
         "<span style=\"color: #FFFF00; font-family: &quot;It&#39;s \\&quot;Mine\\&quot; &amp; "
         "&lt;Co&gt;&quot;, "
         "serif; font-size: x-small; font-weight: bold; font-style: italic\">Fish &amp; Chips, a &lt; b, "
         "\"c\" 'd' <b>bold</b></span>"},
        {italicOnly,
         "<span style=\"color: #FFFF00; font-family: &quot;Arial&quot;; font-size: xx-large; font-style: "
         "italic\">Velloran</span>"},
    };
    for (const auto& c : cases) EXPECT_EQ(MakeHtml5(c.style), c.html) << c.style.FaceName;
}

TEST(Html5, PageHoldsExactlyTheCssSheetTheTitleAndTheText) {
    TStyle style = Styled("Arial");
    style.PictureMode = true;
    style.PictureName = "tile.gif";
    style.UserText = "Fish &amp; <b>Chips</b>";
    const struct {
        std::string title;
        std::string shown;
    } titles[] = {{"My Style", "My Style"}, {"", "Velloran"}, {"a<b & c", "a&lt;b &amp; c"}};
    for (const auto& t : titles) {
        const std::string page = MakeHtml5Page(style, t.title);
        EXPECT_EQ(Between(page, "<title>", "</title>"), t.shown);
        EXPECT_EQ(Between(page, "<style>\n", "</style>"), MakeCss(style));
        EXPECT_EQ(Between(page, "<body>\n", "</body>"),
                  "<header style=\"text-align: center\"><span class=\"velloran\">Fish &amp; "
                  "<b>Chips</b></span></header>\n" +
                      std::string(kPageLinkSamples));
        EXPECT_TRUE(
            page.starts_with("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"));
    }
    style.Centered = false;
    EXPECT_EQ(Between(MakeHtml5Page(style, ""), "<body>\n", "</header>"),
              "<header><span class=\"velloran\">Fish &amp; <b>Chips</b></span>");
}

// What validator sites run, the Nu HTML Checker, passes the page and the copied fragment in a
// minimal page without one error or warning; the CSS in both reads without error in tinycss2,
// and the span's declarations are the sheet's font rule.
TEST(Html5, PagesPassTheNuHtmlCheckerAndTinycss2) {
    TStyle awkward = Styled("It's \"Mine\" & <Co>");
    awkward.AltFaces = {"back\\slash", "two\nlines", ""};
    awkward.UserText = "a &lt; b &amp; \"c\" &gt; 'd' <b>bold</b> &eacute;&#233;";
    awkward.Bold = true;
    awkward.Italic = true;
    awkward.Centered = false;
    awkward.PictureMode = true;
    awkward.PictureName = "my \"tile\").gif";
    TStyle picture = Styled("Arial");
    picture.PictureMode = true;
    picture.PictureName = "tile.gif";

    TempFolder folder;
    std::string files;
    int n = 0;
    for (const TStyle& style : {Styled("Comic Sans MS"), awkward, picture}) {
        const std::string page = folder.File("page" + std::to_string(n) + ".html");
        const std::string fragment = folder.File("fragment" + std::to_string(n++) + ".html");
        WriteFile(page, MakeHtml5Page(style, "My \"Style\" & <b>"));
        WriteFile(fragment,
                  "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<title>Copied</title>\n</head>\n<body>\n" +
                      MakeHtml5(style) + "\n</body>\n</html>\n");
        files += " '" + page + "' '" + fragment + "'";

        const std::string sheet = ParsedByTinycss2(MakeCss(style));
        EXPECT_EQ(sheet.find("ERROR"), std::string::npos) << sheet;
        const std::string span = MakeHtml5(style);
        const std::string declarations = Unescaped(Between(span, "<span style=\"", "\">"));
        EXPECT_EQ(ParsedByTinycss2(".velloran { " + declarations + " }"), FontRuleLines(sheet)) << span;
    }
    const CommandResult checked = RunCommand("java -jar '" VNU_JAR "' --Werror --format text" + files);
    EXPECT_EQ(checked.status, 0) << checked.output;
    EXPECT_EQ(checked.output, "Document checking completed. No errors found.\n");
}
