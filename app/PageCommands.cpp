// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's command that writes the style out as a complete HTML5 page.
#include "app/PageCommands.h"

#include <QFileDialog>
#include <filesystem>

#include "app/main.h"
#include "platform/AtomicWrite.h"
#include "platform/FileBytes.h"
#include "style/Html5Text.h"

namespace {

std::string FolderOf(const std::string& path) { return std::filesystem::path(path).parent_path().string(); }

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::equivalent(a, b, error);
}

}  // namespace

std::string PictureBesidePage(const TStyle& style, const std::string& pageFolder) {
    if (!style.PictureMode || style.PictureName.empty() || style.PicturePath.empty()) return {};
    return pageFolder + "/" + style.PictureName;
}

void CopyPictureBesidePage(const TStyle& style, const std::string& picture) {
    const std::vector<std::uint8_t> bytes = platform::ReadWholeFile(style.PicturePath);
    platform::WriteFileAtomically(picture, std::string(bytes.begin(), bytes.end()));
}

std::string ShowPageDialog(QWidget* parent, const std::string& suggestedPath) {
    QFileDialog dialog(parent, TfrmMain::tr("Export Page"), QString::fromStdString(suggestedPath),
                       TfrmMain::tr("HTML pages (*.html *.htm)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix("html");
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front().toStdString();
}

// The user is offered a copy of the picture beside the page, which may replace a different
// file of that name.
void TfrmMain::mnuFileExportPageClick() {
    const std::string name = CaptionName(styleFileName_);
    const std::string folder = styleFileName_.empty() ? settingsDir_ : FolderOf(styleFileName_);
    const std::string path = ChoosePageToExport(folder + "/" + (name.empty() ? "Velloran" : name) + ".html");
    if (path.empty()) return;
    if (std::filesystem::exists(path) && AskToSave(tr("\"%1\" already exists.\nDo you want to replace it?")
                                                       .arg(QString::fromStdString(path))
                                                       .toStdString()) != TSaveAnswer::Yes)
        return;
    platform::WriteFileAtomically(path, MakeHtml5Page(style_, name, DarkCssIfOn()));

    const std::string picture = PictureBesidePage(style_, FolderOf(path));
    if (picture.empty() || SameFile(picture, style_.PicturePath)) return;
    const bool replaces = std::filesystem::exists(picture);
    const QString picturePart = QString::fromStdString(style_.PictureName);
    const std::string question =
        (replaces ? tr("Copy the picture \"%1\" beside the page, replacing the file of that name there?")
                  : tr("Copy the picture \"%1\" beside the page?"))
            .arg(picturePart)
            .toStdString();
    if (AskToSave(question) != TSaveAnswer::Yes) return;
    CopyPictureBesidePage(style_, picture);
}
