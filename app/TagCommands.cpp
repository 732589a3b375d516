// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands that carry a style out as CSS and HTML5, read a pasted tag back into it,
// and open the contrast check.
#include "app/main.h"
#include "platform/Application.h"
#include "platform/Clipboard.h"
#include "platform/Error.h"
#include "platform/Translate.h"
#include "style/CssText.h"
#include "style/DarkVariant.h"
#include "style/Html5Text.h"
#include "style/TagParser.h"
#include "windows/ContrastCheck.h"

void TfrmMain::mnuEditCopyCssClick() { platform::SetClipboardText(MakeCss(style_) + DarkCssIfOn()); }

std::string TfrmMain::DarkCssIfOn() const {
    return mnuOptionsDarkCss->isChecked() ? MakeDarkCss(style_) : std::string();
}

void TfrmMain::mnuEditCopyHtml5Click() { platform::SetClipboardHtml(MakeHtml5(style_)); }

// The tag's values go in through the same controls a style file's do, so each control's own
// handling runs as if the user had set the values one by one.
void TfrmMain::mnuEditPasteTagClick() {
    const TPastedTag tag = ParsePastedTag(platform::ClipboardText());
    if (tag.kind == TPastedKind::None)
        throw platform::Error(platform::Translate("Paste", std::string(kNoTagMessage).c_str()));
    history_->NameNextStep(tr("Paste Tag").toStdString());
    // CSS names a picture by its file name alone: only the style's own picture can be meant.
    const std::vector<std::string> problems =
        LoadPastedTag(tag, *this, style_.PicturePath.empty() ? std::string() : style_.PictureName);
    // The colour panel shows the current target's colour, which the tag may have changed, and
    // moving it shows the active page's tag.
    SetBarsFromColor(TargetColor());
    // The rest of the tag did load, so this is a warning rather than a failure.
    if (!problems.empty())
        platform::TApplication::ShowWarning(QString::fromStdString(PastedTagMessage(tag, problems)));
}

void TfrmMain::mnuOptionsContrastClick() {
    if (frmContrast) {
        frmContrast->raise();
        frmContrast->activateWindow();
        return;
    }
    frmContrast = new windows::TfrmContrast(this);
    // A fix goes in as a pasted colour does: the panel, tag, preview and check all follow. It
    // is one undo step of its own, named after the fix: a change not yet recorded is closed
    // first, so the two never merge.
    frmContrast->OnFix = [this](TColorTarget target, TColor color, const std::string& step) {
        history_->RecordNow();
        history_->NameNextStep(step);
        SetColor(target, color);
        SetBarsFromColor(TargetColor());
        // The bars stay put when the fixed colour is not the one being edited; the tag follows anyway.
        if (FontPageActive()) {
            ShowFontTag();
        } else {
            ShowBodyTag();
        }
        history_->RecordNow();
    };
    frmContrast->ShowStyle(style_);
    frmContrast->show();
    // The check takes the keyboard as it opens, so that Escape closes it at once.
    frmContrast->activateWindow();
}

void TfrmMain::UpdateContrast() {
    if (frmContrast) frmContrast->ShowStyle(style_);
}
