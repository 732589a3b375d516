#include <sys/stat.h>
#include <QFile>
#include <QTimer>
#include <fstream>
#include <sstream>

#include "platform/Error.h"
#include "tests/widgets/ErrorLog.h"
#include "tests/widgets/app/MainWindowFixture.h"

namespace {

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

const char* const kBlueStyle =
    "[Body]\r\ncolorBG=FF0000\r\n[Font]\r\ncolorFont=0000FF\r\nfaceFont=Verdana\r\njustify=l\r\n"
    "weight=b\r\nfontsize=3\r\ncaption=Hello\r\n[AltFonts]\r\nAltFonts0=Arial\r\n";

}  // namespace

// A window started with files already in its program folder.
class StartupTest : public MainWindowTest {
protected:
    std::string Path(const std::string& name) const { return folder.path().toStdString() + "/" + name; }
    void Start(const std::string& settings, const std::string& styleName, const std::string& style) {
        WriteText(Path("vlr.ini"), settings);
        if (!styleName.empty()) WriteText(Path(styleName), style);
        MainWindowTest::SetUp();
    }
    void SetUp() override {}
};

TEST_F(StartupTest, StartsWithTheStoredStyle) {
    Start("[Options]\nstartup=" + Path("Blue Sky.vls") + "\n", "Blue Sky.vls", kBlueStyle);
    EXPECT_EQ(window->windowTitle(), " Velloran - Blue Sky");
    EXPECT_EQ(Tag(), "<FONT COLOR=\"#FF0000\"  SIZE=\"3\" FACE=\"'Verdana','Arial'\"><B></B></FONT>");
    EXPECT_EQ(Bars(), (std::array<int, 3>{255, 0, 0}));
    EXPECT_EQ(window->Style().BackColor, 0xFF0000u);
    EXPECT_EQ(window->PanelTop->lblDisplay->text(), "Hello");
    EXPECT_TRUE(Font().cmdBold->isChecked());
    EXPECT_FALSE(Font().cmdCenter->isChecked());
}

TEST_F(StartupTest, AMissingStartupFileFallsBackToTheDefaultStyle) {
    Start("[Options]\nstartup=" + Path("gone.vls") + "\n", "", "");
    EXPECT_EQ(window->StyleFileName(), Path("Default.vls"));
    EXPECT_EQ(window->windowTitle(), " Velloran - Default");
    window->mnuFileSave->trigger();
    EXPECT_NE(ReadText(Path("Default.vls")).find("faceFont=Comic Sans MS"), std::string::npos);
}

TEST_F(StartupTest, ADamagedStartupStyleIsReportedAndNotOverwrittenSilently) {
    Start("", "Default.vls", "[Body]\ncolorBG=00FF00\ncolorText=nothex\n[Font]\ncaption=Mine\n");
    EXPECT_EQ(TakeErrors(), QStringList{"'$nothex' is not a valid integer value"});
    EXPECT_EQ(window->Style().BackColor, 0x00FF00u) << "keys before the damaged one take effect";
    int asked = 0;
    window->AskToSave = [&](const std::string&) {
        ++asked;
        return TSaveAnswer::No;
    };
    EXPECT_TRUE(window->close());
    EXPECT_EQ(asked, 1);
    EXPECT_NE(ReadText(Path("Default.vls")).find("caption=Mine"), std::string::npos);
}

TEST_F(MainWindowTest, OpenSwitchesToTheFontPageAndReadsTheStyle) {
    const std::string path = folder.path().toStdString() + "/Blue.vls";
    WriteText(path, kBlueStyle);
    ShowBodyPage();
    window->ChooseStyleToOpen = [&] { return path; };
    window->mnuFileOpen->trigger();
    EXPECT_EQ(window->PC1->currentWidget(), window->fontPanel);
    EXPECT_EQ(window->windowTitle(), " Velloran - Blue");
    EXPECT_EQ(window->StyleFileName(), path);
    EXPECT_EQ(Bars(), (std::array<int, 3>{255, 0, 0}));
    EXPECT_EQ(Tag(), "<FONT COLOR=\"#FF0000\"  SIZE=\"3\" FACE=\"'Verdana','Arial'\"><B></B></FONT>");
}

TEST_F(MainWindowTest, ADamagedFileOpensNothingOfItsName) {
    const std::string path = folder.path().toStdString() + "/Bad.vls";
    WriteText(path, "[Font]\ncolorFont=\n");
    window->ChooseStyleToOpen = [&] { return path; };
    window->mnuFileOpen->trigger();
    EXPECT_EQ(TakeErrors(), QStringList{"'$' is not a valid integer value"});
    EXPECT_EQ(window->windowTitle(), " Velloran - Default");
    EXPECT_EQ(window->StyleFileName(), folder.path().toStdString() + "/Default.vls");
}

TEST_F(MainWindowTest, CancelledDialogsChangeNothing) {
    window->ChooseStyleToOpen = [] { return std::string(); };
    window->ChooseStyleToSaveAs = [] { return std::string(); };
    window->mnuFileOpen->trigger();
    window->mnuSaveAs->trigger();
    EXPECT_EQ(window->windowTitle(), " Velloran - Default");
    EXPECT_FALSE(QFile::exists(folder.path() + "/Default.vls"));
}

TEST_F(MainWindowTest, SaveAsWritesTheStyleAndNamesTheWindowAfterIt) {
    const std::string path = folder.path().toStdString() + "/Night.vls";
    ClickSwatch("Navy");
    window->ChooseStyleToSaveAs = [&] { return path; };
    window->mnuSaveAs->trigger();
    EXPECT_EQ(window->windowTitle(), " Velloran - Night");
    EXPECT_NE(ReadText(path).find("colorFont=800000"), std::string::npos);
}

TEST_F(MainWindowTest, SaveAsOverAReadOnlyFileFailsAndKeepsTheName) {
    const std::string path = folder.path().toStdString() + "/Locked.vls";
    WriteText(path, "[Body]\ncolorBG=123456\n");
    chmod(path.c_str(), 0444);
    window->ChooseStyleToSaveAs = [&] { return path; };
    window->mnuSaveAs->trigger();
    EXPECT_EQ(TakeErrors(), QStringList{QString::fromStdString("Unable to write to " + path)});
    EXPECT_EQ(window->windowTitle(), " Velloran - Default");
    EXPECT_EQ(ReadText(path), "[Body]\ncolorBG=123456\n");
}

TEST_F(MainWindowTest, CloseFollowsTheSavePolicy) {
    const std::string settings = folder.path().toStdString() + "/vlr.ini";
    const std::string style = folder.path().toStdString() + "/Default.vls";
    std::vector<std::string> questions;
    TSaveAnswer answer = TSaveAnswer::Cancel;
    window->AskToSave = [&](const std::string& question) {
        questions.push_back(question);
        return answer;
    };

    WriteText(settings, "[Options]\nsave=1\n");
    EXPECT_FALSE(window->close()) << "Cancel keeps the window open";
    EXPECT_FALSE(window->close()) << "and the next close asks again";
    EXPECT_EQ(questions, (std::vector<std::string>{"Save changes to Style \"Default\"?",
                                                   "Save changes to Style \"Default\"?"}));
    EXPECT_NE(ReadText(settings).find("startup=" + style), std::string::npos);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(style)));

    WriteText(settings, "[Options]\nsave=2\n");
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(style)));

    window->show();
    WriteText(settings, "[Options]\nsave=7\n");
    EXPECT_TRUE(window->close());
    EXPECT_NE(ReadText(style).find("faceFont=Comic Sans MS"), std::string::npos);
}

TEST_F(MainWindowTest, AnUnwritableSettingsFileKeepsTheWindowOpen) {
    const std::string settings = folder.path().toStdString() + "/vlr.ini";
    WriteText(settings, "[Options]\nsave=2\n");
    chmod(settings.c_str(), 0444);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(TakeErrors(), QStringList{QString::fromStdString("Unable to write to " + settings)});
    EXPECT_TRUE(window->isVisible());
    chmod(settings.c_str(), 0644);
}

TEST_F(MainWindowTest, OptionsDialogOpensFromTheMenu) {
    bool opened = false;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        opened = dialog->windowTitle() == "Options";
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    ASSERT_TRUE(window->mnuOptionsOptions->isEnabled());
    window->mnuOptionsOptions->trigger();
    EXPECT_TRUE(opened);
}

TEST_F(MainWindowTest, CtrlAIsSaveAsAlsoInTheTextFields) {
    int asked = 0;
    window->ChooseStyleToSaveAs = [&] {
        ++asked;
        return std::string();
    };
    for (QWidget* field : std::initializer_list<QWidget*>{window->MemoTag, Panel().TxtRed}) {
        window->activateWindow();
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    }
    EXPECT_EQ(asked, 2);
}
