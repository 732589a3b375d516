// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>

#include <QFile>
#include <QMenu>
#include <fstream>
#include <sstream>

#include "platform/TextEncoding.h"
#include "style/RecentStyles.h"
#include "tests/widgets/ErrorLog.h"
#include "tests/widgets/app/MainWindowFixture.h"

namespace {

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

class RecentStylesTest : public MainWindowTest {
protected:
    std::string Style(int n) const {
        const QString path = folder.filePath(QString("S&%1.vls").arg(n));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QString("[Font]\nfontsize=%1\n").arg(n % 7 + 1).toUtf8());
        return path.toStdString();
    }
    QStringList Items() const {
        window->mnuFileRecent->Rebuild();
        QStringList items;
        for (QAction* item : window->mnuFileRecent->actions())
            items << item->text() + " | " + item->toolTip();
        return items;
    }
    QString Item(int n) const {
        return QString("&%1 S&&%2 | %3").arg(n).arg(n).arg(folder.filePath(QString("S&%1.vls").arg(n)));
    }
};

}  // namespace

TEST_F(RecentStylesTest, ListsTheLastEightOpenedOrSavedMostRecentFirst) {
    EXPECT_FALSE(window->mnuFileRecent->isEnabled());
    window->mnuFileSave->trigger();  // Save lists the style file too
    EXPECT_EQ(Items().size(), 1);
    for (int n = 1; n <= 9; ++n) window->OpenStyleFile(Style(n));
    // Opening one already listed moves it to the front; Save As lists the new file.
    window->OpenStyleFile(Style(5));
    window->ChooseStyleToSaveAs = [&] { return folder.filePath("S&1.vls").toStdString(); };
    window->mnuSaveAs->trigger();
    EXPECT_EQ(
        Items(),
        (QStringList{"&1 S&&1 | " + folder.filePath("S&1.vls"), "&2 S&&5 | " + folder.filePath("S&5.vls"),
                     "&3 S&&9 | " + folder.filePath("S&9.vls"), "&4 S&&8 | " + folder.filePath("S&8.vls"),
                     "&5 S&&7 | " + folder.filePath("S&7.vls"), "&6 S&&6 | " + folder.filePath("S&6.vls"),
                     "&7 S&&4 | " + folder.filePath("S&4.vls"), "&8 S&&3 | " + folder.filePath("S&3.vls")}));
    EXPECT_TRUE(window->mnuFileRecent->isEnabled());

    // Choosing one opens it as File > Open does.
    window->mnuFileRecent->actions()[3]->trigger();
    EXPECT_EQ(window->StyleFileName(), folder.filePath("S&8.vls").toStdString());
    EXPECT_EQ(window->Style().SizeStep, 8 % 7 + 1);
}

TEST_F(RecentStylesTest, AStyleThatIsGoneIsTakenOffWithAMessage) {
    window->OpenStyleFile(Style(1));
    window->OpenStyleFile(Style(2));
    const std::string before = window->StyleFileName();
    QFile::remove(folder.filePath("S&1.vls"));
    window->mnuFileRecent->Rebuild();
    window->mnuFileRecent->actions()[1]->trigger();
    EXPECT_EQ(TakeErrors(), QStringList{"The style \"" + folder.filePath("S&1.vls") +
                                        "\" is no longer there; it has been taken off the list."});
    EXPECT_EQ(Items(), QStringList{"&1 S&&2 | " + folder.filePath("S&2.vls")});
    EXPECT_EQ(window->StyleFileName(), before);
}

// The list joins the other settings in the settings file's own encoding.
TEST_F(RecentStylesTest, KeepsTheSettingsFilesEncoding) {
    const QString settings = folder.filePath("vlr.ini");
    QFile file(settings);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\xff\xfe[\0O\0p\0t\0i\0o\0n\0s\0]\0\n\0s\0a\0v\0e\0=\0\x32\0\n\0", 36));
    file.close();
    window->OpenStyleFile(Style(1));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const platform::DecodedText text = platform::DecodeText(file.readAll().toStdString());
    EXPECT_EQ(text.encoding, platform::TextEncoding::Utf16LE);
    EXPECT_EQ(text.utf8, "[Options]\nsave=2\n\n[Recent Styles]\nFile1=" +
                             folder.filePath("S&1.vls").toStdString() + "\n");
}

// Recent Styles and a second copy's hand-over open a style from outside the Open dialog:
// changes not saved bring the close's question first.
TEST_F(RecentStylesTest, OpeningFromOutsideAsksFirstWhenThereAreChanges) {
    struct Row {
        const char* what;
        bool change;
        TSaveAnswer answer;
        bool asked;
        int openedStep;  // the size step of the style shown afterwards
        bool saved;
    };
    const Row rows[] = {
        {"no change, no question", false, TSaveAnswer::Cancel, false, 3, false},
        {"Cancel keeps everything", true, TSaveAnswer::Cancel, true, 7, false},
        {"No opens", true, TSaveAnswer::No, true, 3, false},
        {"Yes saves, then opens", true, TSaveAnswer::Yes, true, 3, true},
    };
    for (const Row& row : rows) {
        for (bool handOver : {false, true}) {
            const std::string from = Style(1);
            const std::string to = Style(2);
            window->OpenStyleFile(from);
            const std::string before = ReadText(from);
            if (row.change) {
                window->SetSizeStep(7);
                window->History()->RecordNow();
            }
            std::vector<std::string> questions;
            window->AskToSave = [&](const std::string& question) {
                questions.push_back(question);
                return row.answer;
            };
            if (handOver) {
                window->JustOne321->OpenStyle(to);
            } else {
                window->mnuFileRecent->Open(to);
            }
            const std::string how = std::string(row.what) + (handOver ? ", handed over" : ", Recent Styles");
            EXPECT_EQ(questions, row.asked ? std::vector<std::string>{"Save changes to Style \"S&1\"?"}
                                           : std::vector<std::string>{})
                << how;
            EXPECT_EQ(window->StyleFileName(), row.openedStep == 7 ? from : to) << how;
            EXPECT_EQ(window->Style().SizeStep, row.openedStep) << how;
            EXPECT_EQ(ReadText(from) != before, row.saved) << how;
            if (row.saved) {
                EXPECT_NE(ReadText(from).find("fontsize=7"), std::string::npos) << how;
            }
        }
    }
}

// A list that cannot be written is reported, and then not said to have changed.
TEST_F(RecentStylesTest, AListThatCannotBeWrittenIsReported) {
    window->OpenStyleFile(Style(1));
    window->OpenStyleFile(Style(2));
    const std::string settings = folder.filePath("vlr.ini").toStdString();
    ASSERT_EQ(::chmod(settings.c_str(), 0444), 0);
    QFile::remove(folder.filePath("S&1.vls"));
    window->mnuFileRecent->Rebuild();
    window->mnuFileRecent->actions()[1]->trigger();
    EXPECT_EQ(TakeErrors(),
              (QStringList{QString::fromStdString("Unable to write to " + settings + "\nPermission denied"),
                           "The style \"" + folder.filePath("S&1.vls") + "\" is no longer there."}));
    window->OpenStyleFile(Style(3));
    EXPECT_EQ(TakeErrors(),
              QStringList{QString::fromStdString("Unable to write to " + settings + "\nPermission denied")});
    EXPECT_EQ(window->StyleFileName(), folder.filePath("S&3.vls").toStdString())
        << "the style opens all the same";
}
