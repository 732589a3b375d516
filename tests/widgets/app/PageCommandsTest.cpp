// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <deque>
#include <fstream>
#include <functional>
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

// Export Page through the real file dialog and the real question box, as the user meets
// them: a Save dialog, ".html" added to a bare name, exactly one question before a file is
// replaced, nothing exported on Cancel, and no copy of the picture offered when the page
// goes into the picture's own folder.
TEST_F(MainWindowTest, ExportPageThroughTheRealDialog) {
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    const QString dir = folder.path();
    ASSERT_TRUE(QDir(dir).mkdir("pictures"));
    const std::string gif =
        giftest::SaveGif(dir + "/pictures/my tile.gif", giftest::OneFrame(giftest::Solid(4, 4, 1)));
    const std::string gifBytes = Contents(gif);
    window->SetPicture(gif, "my tile.gif");
    window->SelectPictureMode();
    const std::string title = CaptionName(window->StyleFileName());

    struct Row {
        QString typed;                       // into the dialog's name field; empty presses Escape
        const char* existing;                // the file's text before the export, or none
        std::vector<std::string> questions;  // asked, in order, each answered with its button
        std::vector<QMessageBox::ButtonRole> answers;
        QString page;  // the file that must hold the page afterwards, or none
    };
    const QString site = dir + "/Site.html";
    const std::string replace = "\"" + site.toStdString() + "\" already exists.\nDo you want to replace it?";
    const QString beside = dir + "/pictures/Beside.html";
    const Row rows[] = {
        {dir + "/Site",
         nullptr,
         {"Copy the picture \"my tile.gif\" beside the page?"},
         {QMessageBox::NoRole},
         site},
        {dir + "/Site", "old", {replace}, {QMessageBox::NoRole}, QString()},
        {dir + "/Site", "old", {replace}, {QMessageBox::RejectRole}, QString()},
        {dir + "/Site",
         "old",
         {replace, "Copy the picture \"my tile.gif\" beside the page?"},
         {QMessageBox::YesRole, QMessageBox::YesRole},
         site},
        {QString(), "old", {}, {}, QString()},
        {dir + "/Other.html",
         nullptr,
         {"Copy the picture \"my tile.gif\" beside the page?"},
         {QMessageBox::NoRole},
         dir + "/Other.html"},
        {dir + "/pictures/Beside", nullptr, {}, {}, beside},
    };
    for (const Row& row : rows) {
        const std::string label = row.typed.toStdString() + (row.existing ? " over a file" : "");
        std::filesystem::remove(site.toStdString());
        std::filesystem::remove((dir + "/my tile.gif").toStdString());
        if (row.existing) std::ofstream(site.toStdString()) << row.existing;
        std::vector<std::string> asked;
        bool saveDialog = false;
        // Every question box that opens is answered in turn, however many there are.
        std::function<void()> answerNext = [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            asked.push_back(box->text().toStdString());
            const std::size_t n = asked.size() - 1;
            const QMessageBox::ButtonRole role =
                n < row.answers.size() ? row.answers[n] : QMessageBox::RejectRole;
            QTimer::singleShot(0, answerNext);
            for (QAbstractButton* button : box->buttons()) {
                if (box->buttonRole(button) == role) {
                    button->click();
                    return;
                }
            }
            box->reject();  // a box without that answer is closed as Escape closes it
        };
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            saveDialog = dialog->acceptMode() == QFileDialog::AcceptSave;
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(name, nullptr);
            if (row.typed.isEmpty()) {
                QTest::keyClick(name, Qt::Key_Escape);
                return;
            }
            name->setText(row.typed);
            QTimer::singleShot(0, answerNext);
            QTest::keyClick(name, Qt::Key_Return);
            // A dialog that asked its own question and was told no stays open: close it.
            if (dialog->isVisible()) dialog->reject();
        });
        window->mnuFileExportPage->trigger();

        EXPECT_TRUE(saveDialog) << label;
        EXPECT_EQ(asked, row.questions) << label;
        const std::string expected = MakeHtml5Page(window->Style(), title);
        if (!row.page.isEmpty()) {
            EXPECT_EQ(Contents(row.page.toStdString()), expected) << label;
        }
        if (row.page != site) {
            EXPECT_EQ(Contents(site.toStdString()), row.existing ? row.existing : "(missing)") << label;
        }
        const bool copied = row.answers.size() == 2;
        EXPECT_EQ(Contents((dir + "/my tile.gif").toStdString()), copied ? gifBytes : "(missing)") << label;
        EXPECT_EQ(Contents(gif), gifBytes) << label;
        EXPECT_EQ(QDir(dir).entryList({"*.html.html"}), QStringList()) << label;
        // The last answerer armed finds no box; it runs while what it refers to is still here.
        QCoreApplication::processEvents();
    }
    EXPECT_NE(Contents(beside.toStdString()).find("url(\"my%20tile.gif\")"), std::string::npos);
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
