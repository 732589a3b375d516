// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>
#include <QDialog>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
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
    EXPECT_EQ(window->windowTitle(), " Velloran - Default") << "the caption names the file all the same";
    std::vector<std::string> questions;
    TSaveAnswer answer = TSaveAnswer::No;
    window->AskToSave = [&](const std::string& question) {
        questions.push_back(question);
        return answer;
    };
    window->mnuFileSave->trigger();
    EXPECT_TRUE(window->close());
    ASSERT_EQ(questions.size(), 2u) << "Save and the close both ask";
    EXPECT_EQ(questions[0], PartlyReadQuestion(Path("Default.vls"), Path("Default.vls")));
    EXPECT_NE(ReadText(Path("Default.vls")).find("caption=Mine"), std::string::npos);

    window->show();
    answer = TSaveAnswer::Yes;
    window->mnuFileSave->trigger();
    EXPECT_EQ(ReadText(Path("Default.vls")).find("caption=Mine"), std::string::npos);
    EXPECT_EQ(questions.size(), 3u);
    EXPECT_TRUE(window->close()) << "once saved, the style is whole again: no question";
    EXPECT_EQ(questions.size(), 3u);
}

// A file too large to read is reported, not taken for an empty one, and never written over.
TEST_F(StartupTest, AnUnreadableStartupStyleGivesWayToTheDefaultStyleFile) {
    WriteText(Path("Huge.vls"), "[Font]\ncaption=Mine\n");
    std::filesystem::resize_file(Path("Huge.vls"), 65 * 1024 * 1024);
    Start("[Options]\nstartup=" + Path("Huge.vls") + "\n", "", "");
    EXPECT_EQ(TakeErrors(), QStringList{QString::fromStdString("Unable to read " + Path("Huge.vls"))});
    EXPECT_EQ(window->StyleFileName(), Path("Default.vls"));
    EXPECT_EQ(window->windowTitle(), " Velloran - Default");
    EXPECT_TRUE(window->close());
    EXPECT_EQ(std::filesystem::file_size(Path("Huge.vls")), 65u * 1024 * 1024);
    EXPECT_TRUE(std::filesystem::exists(Path("Default.vls")));
    EXPECT_EQ(ReadStartup(Path("vlr.ini")), Path("Huge.vls")) << "tried again at the next start";

    window->show();
    window->mnuFileSave->trigger();
    window->ChooseStyleToSaveAs = [this] { return Path("Mine.vls"); };
    window->mnuSaveAs->trigger();
    EXPECT_TRUE(window->close());
    EXPECT_EQ(ReadStartup(Path("vlr.ini")), Path("Mine.vls")) << "the user chose another style";
}

// Saving on exit to a file that cannot be read is refused as Save refuses it: the user is told
// and keeps the window, and with it the changes.
TEST_F(StartupTest, AnUnreadableDefaultStyleFileIsNeverWritten) {
    WriteText(Path("Default.vls"), "");
    std::filesystem::resize_file(Path("Default.vls"), 65 * 1024 * 1024);
    Start("", "", "");
    EXPECT_EQ(TakeErrors(), QStringList{QString::fromStdString("Unable to read " + Path("Default.vls"))});
    EXPECT_EQ(window->windowTitle(), " Velloran - Default");
    EXPECT_EQ(window->Style().FaceName, "Comic Sans MS") << "the default style";
    const QStringList refused{
        QString::fromStdString("Unable to write to " + Path("Default.vls") + "\nFile too large")};
    window->mnuFileSave->trigger();
    EXPECT_EQ(TakeErrors(), refused);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(TakeErrors(), refused);
    EXPECT_EQ(std::filesystem::file_size(Path("Default.vls")), 65u * 1024 * 1024);
}

// A close that cannot write the style says why and offers to close all the same; Enter and
// Escape keep the window open with nothing lost, "Close Anyway" closes it.
TEST_F(StartupTest, ACloseThatCannotWriteOffersToCloseAnyway) {
    WriteText(Path("Default.vls"), "");
    std::filesystem::resize_file(Path("Default.vls"), 65 * 1024 * 1024);
    Start("", "", "");
    TakeErrors();
    window->AskToCloseAnyway = [this](const std::string& message) {
        return window->ShowCloseAnywayBox(message);
    };
    const auto answer = [](const std::function<void(QMessageBox&)>& choose, QStringList& seen) {
        QTimer::singleShot(0, [&seen, choose] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seen.push_back(box->text());
            for (QAbstractButton* button : box->buttons()) seen.push_back(button->text());
            choose(*box);
        });
    };
    const QString refused = QString::fromStdString("Unable to write to " + Path("Default.vls"));
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        QStringList seen;
        answer([key](QMessageBox& box) { QTest::keyClick(&box, key); }, seen);
        EXPECT_FALSE(window->close()) << key;
        ASSERT_EQ(seen.size(), 3);
        EXPECT_TRUE(seen[0].startsWith(refused)) << seen[0].toStdString();
        QStringList buttons = seen.mid(1);
        buttons.sort();  // in the order the style lays them out
        EXPECT_EQ(buttons, (QStringList{"Cancel", "Close &Anyway"}));
        EXPECT_TRUE(window->isVisible());
    }
    QStringList seen;
    answer(
        [](QMessageBox& box) {
            for (QAbstractButton* button : box.buttons())
                if (button->text() == "Close &Anyway") QTest::mouseClick(button, Qt::LeftButton);
        },
        seen);
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(std::filesystem::file_size(Path("Default.vls")), 65u * 1024 * 1024);
}

// Style files from other systems are often Windows-1252: the text shows as written, and
// saving leaves the file in its encoding.
TEST_F(StartupTest, AWindows1252StyleShowsItsTextAndIsWrittenBackAsItWas) {
    const std::string style = "[Body]\r\ncolorBG=000000\r\n[Font]\r\ncaption=Caf\xE9\r\nfaceFont=Arial\r\n";
    Start("", "Default.vls", style);
    EXPECT_EQ(window->PanelTop->lblDisplay->text(), QString::fromUtf8("Caf\xC3\xA9"));
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QTest::mouseClick(dialog->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    });
    Font().cmdTextClick();
    window->mnuFileSave->trigger();
    const std::string saved = ReadText(Path("Default.vls"));
    EXPECT_NE(saved.find("caption=Caf\xE9\r\n"), std::string::npos) << saved;
    EXPECT_EQ(saved.find('\xC3'), std::string::npos) << saved;
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

// After a failed Open the close question says what happened and defaults to No, since Yes
// writes a mixture of two styles over the earlier file.
TEST_F(MainWindowTest, TheQuestionAfterADamagedOpenNamesTheFileAndDefaultsToNo) {
    const std::string path = folder.path().toStdString() + "/Bad.vls";
    WriteText(path, "[Body]\ncolorBG=00FF00\n[Font]\ncolorFont=zz\n");
    window->ChooseStyleToOpen = [&] { return path; };
    window->mnuFileOpen->trigger();
    EXPECT_EQ(TakeErrors(), QStringList{"'$zz' is not a valid integer value"});
    QString text;
    QString defaultButton;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        text = box->text();
        defaultButton = box->defaultButton() != nullptr ? box->defaultButton()->text() : QString();
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(text.startsWith("The style was only partly read from \"Bad.vls\"")) << text.toStdString();
    EXPECT_TRUE(text.endsWith("Save this mixture to Style \"Default\"?")) << text.toStdString();
    EXPECT_EQ(defaultButton, "&No");
    EXPECT_FALSE(QFile::exists(folder.path() + "/Default.vls")) << "Enter answered No";
}

// Opening a style without alternate faces after one with them empties the list, the tag and
// what Save writes; a missing and an empty section alike.
TEST_F(MainWindowTest, OpeningAStyleWithoutAlternateFacesDropsTheOldOnes) {
    for (const char* second : {"[Font]\nfaceFont=Verdana\n", "[Font]\nfaceFont=Verdana\n[AltFonts]\n"}) {
        const std::string first = folder.path().toStdString() + "/One.vls";
        const std::string path = folder.path().toStdString() + "/Two.vls";
        WriteText(first, "[AltFonts]\nAltFonts0=Arial\n");
        WriteText(path, second);
        window->ChooseStyleToOpen = [&] { return first; };
        window->mnuFileOpen->trigger();
        window->ChooseStyleToOpen = [&] { return path; };
        window->mnuFileOpen->trigger();
        EXPECT_EQ(Font().LboAltFonts->count(), 0);
        EXPECT_TRUE(window->Style().AltFaces.empty());
        EXPECT_NE(Tag().find("FACE=\"'Verdana'\""), std::string::npos) << Tag();
        window->mnuFileSave->trigger();
        EXPECT_EQ(ReadText(path).find("Arial"), std::string::npos) << ReadText(path);
    }
}

TEST_F(MainWindowTest, AFileTooLargeToReadIsReportedOnOpenAndLeftAlone) {
    const std::string path = folder.path().toStdString() + "/Huge.vls";
    WriteText(path, "[Font]\ncaption=Mine\n");
    std::filesystem::resize_file(path, 65 * 1024 * 1024);
    window->ChooseStyleToOpen = [&] { return path; };
    window->mnuFileOpen->trigger();
    EXPECT_EQ(TakeErrors(), QStringList{QString::fromStdString("Unable to read " + path)});
    EXPECT_EQ(window->StyleFileName(), folder.path().toStdString() + "/Default.vls");
    EXPECT_EQ(window->windowTitle(), " Velloran - Default");
    EXPECT_TRUE(window->close());
    EXPECT_EQ(ReadText(path).substr(0, 20), "[Font]\ncaption=Mine\n");
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
    EXPECT_EQ(TakeErrors(),
              QStringList{QString::fromStdString("Unable to write to " + path + "\nPermission denied")});
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

// The settings hold only the start-up path and the policy: the failure is shown and the
// window closes, after the style's own save.
TEST_F(MainWindowTest, AnUnwritableSettingsFileIsReportedAndTheWindowCloses) {
    const std::string settings = folder.path().toStdString() + "/vlr.ini";
    WriteText(settings, "[Options]\nsave=0\n");
    chmod(settings.c_str(), 0444);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(TakeErrors(),
              QStringList{QString::fromStdString("Unable to write to " + settings + "\nPermission denied")});
    EXPECT_NE(ReadText(folder.path().toStdString() + "/Default.vls").find("faceFont="), std::string::npos);
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
