// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandLine.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/PrintStyle.h"
#include "cli/ReadMarkup.h"
#include "cli/WindowProgram.h"
#include "tests/unit/style/TempFolder.h"

namespace {

using Action = TCommandLine::Action;

TEST(CommandLine, ReadsWhatTheUserAsks) {
    struct Case {
        std::vector<std::string> arguments;
        Action action;
        std::string styleFile;
        std::string what;
        std::string readFile = "";
    };
    const Case cases[] = {
        {{"velloran"}, Action::Run, "", ""},
        {{}, Action::Run, "", ""},
        {{"velloran", "Blue.vls"}, Action::Run, "Blue.vls", ""},
        {{"velloran", "--", "--help"}, Action::Run, "--help", ""},
        {{"velloran", "--help"}, Action::Help, "", ""},
        {{"velloran", "-h"}, Action::Help, "", ""},
        {{"velloran", "--version"}, Action::Version, "", ""},
        {{"velloran", "-v"}, Action::Version, "", ""},
        {{"velloran", "--print", "font-text", "a.vls"}, Action::Print, "a.vls", "font-text"},
        {{"velloran", "--print=css", "a.vls"}, Action::Print, "a.vls", "css"},
        {{"velloran", "a.vls", "--print", "body"}, Action::Print, "a.vls", "body"},
        // The toolkit's own options are the toolkit's.
        {{"velloran", "-platform", "offscreen", "-style", "fusion", "a.vls", "-reverse"},
         Action::Run,
         "a.vls",
         ""},
        {{"velloran", "--bogus"}, Action::Error, "", ""},
        // One dash or two, as the toolkit's own options are written.
        {{"velloran", "-print", "font", "a.vls"}, Action::Print, "a.vls", "font"},
        {{"velloran", "-hv"}, Action::Error, "", ""},
        {{"velloran", "--version=2"}, Action::Error, "", ""},
        {{"velloran", "a.vls", "b.vls"}, Action::Error, "", ""},
        {{"velloran", "--print", "tag", "a.vls"}, Action::Error, "", ""},
        {{"velloran", "--print", "font"}, Action::Error, "", ""},
        {{"velloran", "--print"}, Action::Error, "", ""},
        {{"velloran", "--print", "font", "--print", "css", "a.vls"}, Action::Error, "", ""},
        {{"velloran", "--print", "html5", "a.vls"}, Action::Print, "a.vls", "html5"},
        {{"velloran", "--read", "page.html", "--print", "css"}, Action::Read, "", "css", "page.html"},
        {{"velloran", "--print=body", "--read=-"}, Action::Read, "", "body", "-"},
        {{"velloran", "--read", "page.html"}, Action::Error, "", ""},
        {{"velloran", "--read", "page.html", "--print", "css", "a.vls"}, Action::Error, "", ""},
        {{"velloran", "--read", "a", "--read", "b", "--print", "css"}, Action::Error, "", ""},
        {{"velloran", "--read=", "--print", "css"}, Action::Error, "", ""},
        {{"velloran", "--print", "css", "--read"}, Action::Error, "", ""},
    };
    for (const Case& c : cases) {
        std::string shown;
        for (const std::string& word : c.arguments) shown += word + " ";
        const TCommandLine line = ParseCommandLine(c.arguments);
        EXPECT_EQ(line.action, c.action) << shown << line.error;
        if (c.action == Action::Error) {
            EXPECT_FALSE(line.error.empty()) << shown;
            continue;
        }
        EXPECT_EQ(line.styleFile, c.styleFile) << shown;
        EXPECT_EQ(line.what, c.what) << shown;
        EXPECT_EQ(line.readFile, c.readFile) << shown;
    }
}

const char kStyle[] =
    "[Body]\ncolorBG=FFFFFF\ncolorText=333333\n[Font]\ncolorFont=0000FF\nfaceFont=Nowhere Sans\n"
    "justify=l\nweight=b\nfontsize=3\ncaption=Hi & bye\n[AltFonts]\nAltFonts0=Arial\n";

struct Printed {
    int code;
    std::string out;
    std::string err;
};

Printed Print(const std::string& what, const std::string& path) {
    std::ostringstream out, err;
    const int code = PrintStyle(what, path, out, err);
    return {code, out.str(), err.str()};
}

// The texts are the copy commands' texts, with the face as the file names it: there is no
// display to ask which faces are installed.
TEST(PrintStyle, PrintsTheCopyCommandsTexts) {
    TempFolder folder;
    WriteFile(folder.File("a.vls"), kStyle);
    const std::string font = "<FONT COLOR=\"#FF0000\"  SIZE=\"3\" FACE=\"'Nowhere Sans','Arial'\"><B>";
    const std::pair<std::string, std::string> cases[] = {
        {"font", font + "</B></FONT>\n"},
        {"font-text", font + "Hi & bye</B></FONT>\n"},
        {"body",
         "<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#333333\" LINK=\"#00FFFF\" VLINK=\"#008000\" ALINK=\"#FFFF00\" "
         ">\n"},
    };
    for (const auto& [what, text] : cases) {
        const Printed printed = Print(what, folder.File("a.vls"));
        EXPECT_EQ(printed.code, 0) << what;
        EXPECT_EQ(printed.out, text) << what;
        EXPECT_EQ(printed.err, "") << what;
    }
    const Printed css = Print("css", folder.File("a.vls"));
    EXPECT_NE(css.out.find("font-family: \"Nowhere Sans\", \"Arial\""), std::string::npos) << css.out;
    EXPECT_EQ(ReadFile(folder.File("a.vls")), kStyle) << "the style is never written";
    EXPECT_EQ(folder.Names(), std::set<std::string>{"a.vls"}) << "no settings file appears";

    // In picture mode with a picture that is there, the body tag names it.
    WriteFile(folder.File("tile.gif"), "GIF89a");
    WriteFile(folder.File("b.vls"), "[Font]\npicture=1\nbackground=" + folder.File("tile.gif") + "\n");
    EXPECT_EQ(Print("body", folder.File("b.vls")).out,
              "<BODY  BACKGROUND=\"tile.gif\" BGCOLOR=\"#000000\" TEXT=\"#FFFFFF\" LINK=\"#00FFFF\" "
              "VLINK=\"#008000\" ALINK=\"#FFFF00\" >\n");
}

TEST(PrintStyle, ReportsWhatCannotBeReadAndExitsWithOne) {
    TempFolder folder;
    WriteFile(folder.File("damaged.vls"), "[Body]\ncolorBG=FFFFFF\ncolorText=nothex\n");
    const Printed damaged = Print("body", folder.File("damaged.vls"));
    EXPECT_EQ(damaged.code, 1);
    // What was read before the damage, then the damage named.
    EXPECT_EQ(damaged.out.substr(0, 30), "<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"");
    EXPECT_EQ(damaged.err, "'$nothex' is not a valid integer value\n");

    // A file that is no style file (a picture) would read as the default style.
    WriteFile(folder.File("tile.gif"), std::string("GIF89a\x01\x00\x01\x00\x80\x00\x00", 13));
    const Printed binary = Print("css", folder.File("tile.gif"));
    EXPECT_EQ(binary.code, 1);
    EXPECT_EQ(binary.out, "");
    EXPECT_EQ(binary.err, folder.File("tile.gif") + " holds no style.\n");

    for (const std::string& path : {folder.File("missing.vls"), folder.Dir()}) {
        const Printed unreadable = Print("font", path);
        EXPECT_EQ(unreadable.code, 1) << path;
        EXPECT_EQ(unreadable.out, "") << path;
        EXPECT_EQ(unreadable.err, "Unable to read " + path + "\n") << path;
    }
}

// The window program is looked for beside the front program's executable, and where the
// build installs it when /proc cannot say where that is: never in the current folder.
TEST(WindowProgram, IsBesideTheFrontProgramOrAtItsInstalledPath) {
    struct Case {
        std::optional<std::filesystem::path> self;
        std::string window;
    };
    const Case cases[] = {
        {"/opt/v/velloran", "/opt/v/velloran-window"},
        {"/home/u/.local/lib/velloran/velloran", "/home/u/.local/lib/velloran/velloran-window"},
        {std::nullopt, "/usr/lib/velloran/velloran-window"},
        {"", "/usr/lib/velloran/velloran-window"},
        {"velloran", "/usr/lib/velloran/velloran-window"},
        {"./velloran", "/usr/lib/velloran/velloran-window"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WindowProgramFor(c.self, "/usr/lib/velloran").string(), c.window)
            << (c.self ? c.self->string() : "(unknown)");
    }
    EXPECT_TRUE(WindowProgram().is_absolute());
}

Printed Read(const std::string& what, const std::string& path, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out, err;
    const TInstalledFaces faces{{"Arial", "DejaVu Sans", "Liberation Serif"}, [](std::string_view generic) {
                                    return generic == "serif" ? "Liberation Serif" : "";
                                }};
    const int code = ReadMarkup(what, path, in, out, err, faces);
    return {code, out.str(), err.str()};
}

// --read takes a file as Paste Tag takes the clipboard, into the default style.
TEST(ReadMarkup, PrintsWhatPasteTagTakesAndNamesTheRest) {
    TempFolder folder;
    WriteFile(folder.File("old.html"),
              "<center><font face=\"Verdana, Arial\" color=#fa8072 size=5>Hi &amp; bye</font></center>");
    const Printed font = Read("font-text", folder.File("old.html"));
    EXPECT_EQ(font.code, 0);
    EXPECT_EQ(font.out,
              "<CENTER><FONT COLOR=\"#FA8072\"  SIZE=\"5\" FACE=\"'Arial','Verdana'\">Hi &amp; "
              "bye</FONT></CENTER>\n");
    EXPECT_EQ(font.err, "");

    const Printed css =
        Read("css", "-", "body { color: #AAA; margin: 0 } .velloran { font: italic 2em serif }");
    EXPECT_EQ(css.code, 0);
    EXPECT_NE(css.out.find("  color: #AAAAAA;\n"), std::string::npos) << css.out;
    EXPECT_NE(css.out.find("font-family: \"Liberation Serif\", serif;\n  font-size: xx-large;\n"),
              std::string::npos)
        << css.out;
    EXPECT_NE(css.out.find("font-style: italic"), std::string::npos) << css.out;
    EXPECT_EQ(css.err,
              "The CSS was loaded from body, .velloran except for:\nmargin in body: not part of a style.\n");

    for (const auto& [path, input, message] :
         {std::tuple{folder.File("missing.html"), "", "Unable to read " + folder.File("missing.html")},
          std::tuple{std::string("-"), "just words",
                     std::string("The standard input holds no FONT or BODY tag and no CSS.")}}) {
        const Printed nothing = Read("css", path, input);
        EXPECT_EQ(nothing.code, 1) << path;
        EXPECT_EQ(nothing.out, "") << path;
        EXPECT_EQ(nothing.err, message + "\n") << path;
    }
}

}  // namespace
