// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <deque>
#include <fstream>
#include <sstream>

#include "platform/Clipboard.h"
#include "style/CssText.h"
#include "style/DarkVariant.h"
#include "style/Html5Text.h"
#include "style/Settings.h"
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

// The dark variant as the user meets it: off at first; switched on, it is kept in vlr.ini
// (and not in the style file) for the next start, and Copy as CSS and Export Page carry its
// block after the sheet. The preview shows the variant's colours while its toggle is on.
TEST_F(MainWindowTest, DarkVariantIsKeptInTheSettingsAndCarriedByTheSheets) {
    platform::SetClipboardText(
        "<BODY BGCOLOR=#FFFFFF TEXT=#000000 LINK=#0000EE VLINK=#551A8B ALINK=#FF0000>");
    window->mnuEditPasteTag->trigger();
    const TStyle style = window->Style();
    ASSERT_FALSE(MakeDarkCss(style).empty());
    const std::string settings = folder.filePath("vlr.ini").toStdString();

    EXPECT_FALSE(window->mnuOptionsDarkCss->isChecked());
    window->mnuEditCopyCss->trigger();
    EXPECT_EQ(platform::ClipboardText(), MakeCss(style));

    window->mnuOptionsDarkCss->trigger();
    EXPECT_TRUE(window->mnuOptionsDarkCss->isChecked());
    EXPECT_NE(Contents(settings).find("darkvariant=1"), std::string::npos) << Contents(settings);
    window->mnuEditCopyCss->trigger();
    EXPECT_EQ(platform::ClipboardText(), MakeCss(style) + MakeDarkCss(style));

    const std::string page = folder.filePath("dark.html").toStdString();
    window->ChoosePageToExport = [&](const std::string&) { return page; };
    window->mnuFileExportPage->trigger();
    const std::string title = CaptionName(window->StyleFileName());
    EXPECT_EQ(Contents(page), MakeHtml5Page(style, title, MakeDarkCss(style)));
    EXPECT_NE(Contents(page).find("@media (prefers-color-scheme: dark)"), std::string::npos);

    window->mnuFileSave->trigger();
    const std::string saved = Contents(window->StyleFileName());
    EXPECT_NE(saved, "(missing)");
    EXPECT_EQ(saved.find("dark"), std::string::npos) << saved;

    // The next start finds it on; switched off, the file says so and the sheets lose the block.
    window.reset();
    window = std::make_unique<TfrmMain>();
    window->FormCreate();
    EXPECT_TRUE(window->mnuOptionsDarkCss->isChecked());
    window->mnuOptionsDarkCss->trigger();
    EXPECT_NE(Contents(settings).find("darkvariant=0"), std::string::npos) << Contents(settings);
    window->mnuEditCopyCss->trigger();
    EXPECT_EQ(platform::ClipboardText(), MakeCss(window->Style()));
    EXPECT_TRUE(TakeErrors().isEmpty());
}

TEST_F(MainWindowTest, PreviewDarkVariantShowsTheVariantsColours) {
    window->PC1->setCurrentWidget(window->TabSheetBody);
    platform::SetClipboardText(
        "<BODY BGCOLOR=#FFFFFF TEXT=#000000 LINK=#0000EE VLINK=#551A8B ALINK=#FF0000>");
    window->mnuEditPasteTag->trigger();
    const TStyle dark = DarkVariant(window->Style());
    const QPoint inBand = window->PanelTop->mapTo(window.get(), QPoint(10, 140));
    auto pixel = [&] { return window->grab().toImage().pixelColor(inBand); };
    auto rgb = [](TColor c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); };
    ASSERT_EQ(pixel(), QColor(255, 255, 255));
    window->mnuOptionsPreviewDark->trigger();
    EXPECT_EQ(pixel(), rgb(dark.BackColor));
    EXPECT_EQ(window->PanelTop->lblNewLinkText->palette().color(QPalette::WindowText), rgb(dark.LinkColor));
    EXPECT_EQ(window->PanelTop->lblNormalText->palette().color(QPalette::WindowText), rgb(dark.TextColor));
    // A change of colour while it is on shows the new variant.
    platform::SetClipboardText("<BODY BGCOLOR=#FFFFCC TEXT=#333333>");
    window->mnuEditPasteTag->trigger();
    const TStyle changed = DarkVariant(window->Style());
    EXPECT_EQ(pixel(), rgb(changed.BackColor));
    EXPECT_EQ(window->PanelTop->lblNormalText->palette().color(QPalette::WindowText), rgb(changed.TextColor));
    EXPECT_EQ(window->Style().BackColor, 0xCCFFFFu) << "the style itself keeps its colours";
    window->mnuOptionsPreviewDark->trigger();
    EXPECT_EQ(pixel(), QColor(0xFF, 0xFF, 0xCC));
}
