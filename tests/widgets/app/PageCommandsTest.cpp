// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <deque>
#include <fstream>
#include <sstream>

#include "style/Html5Text.h"
#include "tests/widgets/ErrorLog.h"
#include "tests/widgets/app/MainWindowFixture.h"
#include "tests/widgets/controls/GifFiles.h"

namespace {

std::string Contents(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return file ? text.str() : "(missing)";
}

}  // namespace

// Export Page as the user meets it: the page on disk, the question before a file is
// replaced, and the offer to put the picture beside the page, which names it bare.
TEST_F(MainWindowTest, ExportPageWritesThePageAsksFirstAndCopiesThePicture) {
    ASSERT_TRUE(QDir(folder.path()).mkdir("site"));
    const std::string page = folder.filePath("site/page.html").toStdString();
    const std::string copied = folder.filePath("site/tile.gif").toStdString();
    std::string suggested;
    window->ChoosePageToExport = [&](const std::string& path) {
        suggested = path;
        return page;
    };
    std::deque<TSaveAnswer> answers;
    std::vector<std::string> questions;
    window->AskToSave = [&](const std::string& question) {
        questions.push_back(question);
        const TSaveAnswer answer = answers.empty() ? TSaveAnswer::Cancel : answers.front();
        if (!answers.empty()) answers.pop_front();
        return answer;
    };
    const std::string title = CaptionName(window->StyleFileName());

    window->mnuFileExportPage->trigger();
    EXPECT_TRUE(suggested.ends_with("/" + title + ".html")) << suggested;
    EXPECT_EQ(Contents(page), MakeHtml5Page(window->Style(), title));
    EXPECT_TRUE(questions.empty());

    const std::string gif =
        giftest::SaveGif(folder.filePath("tile.gif"), giftest::OneFrame(giftest::Solid(4, 4, 1)));
    window->SetPicture(gif, "tile.gif");
    window->SelectPictureMode();
    const std::string replaceQuestion = "\"" + page + "\" already exists.\nDo you want to replace it?";
    const std::string copyQuestion = "Copy the picture \"tile.gif\" beside the page?";
    const struct {
        std::vector<TSaveAnswer> answers;
        std::vector<std::string> questions;
        bool pageWritten;
        bool pictureCopied;
    } rows[] = {
        {{TSaveAnswer::No}, {replaceQuestion}, false, false},
        {{TSaveAnswer::Cancel}, {replaceQuestion}, false, false},
        {{TSaveAnswer::Yes, TSaveAnswer::No}, {replaceQuestion, copyQuestion}, true, false},
        {{TSaveAnswer::Yes, TSaveAnswer::Yes}, {replaceQuestion, copyQuestion}, true, true},
    };
    for (const auto& row : rows) {
        std::ofstream(page) << "old";
        std::filesystem::remove(copied);
        answers.assign(row.answers.begin(), row.answers.end());
        questions.clear();
        window->mnuFileExportPage->trigger();
        EXPECT_EQ(questions, row.questions);
        EXPECT_EQ(Contents(page), row.pageWritten ? MakeHtml5Page(window->Style(), title) : "old");
        EXPECT_EQ(Contents(copied), row.pictureCopied ? Contents(gif) : "(missing)");
    }
    EXPECT_NE(Contents(page).find("url(\"tile.gif\")"), std::string::npos);
    EXPECT_TRUE(TakeErrors().isEmpty());
}
