// SPDX-License-Identifier: GPL-3.0-or-later
// The main window itself: the colour being edited, the tags it shows and copies, the page and
// target switches, the smaller windows it opens, and the keys it keeps for itself.
#include "app/main.h"

#include <QApplication>
#include <QKeyEvent>

#include "app/TagArea.h"
#include "platform/Application.h"
#include "platform/Clipboard.h"
#include "platform/HelpViewer.h"
#include "platform/SysColors.h"
#include "platform/Translations.h"
#include "style/TagText.h"
#include "windows/Colors.h"
#include "windows/EntityWindow.h"
#include "windows/about.h"
#include "windows/options.h"

void TfrmMain::SetCaptionFromStyleFile() {
    WMSetText((CaptionFor(styleFileName_) + VisionCaption(PanelTop->Vision())).c_str());
}

bool TfrmMain::FontPageActive() const { return PC1->currentWidget() == fontPanel; }

TColorTarget TfrmMain::CurrentTarget() const {
    if (FontPageActive()) return ctFont;
    if (chkNormal->isChecked()) return ctText;
    if (chkLinks->isChecked()) return ctLink;
    if (chkVisited->isChecked()) return ctVisited;
    if (chkHighlight->isChecked()) return ctActive;
    return ctBackground;
}

TColor TfrmMain::TargetColor() const { return TargetField(style_, CurrentTarget()); }

void TfrmMain::ApplyBarsToTarget() {
    const TColorTarget target = CurrentTarget();
    TargetField(style_, target) = BarsToColor(TColorPanel::Order::bgr);
    switch (target) {
        case ctFont: PanelTop->ShowFont(style_); break;
        case ctBackground: ShowBackColor(); break;
        default: PanelTop->SetSampleColors(style_); break;
    }
    UpdateContrast();
}

void TfrmMain::ShowBackColor() {
    platform::SetPaletteColor(ShapeBGcolor, QPalette::Window, style_.BackColor);
    PanelTop->SetBodyColor(style_);
    PanelTop->SetDisplayBackground(style_);
}

void TfrmMain::ShowFontTag() {
    ShowTag(MakeFontTag(style_, false));
    UpdateContrast();
}

void TfrmMain::ShowBodyTag() { ShowTag(MakeBodyTag(style_)); }

void TfrmMain::ShowTag(const std::string& tag) { ShowTagText(*MemoTag, QString::fromStdString(tag)); }

void TfrmMain::cmdCopyFontTagClick() { platform::SetClipboardText(MakeFontTag(style_, false)); }

void TfrmMain::cmdCopyFontTagTextClick() { platform::SetClipboardText(MakeFontTag(style_, true)); }

void TfrmMain::cmdBodyTagClick() { platform::SetClipboardText(MakeBodyTag(style_)); }

void TfrmMain::PC1Change() {
    if (!FontPageActive()) {
        PanelTop->lblDisplay->hide();
        PanelTop->ShowSamples(true);
        ShowBackColor();
        PanelTop->SetSampleColors(style_);
        SetBarsFromColor(TargetColor());
        if (!style_.PictureMode) PanelTop->lblBodyColor->show();
        return;
    }
    PanelTop->SetDisplayBackground(style_);
    PanelTop->lblBodyColor->hide();
    PanelTop->lblDisplay->show();
    PanelTop->ShowSamples(false);
    SetBarsFromColor(style_.FontColor);
    PanelTop->SetDisplayOpaque(!style_.PictureMode);
}

void TfrmMain::TargetRadioClick() {
    switch (CurrentTarget()) {
        case ctBackground: ShowBackColor(); break;
        case ctFont: PanelTop->ShowFont(style_); break;
        default: PanelTop->SetSampleColors(style_); break;
    }
    SetBarsFromColor(TargetColor());
}

// A radio button's click handling runs when the user selects it; selecting it from code runs
// the handling through SelectRadio instead, and only when it was not selected already.
void TfrmMain::OnRadioClick(QRadioButton* button, std::function<void()> click) {
    connect(button, &QRadioButton::toggled, this, [this, click = std::move(click)](bool checked) {
        if (checked && !selectingRadio_) platform::RunReportingErrors(click);
    });
}

void TfrmMain::SelectRadio(QRadioButton* button, const std::function<void()>& click) {
    if (button->isChecked()) return;
    selectingRadio_ = true;
    button->setChecked(true);
    selectingRadio_ = false;
    click();
}

// At most one special characters window: while it is open the command does nothing, and
// the open window is neither raised nor moved.
void TfrmMain::cmdSpecialClick() {
    if (SpecialOpen) return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    struct RestoreCursor {
        ~RestoreCursor() { QGuiApplication::restoreOverrideCursor(); }
    } restore;
    auto* window = new windows::TfrmSpecial(this, &SpecialOpen);
    window->show();
    window->activateWindow();
}

void TfrmMain::mnuOptionsOptionsClick() {
    MakeSettingsDirFor(SettingsFile());
    windows::TfrmOptions dialog(SettingsFile(), this);
    dialog.exec();
}

void TfrmMain::mnuHelpContentsClick() {
    platform::ShowHelpContents(this, platform::ManualFile(QString::fromStdString(programDir_)).toStdString());
}

void TfrmMain::mnuHelpAboutClick() {
    windows::TfrmAbout dialog(this);
    dialog.exec();
}

void TfrmMain::cmdColorsClick() {
    // An open palette is left where it is: not raised, not moved.
    if (ColorsOpen) return;
    windows::TfrmColors::ShowNew(this, ColorsOpen, [this](TColor color) { SetBarsFromColor(color); });
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        // In the hex fields and the tag area Ctrl+Z and Ctrl+Y also belong to the window: they
        // undo and redo steps of the style, not keystrokes of a two-digit field or of a tag
        // that the next change of the style rewrites anyway.
        const bool historyKey =
            mnuEditUndo->shortcuts().contains(pressed) || mnuEditRedo->shortcuts().contains(pressed);
        if (pressed == mnuSaveAs->shortcut() || historyKey) {
            event->ignore();
            return true;
        }
    }
    return controls::TGradientForm::eventFilter(watched, event);
}
