// SPDX-License-Identifier: GPL-3.0-or-later
// Options > View in Browser: the page Export Page would write, seen in the desktop's browser.
#include "app/BrowserView.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <string>

#include "app/PageCommands.h"
#include "app/main.h"
#include "platform/AtomicWrite.h"
#include "platform/Error.h"
#include "platform/ShellOpen.h"
#include "style/Html5Text.h"

namespace {

// One name for every view, so that each view replaces the last page. Should a picture bear
// the same name, the page is written last and wins: the view then lacks only the background.
constexpr const char* kPageName = "index.html";

// The page that Export Page writes, with its picture beside it.
std::string WriteBrowserPage(const std::string& folder, const TStyle& style, std::string_view title,
                             std::string_view moreCss) {
    const std::string picture = PictureBesidePage(style, folder);
    if (!picture.empty()) CopyPictureBesidePage(style, picture);
    const std::string page = folder + "/" + kPageName;
    platform::WriteFileAtomically(page, MakeHtml5Page(style, title, moreCss));
    return page;
}

}  // namespace

// QTemporaryDir makes the folder readable by the user alone and removes it with everything in
// it when it goes.
void TBrowserView::Show(const TStyle& style, std::string_view title, std::string_view moreCss) {
    // A cleaner of old temporary files may have taken the folder while the program ran.
    if (folder_ && !QFileInfo(folder_->path()).isDir()) folder_.reset();
    if (!folder_) {
        const QString temp = QDir::tempPath();
        auto folder = std::make_unique<QTemporaryDir>(temp + "/velloran-XXXXXX");
        if (!folder->isValid()) {
            throw platform::Error(
                QCoreApplication::translate("Errors", "Unable to make a folder for the page in %1: %2")
                    .arg(temp, folder->errorString())
                    .toStdString());
        }
        folder_ = std::move(folder);
    }
    const std::string page = WriteBrowserPage(folder_->path().toStdString(), style, title, moreCss);
    platform::ShellOpen(QUrl::fromLocalFile(QString::fromStdString(page)));
}

void TfrmMain::mnuOptionsViewInBrowserClick() {
    browserView_->Show(style_, CaptionName(styleFileName_), DarkCssIfOn());
}
