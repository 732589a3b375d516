#include "windows/ContrastCheck.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "platform/SysColors.h"
#include "style/Contrast.h"

namespace windows {

namespace {

constexpr platform::TColor kPassColor = 0x008000;  // dark green
constexpr platform::TColor kFailColor = 0x000080;  // maroon
constexpr int kNameWidth = 150;
constexpr int kNamePadding = 3;

QLabel* Cell(QGridLayout* grid, int row, int column, const QString& text = {}) {
    auto* label = new QLabel(text);
    grid->addWidget(label, row, column, column == 0 ? Qt::AlignLeft : Qt::AlignCenter);
    return label;
}

void SetText(QLabel* label, const QString& text) {
    if (label->text() != text) label->setText(text);
}

void SetColor(QLabel* label, QPalette::ColorRole role, platform::TColor color) {
    if (label->palette().color(role) != platform::ToQColor(color))
        platform::SetPaletteColor(label, role, color);
}

void ShowMark(QLabel* label, bool passes) {
    SetText(label, passes ? "Pass" : "Fail");
    SetColor(label, QPalette::WindowText, passes ? kPassColor : kFailColor);
}

}  // namespace

TfrmContrast::TfrmContrast(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setObjectName("frmContrast");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Contrast Check");

    auto* column = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    Cell(grid, 0, 0, "Against the background");
    Cell(grid, 0, 1, "Ratio");
    Cell(grid, 0, 2, "AA")->setToolTip("At least 4.5:1, or 3.0:1 for large text");
    Cell(grid, 0, 3, "AAA")->setToolTip("At least 7.0:1, or 4.5:1 for large text");
    for (std::size_t i = 0; i < Rows.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        RowLabels& labels = Rows[i];
        labels.name = Cell(grid, row, 0);
        labels.name->setMinimumWidth(kNameWidth);
        labels.name->setMargin(kNamePadding);
        labels.name->setAutoFillBackground(true);
        labels.ratio = Cell(grid, row, 1);
        labels.aa = Cell(grid, row, 2);
        labels.aaa = Cell(grid, row, 3);
    }
    column->addLayout(grid);
    lblPicture = new QLabel(
        "The background is a picture. The text is checked against the background color, which shows "
        "while the picture loads.");
    lblPicture->setWordWrap(true);
    lblPicture->hide();
    column->addWidget(lblPicture);
    column->addStretch();
}

void TfrmContrast::ShowStyle(const TStyle& style) {
    const auto rows = ContrastRows(style);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ContrastRow& row = rows[i];
        RowLabels& labels = Rows[i];
        const QString name = QString::fromUtf8(row.name.data(), static_cast<int>(row.name.size()));
        SetText(labels.name, row.largeText ? name + " (large text)" : name);
        SetColor(labels.name, QPalette::WindowText, row.color);
        SetColor(labels.name, QPalette::Window, style.BackColor);
        SetText(labels.ratio, QString::fromStdString(ContrastText(row.ratio)));
        ShowMark(labels.aa, row.passesAA);
        ShowMark(labels.aaa, row.passesAAA);
    }
    // The same condition as the body tag's picture.
    lblPicture->setVisible(style.PictureMode && !style.PictureName.empty());
}

void TfrmContrast::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace windows
