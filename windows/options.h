// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <string>
#include "windows/DialogParts.h"

class QButtonGroup;
class QGroupBox;
class QKeyEvent;
class QPushButton;

namespace windows {

// The Options dialog: chooses the exit save policy stored as "save" in the settings file.
// Each opening reads the file afresh, and OK writes the chosen policy straight back; nothing
// of the settings is kept in memory. Cancel, Esc and the window's close button write nothing.
//
// Build one for each opening, on the stack, and run it with exec(); it does not delete itself.
class TfrmOptions : public TKeyPreviewDialog {
    Q_OBJECT

public:
    // settingsPath: the settings file, read now and written on OK.
    explicit TfrmOptions(std::string settingsPath, QWidget* parent = nullptr);

protected:
private:
    void FormCreate();
    // The dialog sees every key before the focused control does.
    void cmdOKClick();
    void cmdCancelClick();
    void ArrangeItems();

    std::string settingsPath_;
    QGroupBox* RGSave;
    QButtonGroup* items_;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};

}  // namespace windows
