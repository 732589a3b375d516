// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FontPanel.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <algorithm>

#include "app/Glyphs.h"
#include "app/Preview.h"
#include "platform/Application.h"
#include "windows/DialogParts.h"
#include "windows/FontText.h"
#include "windows/SelectFont.h"

using controls::TSlideBar;

namespace {

constexpr int kItemHeight = 13;
constexpr int kMinStep = 1;
constexpr int kMaxStep = 7;
constexpr int kStartStep = 4;

QToolButton* ToggleButton(QWidget* parent, const char* name, const QIcon& icon, const QString& hint,
                          QRect place) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(icon);
    button->setToolTip(hint);
    button->setCheckable(true);
    button->setAutoRaise(true);
    button->setGeometry(place);
    return button;
}

QToolButton* PictureButton(QWidget* parent, const char* name, const QIcon& icon, const QString& hint,
                           QRect place) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(icon);
    if (!hint.isEmpty()) button->setToolTip(hint);
    button->setGeometry(place);
    return button;
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return QString::compare(QString::fromStdString(a), QString::fromStdString(b), Qt::CaseInsensitive) < 0;
}

}  // namespace

TAltFontList::TAltFontList(QWidget* parent) : QListWidget(parent) {
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
}

// Only faces dragged from a list box are taken; anything else dropped here is refused.
void TAltFontList::dragEnterEvent(QDragEnterEvent* event) {
    if (qobject_cast<QListWidget*>(event->source()) != nullptr && event->source() != this) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void TAltFontList::dragMoveEvent(QDragMoveEvent* event) {
    if (qobject_cast<QListWidget*>(event->source()) != nullptr && event->source() != this) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void TAltFontList::dropEvent(QDropEvent* event) {
    if (qobject_cast<QListWidget*>(event->source()) == nullptr || event->source() == this) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    emit FaceDropped();
}

TFontPanel::TFontPanel(TStyle& style, TPreview& preview, QWidget* parent)
    : QWidget(parent), style_(style), preview_(preview) {
    setObjectName("TabSheetFont");

    lboFont = new QListWidget(this);
    lboFont->setObjectName("lboFont");
    lboFont->setGeometry(0, 0, 131, 86);
    lboFont->setUniformItemSizes(true);
    lboFont->setDragEnabled(true);
    lboFont->setDragDropMode(QAbstractItemView::DragOnly);
    lboFont->setDefaultDropAction(Qt::CopyAction);
    windows::SetFixedRowHeight(*lboFont, kItemHeight);
    connect(lboFont, &QListWidget::currentRowChanged, this, [this] {
        if (!selecting_) platform::RunReportingErrors([this] { lboFontClick(); });
    });
    // The list always shows the style's face: Ctrl+click on it must not leave it unselected
    // while the face stays the style's.
    connect(lboFont, &QListWidget::itemSelectionChanged, this, [this] {
        QListWidgetItem* current = lboFont->currentItem();
        if (current != nullptr && lboFont->selectedItems().isEmpty()) current->setSelected(true);
    });

    cmdBold = ToggleButton(this, "cmdBold", glyphs::Bold(), tr("Bold"), {135, 0, 20, 20});
    cmdItalic = ToggleButton(this, "cmdItalic", glyphs::Italic(), tr("Italic"), {155, 0, 20, 20});
    cmdCenter = ToggleButton(this, "cmdCenter", glyphs::Center(), tr("Center"), {180, 0, 20, 20});
    for (QToolButton* toggle : {cmdBold, cmdItalic, cmdCenter}) {
        connect(toggle, &QToolButton::clicked, this, [this] {
            platform::RunReportingErrors([this] {
                ApplyFontStyle();
                ShowTag();
            });
        });
    }

    cmdText = new QPushButton(tr("&Text..."), this);
    cmdText->setObjectName("cmdText");
    cmdText->setGeometry(136, 28, 39, 21);
    windows::WidenToCaption(*cmdText, 179);  // up to the copy buttons
    connect(cmdText, &QPushButton::clicked, this, platform::ReportingErrors([this] { cmdTextClick(); }));

    cmdCopyFontTag =
        PictureButton(this, "cmdCopyFontTag", glyphs::CopyTag(), tr("Copy Font Tag "), {180, 28, 20, 20});
    cmdCopyFontTagText = PictureButton(this, "cmdCopyFontTagText", glyphs::CopyTagWithText(),
                                       tr("Copy Font Tag Including Text"), {204, 28, 20, 20});

    SlideBarFontSize = new TSlideBar(this);
    SlideBarFontSize->setObjectName("SlideBarFontSize");
    SlideBarFontSize->setGeometry(140, 55, 86, 15);
    SlideBarFontSize->SetMax(kMaxStep);
    SlideBarFontSize->SetMin(kMinStep);
    SlideBarFontSize->SetThumbStyle(controls::TThumbStyle::tsDiamond4);
    SlideBarFontSize->SetTicks(true);
    SlideBarFontSize->SetPageSize(1);
    SlideBarFontSize->setFocusPolicy(Qt::StrongFocus);
    lblFontSize = new QLabel(tr("Font Size = %1").arg(14), this);
    lblFontSize->setObjectName("lblFontSize");
    lblFontSize->move(151, 71);
    lblFontSize->setMinimumWidth(80);
    // The starting position is part of the page's design, not a user's change: set it
    // before the change handling is connected, so the style keeps its own size step.
    SlideBarFontSize->SetPosition(kStartStep);
    connect(SlideBarFontSize, &TSlideBar::OnChange, this,
            platform::ReportingErrors([this] { SlideBarFontSizeChange(); }));

    GroupBoxAltFonts = new QGroupBox(tr("Alternate Fonts"), this);
    GroupBoxAltFonts->setObjectName("GroupBoxAltFonts");
    GroupBoxAltFonts->setGeometry(235, -1, 151, 86);
    LboAltFonts = new TAltFontList(GroupBoxAltFonts);
    LboAltFonts->setObjectName("LboAltFonts");
    LboAltFonts->setGeometry(4, 15, 119, 66);
    LboAltFonts->setUniformItemSizes(true);
    windows::SetFixedRowHeight(*LboAltFonts, kItemHeight);
    connect(LboAltFonts, &TAltFontList::FaceDropped, this,
            platform::ReportingErrors([this] { LboAltFontsDragDrop(); }));
    cmdAdd = PictureButton(GroupBoxAltFonts, "cmdAdd", glyphs::Add(), tr("Add an alternate font"),
                           {127, 25, 20, 21});
    cmdDelete = PictureButton(GroupBoxAltFonts, "cmdDelete", glyphs::Delete(),
                              tr("Remove the selected alternate font"), {127, 50, 20, 21});
    connect(cmdAdd, &QToolButton::clicked, this, platform::ReportingErrors([this] { cmdAddClick(); }));
    connect(cmdDelete, &QToolButton::clicked, this, platform::ReportingErrors([this] { cmdDeleteClick(); }));
}

void TFontPanel::FillFaces(const std::vector<std::string>& faces) {
    std::vector<std::string> sorted = faces;
    std::stable_sort(sorted.begin(), sorted.end(), LessIgnoringCase);
    selecting_ = true;
    lboFont->clear();
    QStringList items;
    for (const std::string& face : sorted) items.append(QString::fromStdString(face));
    lboFont->addItems(items);
    lboFont->setCurrentRow(-1);
    selecting_ = false;
}

std::vector<std::string> TFontPanel::Faces() const {
    std::vector<std::string> faces;
    for (int i = 0; i < lboFont->count(); ++i) faces.push_back(lboFont->item(i)->text().toStdString());
    return faces;
}

void TFontPanel::SelectFace(int index) {
    selecting_ = true;
    lboFont->setCurrentRow(index);
    selecting_ = false;
    if (index >= 0 && index < lboFont->count()) style_.FaceName = lboFont->item(index)->text().toStdString();
    Refresh();
}

// The style takes the list as it is, also when it is empty, and the list box is filled in one
// insertion: adding the faces one by one costs time that grows with the square of the list.
void TFontPanel::SetAltFaces(std::vector<std::string> faces) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(faces.size()));
    for (const std::string& face : faces) items.append(QString::fromStdString(face));
    LboAltFonts->clear();
    LboAltFonts->addItems(items);
    style_.AltFaces = std::move(faces);
}

void TFontPanel::AppendAltFace(const QString& face) {
    LboAltFonts->addItem(face);
    style_.AltFaces.push_back(face.toStdString());
}

void TFontPanel::lboFontClick() {
    QListWidgetItem* item = lboFont->currentItem();
    if (item == nullptr) return;
    style_.FaceName = item->text().toStdString();
    Refresh();
    ShowTag();
}

void TFontPanel::SlideBarFontSizeChange() {
    const int step = SlideBarFontSize->Position();
    const int points = PointSizeOfStep(step);
    if (points > 0) {
        style_.SizeStep = step;
        lblFontSize->setText(tr("Font Size = %1").arg(points));
        Refresh();
    }
    ShowTag();
}

void TFontPanel::ApplyFontStyle() {
    style_.Bold = cmdBold->isChecked();
    style_.Italic = cmdItalic->isChecked();
    style_.Centered = cmdCenter->isChecked();
    Refresh();
}

void TFontPanel::cmdTextClick() {
    windows::TfrmFontText dialog(
        QString::fromStdString(style_.UserText),
        [this](const QString& text) {
            style_.UserText = text.toStdString();
            Refresh();
        },
        window());
    dialog.exec();
}

void TFontPanel::cmdAddClick() {
    windows::TfrmSelectFont dialog(
        [this](const QString& face) {
            AppendAltFace(face);
            ShowTag();
        },
        window());
    dialog.exec();
}

void TFontPanel::cmdDeleteClick() {
    const int row = LboAltFonts->currentRow();
    if (row >= 0 && LboAltFonts->currentItem() != nullptr && LboAltFonts->currentItem()->isSelected()) {
        delete LboAltFonts->takeItem(row);
        style_.AltFaces.erase(style_.AltFaces.begin() + row);
        // The list would move the selection to the next face, and a second click would
        // delete that one too; after a deletion nothing is selected.
        LboAltFonts->setCurrentRow(-1);
        LboAltFonts->clearSelection();
    }
    ShowTag();
}

void TFontPanel::LboAltFontsDragDrop() {
    QListWidgetItem* item = lboFont->currentItem();
    if (item == nullptr) return;
    AppendAltFace(item->text());
    ShowTag();
}

void TFontPanel::ShowTag() {
    if (ShowFontTag) ShowFontTag();
}

void TFontPanel::Refresh() { preview_.ShowFont(style_); }
