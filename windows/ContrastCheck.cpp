// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/ContrastCheck.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/SysColors.h"
#include "style/Contrast.h"
#include "style/ContrastFix.h"
#include "windows/AccessibleNames.h"

namespace windows {

namespace {

constexpr int kNameWidth = 150;
constexpr int kSamplePadding = 3;
constexpr int kNameCol = 0;
constexpr int kSampleCol = 1;
constexpr int kFixCol = 5;
// The style's colour behind each row, in the rows' order.
constexpr std::array<TColorTarget, 5> kRowTargets = {ctFont, ctText, ctLink, ctVisited, ctActive};

QLabel* Cell(QGridLayout* grid, int row, int column, const QString& text = {}) {
    auto* label = new QLabel(text);
    grid->addWidget(label, row, column, column == kNameCol ? Qt::AlignLeft : Qt::AlignCenter);
    return label;
}

void SetText(QLabel* label, const QString& text) {
    if (label->text() != text) label->setText(text);
}

void SetColor(QLabel* label, QPalette::ColorRole role, platform::TColor color) {
    if (label->palette().color(role) != platform::ToQColor(color))
        platform::SetPaletteColor(label, role, color);
}

// The marks are written in the theme's text colour, so that they read on any desktop; a
// failure stands out in bold.
void ShowMark(QLabel* label, bool passes) {
    SetText(label, passes ? "Pass" : "Fail");
    if (label->font().bold() == passes) {
        QFont font = label->font();
        font.setBold(!passes);
        label->setFont(font);
    }
}

}  // namespace

TfrmContrast::TfrmContrast(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setObjectName("frmContrast");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Contrast Check");

    auto* column = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    Cell(grid, 0, kNameCol, "Against the background");
    Cell(grid, 0, kSampleCol, "Sample");
    Cell(grid, 0, 2, "Ratio");
    Cell(grid, 0, 3, "AA")->setToolTip("At least 4.5:1, or 3.0:1 for large text");
    Cell(grid, 0, 4, "AAA")->setToolTip("At least 7.0:1, or 4.5:1 for large text");
    for (std::size_t i = 0; i < Rows.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        RowLabels& labels = Rows[i];
        labels.name = Cell(grid, row, kNameCol);
        labels.name->setMinimumWidth(kNameWidth);
        labels.sample = Cell(grid, row, kSampleCol, "Sample");
        labels.sample->setObjectName("lblSample");
        labels.sample->setMargin(kSamplePadding);
        labels.sample->setAutoFillBackground(true);
        labels.ratio = Cell(grid, row, 2);
        labels.aa = Cell(grid, row, 3);
        labels.aaa = Cell(grid, row, 4);
        labels.fix = new QPushButton("Fix");
        labels.fix->setToolTip("Change only the lightness, to the nearest that passes AA");
        labels.fix->hide();
        grid->addWidget(labels.fix, row, kFixCol);
        connect(labels.fix, &QPushButton::clicked, this, [this, i] { FixRow(i); });
    }
    column->addLayout(grid);
    lblPicture = new QLabel(
        "The background is a picture. The text is checked against the background color, which shows "
        "while the picture loads.");
    lblPicture->setWordWrap(true);
    lblPicture->hide();
    column->addWidget(lblPicture);
    lblNoFix = new QLabel;
    lblNoFix->setWordWrap(true);
    lblNoFix->hide();
    column->addWidget(lblNoFix);
    column->addStretch();
}

void TfrmContrast::ShowStyle(const TStyle& style) {
    style_ = style;
    lblNoFix->hide();
    const auto rows = ContrastRows(style);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ContrastRow& row = rows[i];
        RowLabels& labels = Rows[i];
        const QString name = QString::fromUtf8(row.name.data(), static_cast<int>(row.name.size()));
        SetText(labels.name, row.largeText ? name + " (large text)" : name);
        SetColor(labels.sample, QPalette::WindowText, row.color);
        SetColor(labels.sample, QPalette::Window, style.BackColor);
        SetText(labels.ratio, QString::fromStdString(ContrastText(row.ratio)));
        ShowMark(labels.aa, row.passesAA);
        ShowMark(labels.aaa, row.passesAAA);
        labels.fix->setAccessibleName(RowButtonName(labels.fix->text(), name));
        labels.fix->setVisible(!row.passesAA);
    }
    // The same condition as the body tag's picture.
    lblPicture->setVisible(style.PictureMode && !style.PictureName.empty());
}

void TfrmContrast::FixRow(std::size_t index) {
    const ContrastRow row = ContrastRows(style_)[index];
    if (row.passesAA) return;
    const auto fix = NearestPassingColor(row.color, style_.BackColor, MinimumRatioAA(row.largeText));
    if (!fix) {
        const QString name = QString::fromUtf8(row.name.data(), static_cast<int>(row.name.size()));
        lblNoFix->setText(name + ": no color of this hue passes AA against the background.");
        lblNoFix->show();
        return;
    }
    lblNoFix->hide();
    if (OnFix) OnFix(kRowTargets[index], fix->color);
}

void TfrmContrast::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace windows
