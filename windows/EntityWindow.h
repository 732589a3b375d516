// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace controls {
class TBoxLabel;
class TSuperGrid;
}  // namespace controls

namespace windows {

// The special characters window: a small always-on-top table of HTML character references.
// Selecting a row shows its character large with its numeric reference and entity name,
// either of which one click copies to the clipboard.
//
// Create it with new: it releases itself when closed. While it exists the flag it is given
// (the main window's SpecialOpen) is true, so that the main window opens at most one.
class TfrmSpecial : public QWidget {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 237;
    static constexpr int kClientHeight = 345;
    static constexpr int kRowCount = 102;

    TfrmSpecial(QWidget* mainWindow, bool* specialOpen);

    controls::TBoxLabel* lblSpecial;
    QLabel* lblCode;
    QLabel* Label1;
    QLineEdit* txtCode;
    QLineEdit* txtName;
    QToolButton* cmdCopyCode;
    QToolButton* cmdCopyName;
    QPushButton* cmdHide;
    controls::TSuperGrid* SuperGrid1;
    QPlainTextEdit* MemoSpecial;

    void SuperGrid1SelectCell(int col, int row, bool& canSelect);
    void cmdCopyCodeClick();
    void cmdCopyNameClick();
    void cmdHideClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void BuildGrid();
    void FormCreate(QWidget* mainWindow);
    void FormShow();
    bool FormKeyDown(const QKeyEvent& event);
    void FormClose();
    void FillTable();

    bool* specialOpen_;
};

}  // namespace windows
