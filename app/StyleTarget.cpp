// SPDX-License-Identifier: GPL-3.0-or-later
// What reading a style sets: each value reaches the window's controls as a user's choice would.
#include "app/main.h"

#include "platform/Faces.h"
#include "platform/SysColors.h"

void TfrmMain::SetColor(TColorTarget target, TColor color) {
    TargetField(style_, target) = color;
    switch (target) {
        case ctFont: PanelTop->ShowFont(style_); break;
        case ctBackground: ShowBackColor(); break;
        default: PanelTop->SetSampleColors(style_); break;
    }
    UpdateContrast();
}

std::vector<std::string> TfrmMain::Faces() const { return fontPanel->Faces(); }

std::string TfrmMain::GenericFace(std::string_view generic) const { return platform::GenericFace(generic); }

void TfrmMain::SelectFace(int index) {
    if (index < 0) style_.FaceName.clear();
    fontPanel->SelectFace(index);
}

void TfrmMain::SetCentered(bool centered) {
    fontPanel->cmdCenter->setChecked(centered);
    fontPanel->ApplyFontStyle();
}

void TfrmMain::SetBold(bool bold) {
    fontPanel->cmdBold->setChecked(bold);
    fontPanel->ApplyFontStyle();
}

void TfrmMain::SetItalic(bool italic) {
    fontPanel->cmdItalic->setChecked(italic);
    fontPanel->ApplyFontStyle();
}

void TfrmMain::SetSizeStep(int step) { fontPanel->SlideBarFontSize->SetPosition(step); }

void TfrmMain::SetUserText(const std::string& text) {
    style_.UserText = text;
    PanelTop->ShowFont(style_);
}

void TfrmMain::SetAltFaces(std::vector<std::string> faces) { fontPanel->SetAltFaces(std::move(faces)); }
