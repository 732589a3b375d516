// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <QString>
#include <functional>
#include "windows/DialogParts.h"

class QKeyEvent;
class QListWidget;
class QPushButton;

namespace controls {
class TBoxLabel;
}

namespace windows {

// The alternate-face picker: lists the installed faces, sorted ignoring case, with a sample
// of the selected one written in that face, and hands the chosen face to the caller on OK,
// Enter or a double click. The caller appends it to its list as it stands, duplicates
// included, and refreshes the font tag.
//
// Build one for each opening, on the stack, and run it with exec(); it is released when it
// goes out of scope. It does not delete itself.
class TfrmSelectFont : public TKeyPreviewDialog {
    Q_OBJECT

public:
    using AddAltFaceFn = std::function<void(const QString& face)>;

    explicit TfrmSelectFont(AddAltFaceFn addAltFace, QWidget* parent = nullptr);

protected:
private:
    void FormCreate();
    void LboAltFontsClick();
    void ShowFontSample();
    void cmdOKClick();
    void cmdCancelClick();

    AddAltFaceFn addAltFace_;
    QListWidget* LboAltFonts;
    controls::TBoxLabel* lblPreview;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};

// The sample's caption: the face the font reports, named as the list names it. When the font
// got the face asked for, that is the list's own name, not Qt's form with the foundry in
// brackets, and so it is when a web face is drawn with its metric twin; when the desktop put
// another face in its place, that face's family name.
QString SampleCaption(const QString& listedName, const QString& reportedFamily);

}  // namespace windows
