// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's start: where the settings live, the faces, and which style it opens.
#include "app/main.h"

#include "platform/Application.h"
#include "platform/Error.h"
#include "platform/Faces.h"
#include "platform/Paths.h"
#include "style/SettingsHome.h"

void TfrmMain::FormCreate() {
    platform::RunReportingErrors([this] {
        programDir_ = platform::ProgramDir();
        settingsDir_ = ChooseSettingsDir(programDir_);
        CarryOverOldSettings();
        ColorsOpen = false;
        SpecialOpen = false;
        fontPanel->FillFaces(platform::InstalledFaces());
        LoadStartupStyle();
        // Also after a failed read: the caption is the only sign of which file Save and the
        // close steps will write.
        SetCaptionFromStyleFile();
        SetBarsFromColor(style_.FontColor);
        colorPanel->SetHotspotHints(true);
    });
    history_->Restart();
    mnuFileRecent->Rebuild();
    mnuOptionsDarkCss->setChecked(ReadDarkVariantOption(SettingsFile()));
}

// Shown, and start-up goes on: the old files are still there, and the next start tries again.
void TfrmMain::CarryOverOldSettings() {
    try {
        CarryOverSettings(programDir_, settingsDir_);
    } catch (const platform::Error& e) {
        platform::TApplication::ShowError(QString::fromUtf8(e.what()));
    }
}

// The file is named before it is read, so that a read that stops at a damaged key still
// leaves Save and the close steps a file to work on. A start-up file that cannot be read at
// all gives way to the settings folder's default style file, and stays the stored start-up
// file; when the default cannot be read either, the window starts with the default style.
void TfrmMain::LoadStartupStyle() {
    if (!CommandLineStyle.empty()) {
        if (!platform::FileExists(CommandLineStyle)) {
            platform::TApplication::ShowError(
                tr("Unable to read %1").arg(QString::fromStdString(CommandLineStyle)));
        } else {
            styleFileName_ = CommandLineStyle;
            if (LoadStartupFile(CommandLineStyle) != TReadOutcome::Unreadable) {
                mnuFileRecent->Note(CommandLineStyle);
                return;
            }
        }
    }
    const std::string chosen =
        StartupStyleFile(settingsDir_, ReadStartup(SettingsFile()), platform::FileExists);
    const std::string fallback = settingsDir_ + std::string(kDefaultStyleFileName);
    styleFileName_ = chosen;
    if (LoadStartupFile(chosen) != TReadOutcome::Unreadable) return;
    styleFileName_ = fallback;
    if (chosen == fallback || LoadStartupFile(fallback) == TReadOutcome::Unreadable) {
        ReadStyleText(platform::IniText(), *this, platform::FileExists);
    }
    if (chosen != fallback) origin_.startupNotRead = chosen;
}

TfrmMain::TReadOutcome TfrmMain::LoadStartupFile(const std::string& path) {
    try {
        LoadStyle(path);
        return TReadOutcome::Read;
    } catch (const platform::ReadError& e) {
        platform::TApplication::ShowError(QString::fromUtf8(e.what()));
        return TReadOutcome::Unreadable;
    } catch (const platform::Error& e) {
        platform::TApplication::ShowError(QString::fromUtf8(e.what()));
        return TReadOutcome::Damaged;
    }
}
