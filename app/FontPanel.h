// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "controls/SlideBar.h"
#include "style/Style.h"

class TPreview;

// The list of alternate faces: it takes faces dragged from the face list and keeps them in
// the order they came, duplicates included.
class TAltFontList : public QListWidget {
    Q_OBJECT

public:
    explicit TAltFontList(QWidget* parent = nullptr);

signals:
    void FaceDropped();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

// The Font page: face, alternate faces, size step, bold, italic and centering, the text
// and alternate-face dialogs, and the two copy buttons of the font tag. Every change goes
// into the style, the font preview and, through ShowFontTag, the tag area.
class TFontPanel : public QWidget {
    Q_OBJECT

public:
    TFontPanel(TStyle& style, TPreview& preview, QWidget* parent = nullptr);

    std::function<void()> ShowFontTag;

    // Fills the face list, sorted ignoring case. No face is selected until a style is read.
    void FillFaces(const std::vector<std::string>& faces);
    std::vector<std::string> Faces() const;
    // Selects a face as the program does (no click handling) and makes it the style's face.
    void SelectFace(int index);
    void SetAltFaces(std::vector<std::string> faces);
    void AppendAltFace(const QString& face);

    QListWidget* lboFont;
    QToolButton* cmdBold;
    QToolButton* cmdItalic;
    QToolButton* cmdCenter;
    QPushButton* cmdText;
    QToolButton* cmdCopyFontTag;
    QToolButton* cmdCopyFontTagText;
    controls::TSlideBar* SlideBarFontSize;
    QLabel* lblFontSize;
    QGroupBox* GroupBoxAltFonts;
    TAltFontList* LboAltFonts;
    QToolButton* cmdAdd;
    QToolButton* cmdDelete;

    void lboFontClick();
    void SlideBarFontSizeChange();
    void ApplyFontStyle();
    void cmdTextClick();
    void cmdAddClick();
    void cmdDeleteClick();
    void LboAltFontsDragDrop();

private:
    void ShowTag();
    void Refresh();

    TStyle& style_;
    TPreview& preview_;
    bool selecting_ = false;
};
