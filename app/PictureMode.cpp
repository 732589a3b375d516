// SPDX-License-Identifier: GPL-3.0-or-later
// Picture mode: the Color and Picture choice, the picture chooser, and reading the picture
// again when it may have changed.
#include "app/main.h"

#include "platform/Application.h"
#include "windows/FileOpen.h"

void TfrmMain::optColorClick() {
    style_.PictureMode = false;
    UpdateContrast();
    if (!FontPageActive()) {
        PanelTop->lblBodyColor->show();
        ShowBodyTag();
    } else {
        PanelTop->SetDisplayOpaque(true);
    }
}

void TfrmMain::optPictureClick() {
    style_.PictureMode = true;
    UpdateContrast();
    if (style_.PicturePath.empty()) {
        cmdBrowseClick();
        return;
    }
    if (!FontPageActive()) {
        PanelTop->lblBodyColor->hide();
        ShowBodyTag();
    } else {
        PanelTop->SetDisplayOpaque(false);
    }
}

// On the Body page a picture chosen in colour mode shows in the preview but enters the body
// tag only once "Picture" is selected; on the Font page choosing one selects "Picture".
void TfrmMain::cmdBrowseClick() {
    windows::TfrmFileOpen chooser(
        GIFImage1()->FileName(),
        [this](const std::string& path, const std::string& name) { TakeChosenPicture(path, name); }, this);
    chooser.exec();
    // A file that could not be shown is handed over as an empty name: colour mode, below.
    if (chooser.Tag() == 1 && !style_.PictureName.empty()) {
        if (!FontPageActive()) {
            PanelTop->lblBodyColor->hide();
            ShowBodyTag();
        } else {
            PanelTop->SetDisplayOpaque(false);
            SelectRadio(optPicture, [this] { optPictureClick(); });
        }
    }
    if (style_.PictureName.empty()) SelectRadio(optColor, [this] { optColorClick(); });
}

void TfrmMain::TakeChosenPicture(const std::string& path, const std::string& name) {
    SetPicture(path, name);
    ApplyBarsToTarget();
    GIFImage1()->update();
}

// The picture is decoded in the background: the preview shows the one before until then.
void TfrmMain::ReloadPicture() {
    GIFImage1()->LoadInBackground(GIFImage1()->FileName());
    style_.PicturePath = GIFImage1()->FileName();
    GIFImage1()->update();
}

void TfrmMain::mnuOptionsRefreshClick() { ReloadPicture(); }

// An error box here would activate the window again when it closes, and show itself again
// without end; so a picture that cannot be read now is left as it was shown, silently.
// Refresh and Open report it. A file that has not changed is not decoded again: a large
// picture would freeze every switch back to the window.
void TfrmMain::ApplicationActivate() {
    try {
        if (GIFImage1()->FileChanged()) ReloadPicture();
    } catch (const std::exception&) {
    }
}

void TfrmMain::changeEvent(QEvent* event) {
    TGradientForm::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange &&
        (static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized) && !isMinimized()) {
        ApplicationActivate();
    }
}

// The path goes through the picture control, which keeps its picture for a file that is gone
// and empties itself for one that is not a GIF; the style holds what the control holds.
void TfrmMain::SetPicture(const std::string& path, const std::string& name) {
    // The control keeps its picture for a name that is no file; no name means no picture.
    if (path.empty()) {
        GIFImage1()->Unload();
    } else {
        GIFImage1()->LoadInBackground(path);
    }
    style_.PicturePath = GIFImage1()->FileName();
    style_.PictureName = name;
    lblFilename->SetCaption(QString::fromStdString(name));
    UpdateContrast();
}

void TfrmMain::SelectPictureMode() {
    SelectRadio(optPicture, [this] { optPictureClick(); });
}

void TfrmMain::SelectColorMode() {
    SelectRadio(optColor, [this] { optColorClick(); });
}
