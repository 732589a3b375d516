// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/ContrastCheck.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/SysColors.h"
#include "style/ColorValue.h"
#include "style/ContrastFix.h"
#include "windows/AccessibleNames.h"

namespace windows {

namespace {

constexpr int kNameWidth = 150;
constexpr int kSamplePadding = 3;
constexpr int kNameCol = 0;
constexpr int kSampleCol = 1;
constexpr int kRatioCol = 2;
constexpr int kAACol = 3;
constexpr int kAAACol = 4;
constexpr int kSuggestionCol = 5;
constexpr int kFixCol = 6;
// The style's colour behind each row, in the rows' order.
constexpr std::array<TColorTarget, 8> kRowTargets = {ctFont,   ctText, ctLink,    ctVisited,
                                                     ctActive, ctLink, ctVisited, ctActive};

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

void SetBold(QLabel* label, bool bold) {
    if (label->font().bold() == bold) return;
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
}

// The marks are written in the theme's text colour, so that they read on any desktop; a
// failure stands out in bold.
void ShowMark(QLabel* label, bool passes) {
    SetText(label, passes ? TfrmContrast::tr("Pass") : TfrmContrast::tr("Fail"));
    SetBold(label, !passes);
}

// A colour sample: a label that fills its background.
QLabel* Sample(QGridLayout* grid, int row, int column) {
    QLabel* label = Cell(grid, row, column);
    label->setObjectName("lblSample");
    label->setMargin(kSamplePadding);
    label->setAutoFillBackground(true);
    return label;
}

}  // namespace

TfrmContrast::TfrmContrast(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setObjectName("frmContrast");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Contrast Check"));

    auto* column = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    Cell(grid, 0, kNameCol, tr("Against the background"));
    Cell(grid, 0, kSampleCol, tr("Sample"));
    Cell(grid, 0, kRatioCol, tr("Ratio"));
    Cell(grid, 0, kAACol, tr("AA"))
        ->setToolTip(tr("At least 4.5:1, or 3.0:1 for large text; links 3.0:1 to the text"));
    Cell(grid, 0, kAAACol, tr("AAA"))->setToolTip(tr("At least 7.0:1, or 4.5:1 for large text"));
    Cell(grid, 0, kSuggestionCol, tr("Fixed"));
    // The link rows sit under their own heading, after the background rows.
    const int linkHeading = static_cast<int>(kBackgroundRows) + 1;
    for (std::size_t i = 0; i < Rows.size(); ++i) {
        const int row = static_cast<int>(i) + 1 + (i >= kBackgroundRows ? 1 : 0);
        RowLabels& labels = Rows[i];
        labels.name = Cell(grid, row, kNameCol);
        labels.name->setMinimumWidth(kNameWidth);
        labels.sample = Sample(grid, row, kSampleCol);
        labels.ratio = Cell(grid, row, kRatioCol);
        labels.aa = Cell(grid, row, kAACol);
        labels.aaa = Cell(grid, row, kAAACol);
        labels.suggestion = Sample(grid, row, kSuggestionCol);
        labels.suggestion->hide();
        labels.fix = new QPushButton(tr("Fix AA"));
        labels.fix->setToolTip(i < kBackgroundRows
                                   ? tr("Change only the lightness, to the nearest that passes")
                                   : tr("Move the link's lightness away from the text's, keeping its "
                                        "contrast with the background"));
        labels.fix->hide();
        grid->addWidget(labels.fix, row, kFixCol);
        connect(labels.fix, &QPushButton::clicked, this, [this, i] { FixRow(i); });
    }
    Cell(grid, linkHeading, kNameCol, tr("Links against the body text"));
    chkUnderlined = new QCheckBox(tr("Links are &underlined"));
    chkUnderlined->setChecked(true);
    chkUnderlined->setToolTip(tr("Without the line, a link needs 3.0:1 against the text around it"));
    grid->addWidget(chkUnderlined, linkHeading, kSampleCol, 1, kAAACol - kSampleCol + 1);
    connect(chkUnderlined, &QCheckBox::toggled, this, [this] { ShowStyle(style_); });
    column->addLayout(grid);
    lblPicture = new QLabel(
        tr("The background is a picture. The text is checked against the background color, which shows "
           "while the picture loads."));
    lblPicture->setWordWrap(true);
    lblPicture->hide();
    column->addWidget(lblPicture);
    lblNoFix = new QLabel;
    lblNoFix->setWordWrap(true);
    lblNoFix->hide();
    column->addWidget(lblNoFix);
    column->addStretch();
}

TfrmContrast::Offer TfrmContrast::OfferFor(std::size_t index) const {
    if (index < kBackgroundRows) {
        const ContrastRow row = ContrastRows(style_)[index];
        if (row.passesAAA) return {};
        const bool aa = !row.passesAA;
        const double mark = aa ? MinimumRatioAA(row.largeText) : MinimumRatioAAA(row.largeText);
        const auto fix = NearestPassingColor(row.color, style_.BackColor, mark);
        const std::string step = (aa ? tr("Fix AA") : tr("Fix AAA")).toStdString();
        if (!fix) return {step, std::nullopt, 0};
        return {step, fix->color, ContrastRatio(fix->color, style_.BackColor)};
    }
    const ContrastRow row = LinkTextRows(style_)[index - kBackgroundRows];
    if (row.passesAA || chkUnderlined->isChecked()) return {};
    const auto fix = LinkApartFromText(row.color, style_.TextColor, style_.BackColor);
    const std::string step = tr("Fix 3:1").toStdString();
    if (!fix) return {step, std::nullopt, 0};
    return {step, fix->color, ContrastRatio(fix->color, style_.TextColor)};
}

void TfrmContrast::ShowRow(std::size_t index, const ContrastRow& row, bool link) {
    RowLabels& labels = Rows[index];
    const QString name = QCoreApplication::translate("Contrast", std::string(row.name).c_str());
    SetText(labels.name, row.largeText ? tr("%1 (large text)").arg(name) : name);
    SetColor(labels.sample, QPalette::Window, style_.BackColor);
    if (link) {
        // The link beside the text it must stand out from.
        SetText(labels.sample, tr("text <span style=\"color:#%1\">link</span>")
                                   .arg(QString::fromStdString(colorvalue::TagForm(row.color))));
        SetColor(labels.sample, QPalette::WindowText, style_.TextColor);
    } else {
        SetText(labels.sample, tr("Sample"));
        SetColor(labels.sample, QPalette::WindowText, row.color);
    }
    SetText(labels.ratio, QString::fromStdString(ContrastText(row.ratio)));
    if (link && chkUnderlined->isChecked()) {
        SetText(labels.aa, tr("Not needed"));
        SetBold(labels.aa, false);
    } else {
        ShowMark(labels.aa, row.passesAA);
    }
    if (link) {
        SetText(labels.aaa, "");
    } else {
        ShowMark(labels.aaa, row.passesAAA);
    }

    const Offer& offer = offers_[index] = OfferFor(index);
    const bool offered = offer.color.has_value();
    if (offered) {
        SetText(labels.suggestion,
                QString("#%1 %2").arg(QString::fromStdString(colorvalue::TagForm(*offer.color)),
                                      QString::fromStdString(ContrastText(offer.ratio))));
        SetColor(labels.suggestion, QPalette::WindowText, *offer.color);
        SetColor(labels.suggestion, QPalette::Window, style_.BackColor);
        labels.fix->setText(QString::fromStdString(offer.step));
        labels.fix->setAccessibleName(RowButtonName(labels.fix->text(), name));
    }
    labels.suggestion->setVisible(offered);
    labels.fix->setVisible(offered);
}

void TfrmContrast::ShowStyle(const TStyle& style) {
    style_ = style;
    const auto rows = ContrastRows(style);
    for (std::size_t i = 0; i < rows.size(); ++i) ShowRow(i, rows[i], false);
    const auto links = LinkTextRows(style);
    for (std::size_t i = 0; i < links.size(); ++i) ShowRow(kBackgroundRows + i, links[i], true);

    QStringList unreachable;
    for (std::size_t i = 0; i < offers_.size(); ++i)
        if (!offers_[i].step.empty() && !offers_[i].color) unreachable << Rows[i].name->text();
    SetText(lblNoFix, tr("%1: no color of this hue reaches the mark.").arg(unreachable.join(tr(", "))));
    lblNoFix->setVisible(!unreachable.isEmpty());
    // The same condition as the body tag's picture.
    lblPicture->setVisible(style.PictureMode && !style.PictureName.empty());
}

void TfrmContrast::FixRow(std::size_t index) {
    if (index >= offers_.size()) return;
    const Offer offer = offers_[index];
    if (!offer.color || !OnFix) return;
    OnFix(kRowTargets[index], *offer.color, offer.step);
}

void TfrmContrast::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace windows
