// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's style files: Open, Save and Save As, their dialogs, the question before a
// partly read style is written, and the close steps.
#include "app/main.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "platform/Application.h"
#include "platform/Error.h"
#include "platform/Paths.h"
#include "style/SettingsHome.h"

std::string TfrmMain::ShowStyleDialog(bool open) {
    QFileDialog dialog(this, open ? tr("Select Style") : tr("Save Current Style As"),
                       QString::fromStdString(settingsDir_), tr(".style files (*.vls)"));
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // A name typed without an extension gets ".vls"; saving over a file asks first.
    if (!open) dialog.setDefaultSuffix("vls");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front().toStdString();
}

TSaveAnswer TfrmMain::AskYesNoCancel(const std::string& question) {
    QMessageBox box(QMessageBox::Question, tr("Confirm"), QString::fromStdString(question),
                    QMessageBox::NoButton, this);
    QPushButton* yes = box.addButton(tr("&Yes"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(tr("&No"), QMessageBox::NoRole);
    QPushButton* cancel = box.addButton(tr("Cancel"), QMessageBox::RejectRole);
    // Yes would write a partly read style over a file; that must be a deliberate choice.
    box.setDefaultButton(origin_.partlyReadFrom ? no : yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes) return TSaveAnswer::Yes;
    if (box.clickedButton() == no) return TSaveAnswer::No;
    return TSaveAnswer::Cancel;
}

// The settings folder is made when the program first writes there rather than at every start.
void TfrmMain::MakeSettingsDirFor(const std::string& path) const {
    if (path.starts_with(settingsDir_)) MakeSettingsDir(settingsDir_);
}

void TfrmMain::LoadStyle(const std::string& path) {
    try {
        ReadStyle(path, *this, platform::FileExists);
    } catch (const platform::ReadError&) {
        throw;
    } catch (const platform::Error&) {
        origin_.partlyReadFrom = path;
        ShowFontTag();
        throw;
    }
    origin_ = {};
}

void TfrmMain::mnuFileOpenClick() {
    const std::string path = ChooseStyleToOpen();
    if (path.empty()) return;
    OpenStyleFile(path);
}

void TfrmMain::OpenStyleFile(const std::string& path) {
    if (!platform::FileExists(path))
        throw platform::ReadError(tr("Unable to read %1").arg(QString::fromStdString(path)).toStdString());
    if (FontPageActive()) {
        PC1Change();
    } else {
        PC1->setCurrentWidget(fontPanel);
    }
    // A new history, also when the read stops at a damaged value.
    struct NewHistory {
        TStyleHistory& history;
        ~NewHistory() { history.Restart(); }
    } newHistory{*history_};
    LoadStyle(path);
    styleFileName_ = path;
    mnuFileRecent->Note(path);
    SetCaptionFromStyleFile();
    SetBarsFromColor(style_.FontColor);
    ReloadPicture();
}

void TfrmMain::OpenStyleFromOutside(const std::string& path) {
    if (history_->HasUnsavedChanges()) {
        const std::string question = origin_.partlyReadFrom
                                         ? PartlyReadQuestion(styleFileName_, *origin_.partlyReadFrom)
                                         : SaveQuestion(styleFileName_);
        switch (AskToSave(question)) {
            case TSaveAnswer::Cancel: return;
            case TSaveAnswer::Yes: SaveStyle(); break;
            case TSaveAnswer::No: break;
        }
    }
    OpenStyleFile(path);
}

// A partly read style is written over its file only when the user says so.
void TfrmMain::mnuFileSaveClick() {
    if (origin_.partlyReadFrom &&
        AskToSave(PartlyReadQuestion(styleFileName_, *origin_.partlyReadFrom)) != TSaveAnswer::Yes) {
        return;
    }
    SaveStyle();
}

void TfrmMain::SaveStyle() {
    MakeSettingsDirFor(styleFileName_);
    WriteStyle(styleFileName_, style_);
    history_->MarkSaved();
    origin_.partlyReadFrom.reset();
    mnuFileRecent->Note(styleFileName_);
}

void TfrmMain::mnuSaveAsClick() {
    const std::string path = ChooseStyleToSaveAs();
    if (path.empty()) return;
    WriteStyle(path, style_);
    history_->MarkSaved();
    styleFileName_ = path;
    origin_ = {};
    mnuFileRecent->Note(path);
    SetCaptionFromStyleFile();
}

bool TfrmMain::FormClose() {
    MakeSettingsDirFor(SettingsFile());
    return ExitSteps(
        SettingsFile(), styleFileName_, AskToSave,
        [this] {
            WriteStyle(styleFileName_, style_);
            history_->MarkSaved();
        },
        [](const std::string& message) {
            platform::TApplication::ShowError(QString::fromStdString(message));
        },
        origin_);
}

bool TfrmMain::ShowCloseAnywayBox(const std::string& message) {
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), QString::fromStdString(message),
                    QMessageBox::NoButton, this);
    box.setInformativeText(tr("Close anyway? The changes that could not be written are lost."));
    QPushButton* closeAnyway = box.addButton(tr("Close &Anyway"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(tr("Cancel"), QMessageBox::RejectRole);
    // Staying open loses nothing, so it is what Enter and Escape choose.
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == closeAnyway;
}

// A close that fails to write is shown with the choice to stay open with nothing lost, or to
// close all the same: a folder that cannot be written (read-only, another user's) would
// otherwise keep the window from ever closing.
void TfrmMain::closeEvent(QCloseEvent* event) {
    bool mayClose = false;
    platform::RunReportingErrors([&] {
        try {
            mayClose = FormClose();
        } catch (const platform::Error& e) {
            mayClose = AskToCloseAnyway(e.what());
        }
    });
    if (mayClose) {
        event->accept();
    } else {
        event->ignore();
    }
}
