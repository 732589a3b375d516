// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu bar: every command, its shortcut, and what it runs.
#include "app/main.h"

#include <QMenuBar>

#include "app/BrowserView.h"
#include "app/PickFromScreen.h"
#include "platform/Application.h"

void TfrmMain::BuildMenu() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    mnuFileOpen = file->addAction(tr("&Open..."));
    mnuFileOpen->setShortcut(QKeySequence("Ctrl+O"));
    mnuFileSave = file->addAction(tr("&Save"));
    mnuFileSave->setShortcut(QKeySequence("Ctrl+S"));
    mnuSaveAs = file->addAction(tr("Save &As..."));
    mnuSaveAs->setShortcut(QKeySequence("Ctrl+A"));
    mnuFileRecent = new TRecentMenu([this] { return SettingsFile(); }, this);
    mnuFileRecent->Open = [this](const std::string& path) { OpenStyleFromOutside(path); };
    mnuFileRecent->PrepareWrite = [this] { MakeSettingsDirFor(SettingsFile()); };
    file->addMenu(mnuFileRecent);
    connect(file, &QMenu::aboutToShow, mnuFileRecent, &TRecentMenu::Rebuild);
    file->addSeparator();
    mnuFileExportPage = file->addAction(tr("&Export Page..."));
    connect(mnuFileExportPage, &QAction::triggered, this,
            platform::ReportingErrors([this] { mnuFileExportPageClick(); }));
    file->addSeparator();
    mnuFileExit = file->addAction(tr("E&xit"));
    connect(mnuFileExit, &QAction::triggered, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    mnuEditUndo = history_->MakeUndoAction(this);
    mnuEditRedo = history_->MakeRedoAction(this);
    edit->addActions({mnuEditUndo, mnuEditRedo});
    edit->addSeparator();
    mnuEditCopyFontTag = edit->addAction(tr("&Copy Font Tag"));
    CopyFontTagwithText = edit->addAction(tr("C&opy Font Tag with Text"));
    mnuEditCopyBodyTag = edit->addAction(tr("Copy &Body Tag"));
    connect(mnuEditCopyFontTag, &QAction::triggered, this,
            platform::ReportingErrors([this] { cmdCopyFontTagClick(); }));
    connect(CopyFontTagwithText, &QAction::triggered, this,
            platform::ReportingErrors([this] { cmdCopyFontTagTextClick(); }));
    connect(mnuEditCopyBodyTag, &QAction::triggered, this,
            platform::ReportingErrors([this] { cmdBodyTagClick(); }));
    edit->addSeparator();
    mnuEditCopyCss = edit->addAction(tr("Copy as C&SS"));
    mnuEditCopyHtml5 = edit->addAction(tr("Copy as &HTML5"));
    mnuEditPasteTag = edit->addAction(tr("&Paste Tag"));
    connect(mnuEditCopyHtml5, &QAction::triggered, this,
            platform::ReportingErrors([this] { mnuEditCopyHtml5Click(); }));
    connect(mnuEditCopyCss, &QAction::triggered, this,
            platform::ReportingErrors([this] { mnuEditCopyCssClick(); }));
    connect(mnuEditPasteTag, &QAction::triggered, this,
            platform::ReportingErrors([this] { mnuEditPasteTagClick(); }));
    edit->addSeparator();
    mnuEditPickFromScreen = edit->addAction(tr("Pic&k from Screen"));
    mnuEditPickFromScreen->setShortcut(QKeySequence("Ctrl+Shift+C"));
    connect(mnuEditPickFromScreen, &QAction::triggered, this,
            platform::ReportingErrors([this] { PickFromScreen(*this, PreferredPickRoute()); }));
    mnuEditRecentColors = new TRecentColors(this);
    mnuEditRecentColors->Choose = [this](TColor color) {
        TakePickedColor(*this, color, TColorSource::RecentColors);
    };
    edit->addMenu(mnuEditRecentColors);

    QMenu* options = menuBar()->addMenu(tr("&Options"));
    mnuOptionsOptions = options->addAction(tr("&Options..."));
    mnuOptionsRefresh = options->addAction(tr("&Refresh"));
    mnuOptionsRefresh->setShortcut(QKeySequence("Ctrl+R"));
    mnuOptionsContrast = options->addAction(tr("Contrast &Check..."));
    connect(mnuOptionsContrast, &QAction::triggered, this,
            platform::ReportingErrors([this] { mnuOptionsContrastClick(); }));
    BuildVisionMenu(options);
    BuildDarkVariantMenu(options);
    options->addSeparator();
    mnuOptionsViewInBrowser = options->addAction(tr("View in &Browser"));
    mnuOptionsViewInBrowser->setShortcut(QKeySequence(Qt::Key_F12));
    browserView_ = new TBrowserView(this);
    connect(mnuOptionsViewInBrowser, &QAction::triggered, this,
            platform::ReportingErrors([this] { mnuOptionsViewInBrowserClick(); }));

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    mnuHelpContents = help->addAction(tr("Contents..."));
    mnuHelpContents->setShortcut(QKeySequence(Qt::Key_F1));
    help->addSeparator();
    mnuHelpAbout = help->addAction(tr("&About..."));

    connect(mnuFileOpen, &QAction::triggered, this,
            platform::ReportingErrors([this] { mnuFileOpenClick(); }));
    connect(mnuFileSave, &QAction::triggered, this,
            platform::ReportingErrors([this] { mnuFileSaveClick(); }));
    connect(mnuSaveAs, &QAction::triggered, this, platform::ReportingErrors([this] { mnuSaveAsClick(); }));
    connect(mnuOptionsOptions, &QAction::triggered, this,
            platform::ReportingErrors([this] { mnuOptionsOptionsClick(); }));
    connect(mnuHelpContents, &QAction::triggered, this,
            platform::ReportingErrors([this] { mnuHelpContentsClick(); }));
    connect(mnuHelpAbout, &QAction::triggered, this,
            platform::ReportingErrors([this] { mnuHelpAboutClick(); }));
    connect(mnuOptionsRefresh, &QAction::triggered, this,
            platform::ReportingErrors([this] { mnuOptionsRefreshClick(); }));
}
