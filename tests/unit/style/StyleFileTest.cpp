// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/StyleFile.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/Error.h"
#include "platform/IniFile.h"
#include "style/ColorValue.h"
#include "tests/unit/style/TempFolder.h"

namespace {

const std::vector<std::string> kFaces = {"Arial", "Comic Sans MS", "Courier New",
                                         "arial", "Verdana",       "Courier New"};
constexpr int kComicSans = 1;
const std::string kPicture = "/pictures/tile.gif";

bool OnlyThePictureExists(const std::string& path) { return path == kPicture; }

// Stands in for the main window: keeps a style as its controls would, and records each call.
class RecordingTarget : public StyleTarget {
public:
    explicit RecordingTarget(TStyle start = {}) : style(std::move(start)) {}

    void SetColor(TColorTarget target, TColor color) override {
        Record("SetColor " + std::to_string(target));
        TargetField(style, target) = color;
    }
    std::vector<std::string> Faces() const override { return kFaces; }
    void SelectFace(int index) override {
        Record("SelectFace");
        faceIndex = index;
        style.FaceName = index < 0 ? std::string() : kFaces[static_cast<std::size_t>(index)];
    }
    void SetCentered(bool centered) override {
        Record("SetCentered");
        style.Centered = centered;
    }
    void SetBold(bool bold) override {
        Record("SetBold");
        style.Bold = bold;
    }
    void SetItalic(bool italic) override {
        Record("SetItalic");
        style.Italic = italic;
    }
    // The size bar refuses a step it cannot show.
    void SetSizeStep(int step) override {
        Record("SetSizeStep");
        if (step >= kMinSizeStep && step <= kMaxSizeStep) style.SizeStep = step;
    }
    void SetUserText(const std::string& text) override {
        Record("SetUserText");
        style.UserText = text;
    }
    void SetPicture(const std::string& path, const std::string& name) override {
        Record("SetPicture");
        style.PicturePath = path;
        style.PictureName = name;
    }
    void SelectPictureMode() override {
        Record("SelectPictureMode");
        style.PictureMode = true;
    }
    void SelectColorMode() override {
        Record("SelectColorMode");
        style.PictureMode = false;
    }
    void SetAltFaces(std::vector<std::string> faces) override {
        Record("SetAltFaces");
        style.AltFaces = std::move(faces);
    }
    void ShowFontTag() override { Record("ShowFontTag"); }
    void ShowBackColor() override { Record("ShowBackColor"); }

    TStyle style;
    int faceIndex = -2;
    std::vector<std::string> calls;

private:
    void Record(std::string call) { calls.push_back(std::move(call)); }
};

// Every field on its own line, so that a mismatch names the field.
std::string Describe(const TStyle& s) {
    std::ostringstream out;
    out << "BackColor " << colorvalue::FileForm(s.BackColor) << "\nTextColor "
        << colorvalue::FileForm(s.TextColor) << "\nLinkColor " << colorvalue::FileForm(s.LinkColor)
        << "\nVisitedColor " << colorvalue::FileForm(s.VisitedColor) << "\nActiveColor "
        << colorvalue::FileForm(s.ActiveColor) << "\nPictureMode " << s.PictureMode << "\nPicturePath "
        << s.PicturePath << "\nPictureName " << s.PictureName << "\nFontColor "
        << colorvalue::FileForm(s.FontColor) << "\nFaceName " << s.FaceName << "\nAltFaces";
    for (const std::string& face : s.AltFaces) out << " [" << face << "]";
    out << "\nSizeStep " << s.SizeStep << "\nBold " << s.Bold << "\nItalic " << s.Italic << "\nCentered "
        << s.Centered << "\nUserText [" << s.UserText << "]\n";
    return out.str();
}

// What the window holds before each read: nothing of it is a default, so a field the read
// leaves alone shows.
TStyle Before() {
    TStyle s;
    s.BackColor = 0x010203;
    s.TextColor = 0x040506;
    s.LinkColor = 0x070809;
    s.VisitedColor = 0x0A0B0C;
    s.ActiveColor = 0x0D0E0F;
    s.FontColor = 0x101112;
    s.PictureMode = false;
    s.PicturePath = "/old/before.gif";
    s.PictureName = "before.gif";
    s.FaceName = "Verdana";
    s.AltFaces = {"Old"};
    s.SizeStep = 2;
    s.Bold = true;
    s.Italic = true;
    s.Centered = false;
    s.UserText = "before";
    return s;
}

// What reading a file without any key makes of `before`.
TStyle ReadOfEmptyFile(const TStyle& before) {
    TStyle s = DefaultStyle(kFaces);
    s.PictureMode = before.PictureMode;
    s.PicturePath = before.PicturePath;
    s.PictureName = before.PictureName;
    return s;
}

struct ReadCase {
    const char* name;
    std::string file;
    std::function<void(TStyle&)> expect;                   // applied to ReadOfEmptyFile(before)
    std::function<void(TStyle&)> before = [](TStyle&) {};  // applied to Before()
};

std::ostream& operator<<(std::ostream& out, const ReadCase& c) { return out << c.name; }

const ReadCase kReadCases[] = {
    {"EmptyFileGivesTheDefaultStyle", "", [](TStyle&) {}},
    {"SectionsWithoutKnownKeysGiveTheDefaultStyle", "[Body]\n[Font]\nsize=3\n[AltFonts]\n", [](TStyle&) {}},
    {"ColorsAreReadInFileForm",
     "[Body]\ncolorBG=0080FF\ncolorText=abcdef\ncolorVisited=1\ncolorNew=00FFFF00\ncolorActive=123456\n"
     "[Font]\ncolorFont=654321\n",
     [](TStyle& s) {
         s.BackColor = 0x0080FF;
         s.TextColor = 0xABCDEF;
         s.VisitedColor = 0x000001;
         s.LinkColor = 0xFFFF00;
         s.ActiveColor = 0x123456;
         s.FontColor = 0x654321;
     }},
    {"ColorOfErrorIsMissing", "[Body]\ncolorBG=ERROR\n[Font]\ncolorFont=ERROR\n", [](TStyle&) {}},
    {"FaceIsMatchedExactly", "[Font]\nfaceFont=arial\n", [](TStyle& s) { s.FaceName = "arial"; }},
    {"UnknownFaceSelectsTheFirstFace", "[Font]\nfaceFont=ARIAL\n", [](TStyle& s) { s.FaceName = "Arial"; }},
    {"FaceOfErrorIsTheDefaultFace", "[Font]\nfaceFont=ERROR\n", [](TStyle&) {}},
    {"JustifyLowerLIsLeft", "[Font]\njustify=l\n", [](TStyle& s) { s.Centered = false; }},
    {"JustifyUpperLIsCentred", "[Font]\njustify=L\n", [](TStyle&) {}},
    {"JustifyUpperCIsCentred", "[Font]\njustify=C\n", [](TStyle&) {}},
    {"WeightBIsBold", "[Font]\nweight=b\n", [](TStyle& s) { s.Bold = true; }},
    {"WeightUpperBIsNotBold", "[Font]\nweight=B\n", [](TStyle&) {}},
    {"ItalicIIsItalic", "[Font]\nitalic=i\n", [](TStyle& s) { s.Italic = true; }},
    {"ItalicOtherIsNotItalic", "[Font]\nitalic=italic\n", [](TStyle&) {}},
    {"FontSizeInDecimal", "[Font]\nfontsize=4\n", [](TStyle& s) { s.SizeStep = 4; }},
    {"FontSizeInHexWith0x", "[Font]\nfontsize=0x3\n", [](TStyle& s) { s.SizeStep = 3; }},
    {"FontSizeInHexWithDollar", "[Font]\nfontsize=$7\n", [](TStyle& s) { s.SizeStep = 7; }},
    {"FontSizeNotANumberIsSix", "[Font]\nfontsize=big\n", [](TStyle&) {}},
    {"FontSizeMinusOneIsSix", "[Font]\nfontsize=-1\n", [](TStyle&) {}},
    {"FontSizeNineLeavesTheBar", "[Font]\nfontsize=9\n", [](TStyle& s) { s.SizeStep = 2; }},
    {"FontSizeZeroLeavesTheBar", "[Font]\nfontsize=0\n", [](TStyle& s) { s.SizeStep = 2; }},
    {"CaptionOfErrorIsVelloran", "[Font]\ncaption=ERROR\n", [](TStyle&) {}},
    {"CaptionInOtherCaseIsText", "[Font]\ncaption=error\n", [](TStyle& s) { s.UserText = "error"; }},
    {"EmptyCaptionIsEmptyText", "[Font]\ncaption=\n", [](TStyle& s) { s.UserText = ""; }},
    {"CaptionIsCutAt1023Characters", "[Font]\ncaption=" + std::string(1100, 'x') + "\n",
     [](TStyle& s) { s.UserText = std::string(1023, 'x'); }},
    {"ExistingBackgroundWithPictureSelectsPictureMode", "[Font]\nbackground=" + kPicture + "\npicture=1\n",
     [](TStyle& s) {
         s.PicturePath = kPicture;
         s.PictureName = "tile.gif";
         s.PictureMode = true;
     }},
    {"ExistingBackgroundWithoutPictureSelectsColorMode", "[Font]\nbackground=" + kPicture + "\npicture=0\n",
     [](TStyle& s) {
         s.PicturePath = kPicture;
         s.PictureName = "tile.gif";
         s.PictureMode = false;
     },
     [](TStyle& s) { s.PictureMode = true; }},
    {"ExistingBackgroundWithoutPictureLeavesColorMode", "[Font]\nbackground=" + kPicture + "\npicture=0\n",
     [](TStyle& s) {
         s.PicturePath = kPicture;
         s.PictureName = "tile.gif";
     }},
    {"PictureNotANumberIsFalse", "[Font]\nbackground=" + kPicture + "\npicture=yes\n",
     [](TStyle& s) {
         s.PicturePath = kPicture;
         s.PictureName = "tile.gif";
     }},
    {"MissingBackgroundFileSelectsColorModeAndKeepsThePicture",
     "[Font]\nbackground=/pictures/gone.gif\npicture=1\n", [](TStyle& s) { s.PictureMode = false; },
     [](TStyle& s) { s.PictureMode = true; }},
    {"EmptyBackgroundSelectsColorMode", "[Font]\nbackground=\npicture=1\n",
     [](TStyle& s) { s.PictureMode = false; }, [](TStyle& s) { s.PictureMode = true; }},
    {"NoBackgroundKeyLeavesPictureAndMode", "[Font]\npicture=0\n", [](TStyle&) {},
     [](TStyle& s) { s.PictureMode = true; }},
    {"AltFontsInOrderWithKeysInAnyCase", "[AltFonts]\nAltFonts0=Arial\naltfonts1=Verdana\nALTFONTS2=Arial\n",
     [](TStyle& s) {
         s.AltFaces = {"Arial", "Verdana", "Arial"};
     }},
    {"AltFontsOneOnlyGivesOneEmptyEntry", "[AltFonts]\nAltFonts1=Arial\n",
     [](TStyle& s) { s.AltFaces = {""}; }},
    {"AltFontsCountsEveryKeyLine", "[AltFonts]\nAltFonts0=Arial\nOther=x\nAltFonts0=Verdana\n",
     [](TStyle& s) {
         s.AltFaces = {"Arial", "", ""};
     }},
    {"AltFontsOfErrorIsEmpty", "[AltFonts]\nAltFonts0=ERROR\n", [](TStyle& s) { s.AltFaces = {""}; }},
    {"HandEditedFileWithCrlfCommentsAndSpacing",
     "; my style\r\n[Other]\r\ncolorBG=FFFFFF\r\n\r\n  [ body ]  \r\n colorBG = 00FF00 \r\n; "
     "colorText=123456\r\n"
     "stray line\r\n[FONT]\r\nfaceFont =  Verdana\r\n   fontsize\t=\t3\r\nCAPTION= two  words \r\n"
     "[Body]\r\ncolorText=ABCDEF\r\n[altfonts]\r\n; none\r\naltfonts0 = Courier New \r\n",
     [](TStyle& s) {
         s.BackColor = 0x00FF00;
         s.FaceName = "Verdana";
         s.SizeStep = 3;
         s.UserText = "two  words";
         s.AltFaces = {"Courier New"};
     }},
};

class ReadStyleCases : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadStyleCases, FromFileAndFromText) {
    const ReadCase& c = GetParam();
    TStyle before = Before();
    c.before(before);
    TStyle expected = ReadOfEmptyFile(before);
    c.expect(expected);

    TempFolder folder;
    const std::string path = folder.File("style.vls");
    WriteFile(path, c.file);
    RecordingTarget fromFile(before);
    ReadStyle(path, fromFile, OnlyThePictureExists);
    EXPECT_EQ(Describe(fromFile.style), Describe(expected));

    RecordingTarget fromText(before);
    ReadStyleText(platform::IniText(c.file), fromText, OnlyThePictureExists);
    EXPECT_EQ(Describe(fromText.style), Describe(expected));
}

INSTANTIATE_TEST_SUITE_P(StyleFile, ReadStyleCases, testing::ValuesIn(kReadCases),
                         [](const testing::TestParamInfo<ReadCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(ReadStyle, MissingFileReadsAsEmpty) {
    TempFolder folder;
    RecordingTarget target(Before());
    ReadStyle(folder.File("none.vls"), target, OnlyThePictureExists);
    EXPECT_EQ(Describe(target.style), Describe(ReadOfEmptyFile(Before())));
}

TEST(ReadStyle, ChangesTheWindowInItsOrder) {
    RecordingTarget target;
    ReadStyleText(platform::IniText("[Font]\nbackground=" + kPicture + "\npicture=1\n"), target,
                  OnlyThePictureExists);
    const std::vector<std::string> expected = {"SetColor " + std::to_string(ctBackground),
                                               "SetColor " + std::to_string(ctText),
                                               "SetColor " + std::to_string(ctVisited),
                                               "SetColor " + std::to_string(ctLink),
                                               "SetColor " + std::to_string(ctActive),
                                               "SetColor " + std::to_string(ctFont),
                                               "SelectFace",
                                               "SetCentered",
                                               "SetBold",
                                               "SetItalic",
                                               "SetSizeStep",
                                               "SetUserText",
                                               "SetPicture",
                                               "SelectPictureMode",
                                               "SetAltFaces",
                                               "ShowFontTag",
                                               "ShowBackColor"};
    EXPECT_EQ(target.calls, expected);
}

TEST(ReadStyle, SelectsTheLastOfEqualFacesAndTheDefaultFaceByIndex) {
    RecordingTarget target;
    ReadStyleText(platform::IniText("[Font]\nfaceFont=Courier New\n"), target, OnlyThePictureExists);
    EXPECT_EQ(target.faceIndex, 5);
    ReadStyleText(platform::IniText(""), target, OnlyThePictureExists);
    EXPECT_EQ(target.faceIndex, kComicSans);
}

TEST(ChooseFace, ListsWithoutThePreferredFacesOrWithoutAnyFace) {
    EXPECT_EQ(ChooseFace({"DejaVu Sans", "Noto"}, std::nullopt), 0);
    EXPECT_EQ(ChooseFace({"DejaVu Sans", "comic sans ms", "Comic Sans MS"}, std::nullopt), 1);
    EXPECT_EQ(ChooseFace({}, std::string("Arial")), -1);
    EXPECT_EQ(ChooseFace({}, std::nullopt), -1);
}

struct BadColorCase {
    const char* name;
    std::string file;
    std::string message;
    int colorsSet;  // of the six, in read order
};

std::ostream& operator<<(std::ostream& out, const BadColorCase& c) { return out << c.name; }

const BadColorCase kBadColorCases[] = {
    {"EmptyValue", "[Body]\ncolorBG=112233\ncolorText=\ncolorVisited=445566\n[Font]\nfaceFont=Verdana\n",
     "'$' is not a valid integer value", 1},
    {"NotHex", "[Body]\ncolorBG=red\n", "'$red' is not a valid integer value", 0},
    {"FontColorAfterTheBodyColors", "[Font]\ncolorFont=#FFFFFF\ncaption=later\n",
     "'$#FFFFFF' is not a valid integer value", 5},
};

class ReadStyleBadColor : public testing::TestWithParam<BadColorCase> {};

TEST_P(ReadStyleBadColor, StopsAtTheKeyWithTheKeysBeforeItInEffect) {
    const BadColorCase& c = GetParam();
    RecordingTarget target(Before());
    try {
        ReadStyleText(platform::IniText(c.file), target, OnlyThePictureExists);
        FAIL() << "the read did not stop";
    } catch (const platform::Error& e) {
        EXPECT_STREQ(e.what(), c.message.c_str());
    }
    EXPECT_EQ(target.calls.size(), static_cast<std::size_t>(c.colorsSet));
    EXPECT_EQ(target.style.FaceName, Before().FaceName);
    EXPECT_EQ(target.style.UserText, Before().UserText);
    if (c.colorsSet == 1) {
        EXPECT_EQ(target.style.BackColor, 0x112233u);
        EXPECT_EQ(target.style.TextColor, Before().TextColor);
        EXPECT_EQ(target.style.VisitedColor, Before().VisitedColor);
    }
}

INSTANTIATE_TEST_SUITE_P(StyleFile, ReadStyleBadColor, testing::ValuesIn(kBadColorCases),
                         [](const testing::TestParamInfo<BadColorCase>& info) {
                             return std::string(info.param.name);
                         });

// ---- writing

TStyle ExampleStyle() {
    TStyle s = DefaultStyle(kFaces);
    s.AltFaces = {"Arial"};
    return s;
}

TEST(WriteStyle, DefaultStyleGivesTheKnownLines) {
    TempFolder folder;
    const std::string path = folder.File("Default.vls");
    WriteStyle(path, ExampleStyle());
    EXPECT_EQ(
        ReadFile(path),
        "[Body]\ncolorBG=000000\ncolorText=FFFFFF\ncolorVisited=008000\ncolorNew=FFFF00\ncolorActive=00FFFF\n"
        "\n[Font]\ncolorFont=00FFFF\nfaceFont=Comic Sans MS\njustify=c\nweight=p\nitalic=p\nfontsize=6\n"
        "caption=Velloran\nbackground=\npicture=0\n\n[AltFonts]\nAltFonts0=Arial\n");
}

TEST(WriteStyle, ShorterAltFontsListLeavesNoOlderEntry) {
    TempFolder folder;
    const std::string path = folder.File("s.vls");
    TStyle style = ExampleStyle();
    style.AltFaces = {"A", "B", "C", "D", "E"};
    WriteStyle(path, style);
    style.AltFaces = {"X", "Y", "Z"};
    WriteStyle(path, style);
    EXPECT_EQ(platform::TIniFile(path).ReadSectionValues("AltFonts"),
              (std::vector<std::string>{"AltFonts0=X", "AltFonts1=Y", "AltFonts2=Z"}));
    style.AltFaces.clear();
    WriteStyle(path, style);
    EXPECT_FALSE(platform::TIniFile(path).SectionExists("AltFonts"));
}

TEST(WriteStyle, KeepsWhatItDoesNotOwnAndReplacesHandEditedKeys) {
    TempFolder folder;
    const std::string path = folder.File("s.vls");
    WriteFile(path, "; mine\r\n[Notes]\r\nwho=me\r\n[Font]\r\nFACEFONT=Old\r\nextra=1\r\n");
    WriteStyle(path, ExampleStyle());
    const platform::TIniFile ini(path);
    EXPECT_EQ(ini.ReadString("Notes", "who", ""), "me");
    EXPECT_EQ(ini.ReadString("Font", "extra", ""), "1");
    EXPECT_EQ(ini.ReadString("Font", "faceFont", ""), "Comic Sans MS");
    EXPECT_EQ(ReadFile(path).find("Old"), std::string::npos);
    EXPECT_EQ(ReadFile(path).rfind("; mine\r\n", 0), 0u);
}

TEST(WriteStyle, ReadOnlyFileIsReportedAndLeftAsItWas) {
    TempFolder folder;
    const std::string path = folder.File("locked.vls");
    const std::string content = "[Body]\ncolorBG=FFFFFF\n";
    WriteFile(path, content);
    MakeReadOnly(path);
    try {
        WriteStyle(path, ExampleStyle());
        FAIL() << "the write did not fail";
    } catch (const platform::Error& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + path + "\nPermission denied");
    }
    EXPECT_EQ(ReadFile(path), content);
    EXPECT_EQ(folder.Names(), std::set<std::string>{"locked.vls"});
}

TEST(WriteStyle, FileInAMissingFolderIsReportedAndNotCreated) {
    TempFolder folder;
    const std::string path = folder.File("gone/s.vls");
    EXPECT_THROW(WriteStyle(path, ExampleStyle()), platform::Error);
    EXPECT_TRUE(folder.Names().empty());
}

// Styles that use every field away from its default, and the edges of each.
std::vector<TStyle> RoundTripStyles() {
    std::vector<TStyle> styles;
    TStyle s;
    s.BackColor = 0xFFFFFF;
    s.TextColor = 0x000000;
    s.LinkColor = 0x0080FF;
    s.VisitedColor = 0x00000F;
    s.ActiveColor = 0xF00000;
    s.FontColor = 0x123456;
    s.PictureMode = true;
    s.PicturePath = kPicture;
    s.PictureName = "tile.gif";
    s.FaceName = "Courier New";
    s.AltFaces = {"Verdana", "", "Verdana", "Times New Roman"};
    s.SizeStep = 1;
    s.Bold = true;
    s.Italic = true;
    s.Centered = false;
    s.UserText = "x=y; [z] \"q\" ERROR? <b>&amp;</b> ü";
    styles.push_back(s);

    s.PictureMode = false;
    s.SizeStep = 7;
    s.Bold = false;
    s.AltFaces = {};
    s.UserText = "";
    styles.push_back(s);

    s = DefaultStyle(kFaces);
    s.PicturePath = kPicture;
    s.PictureName = "tile.gif";
    styles.push_back(s);
    return styles;
}

TEST(StyleFile, WrittenStylesReadBackTheSame) {
    TempFolder folder;
    const std::string path = folder.File("round.vls");
    for (const TStyle& style : RoundTripStyles()) {
        WriteStyle(path, style);
        RecordingTarget target(Before());
        ReadStyle(path, target, OnlyThePictureExists);
        EXPECT_EQ(Describe(target.style), Describe(style));
    }
}

}  // namespace
