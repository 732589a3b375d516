// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <string>

#include "windows/DialogParts.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;

namespace controls {
class TGIFImage;
}

namespace windows {

// The picture chooser: a box of places to start from, the folders of the chosen place, the
// GIF files of the current folder and a preview of the selected file. OK hands the file to
// the main window; Cancel, Esc and the close button change nothing.
//
// Build one for each opening, on the stack, and run it with exec(). Tag() tells afterwards
// whether a file was handed over (1) or not (0).
class TfrmFileOpen : public TKeyPreviewDialog {
    Q_OBJECT

public:
    // What OK does with the chosen file: the main window's picture takes the full name and
    // its file-name label the bare name, and the window shows them.
    using HandOverFn = std::function<void(const std::string& path, const std::string& name)>;

    TfrmFileOpen(const std::string& currentPicture, HandOverFn handOver, QWidget* parent = nullptr);
    ~TfrmFileOpen() override;

    int Tag() const { return tag_; }

    // The folder the lists show now.
    const std::string& Directory() const { return directory_; }
    // The places the drive box offers: the root folder, the home folder, then each mounted
    // volume, each once.
    static std::vector<std::string> Places();

    QComboBox* DriveComboBox1;
    QListWidget* DirectoryListBox1;
    QListWidget* FileListBox1;
    QFrame* pnlPreview;
    controls::TGIFImage* GIFImagePreview;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    QCheckBox* chkshow;
    QCheckBox* chkTile;

    void done(int result) override;

protected:
    bool FormKeyDown(QKeyEvent* event) override;

private:
    void FormCreate(const std::string& currentPicture);
    void DriveComboBox1Change();
    void DirectoryListBox1Change();
    void FileListBox1Click();
    void chkshowClick();
    void chkTileClick();
    void cmdOKClick();
    void cmdCancelClick();

    // Shows a folder in the directory and file lists.
    void ShowDirectory(const std::string& folder);
    void SelectPlaceOf(const std::string& folder);

    HandOverFn handOver_;
    std::string directory_;
    int tag_ = 0;
};

}  // namespace windows
