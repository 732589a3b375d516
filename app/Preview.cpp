// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Preview.h"

#include <algorithm>

#include "app/VisionEffect.h"
#include "platform/Faces.h"
#include "platform/SysColors.h"
#include "style/DarkVariant.h"

namespace {

constexpr int kSampleLeft = 69;
constexpr int kSampleMargin = 4;
constexpr int kSampleFontHeight = -16;
constexpr int kStepPointSizes[] = {8, 10, 12, 14, 18, 24, 36};

struct SampleLine {
    QLabel* TPreview::*label;
    const char* name;
    const char* text;
    int top;
};

constexpr SampleLine kSampleLines[] = {
    {&TPreview::lblNormalText, "lblNormalText",
     QT_TRANSLATE_NOOP("TPreview", "Normal text will appear in this color"), 27},
    {&TPreview::lblVisitedLinkText, "lblVisitedLinkText",
     QT_TRANSLATE_NOOP("TPreview", "Visited Links will appear in this color"), 50},
    {&TPreview::lblNewLinkText, "lblNewLinkText",
     QT_TRANSLATE_NOOP("TPreview", "New links will appear in this color"), 75},
    {&TPreview::lblActiveLinkText, "lblActiveLinkText",
     QT_TRANSLATE_NOOP("TPreview", "Links will briefly appear in this color when clicked"), 100},
};

}  // namespace

int PointSizeOfStep(int step) { return step >= 1 && step <= 7 ? kStepPointSizes[step - 1] : 0; }

TPreview::TPreview(QWidget* parent) : QFrame(parent) {
    setObjectName("PanelTop");
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAutoFillBackground(true);
    platform::SetPaletteColor(this, QPalette::Window, platform::clWhite);

    // Created first, so that everything else in the band lies over it.
    GIFImage1 = new controls::TGIFImage(this);
    GIFImage1->setObjectName("GIFImage1");
    GIFImage1->SetTile(true);
    GIFImage1->SetColor(platform::clWhite);

    lblDisplay = new QLabel(this);
    lblDisplay->setObjectName("lblDisplay");
    lblDisplay->setWordWrap(true);
    lblDisplay->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    lblDisplay->setTextFormat(Qt::PlainText);
    lblDisplay->setAutoFillBackground(true);

    lblBodyColor = new QWidget(this);
    lblBodyColor->setObjectName("lblBodyColor");
    lblBodyColor->setAutoFillBackground(true);
    lblBodyColor->hide();

    const QFont sampleFont = platform::MakeFont("Times New Roman", kSampleFontHeight);
    for (const auto& line : kSampleLines) {
        auto* label = new QLabel(tr(line.text), this);
        label->setObjectName(line.name);
        label->setFont(sampleFont);
        label->setAttribute(Qt::WA_TranslucentBackground);
        label->move(kSampleLeft, line.top);
        label->adjustSize();
        label->hide();
        this->*line.label = label;
    }
}

void TPreview::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    GIFImage1->setGeometry(contentsRect());
    lblDisplay->setGeometry(contentsRect());
    lblBodyColor->setGeometry(contentsRect());
    // The lines keep one left edge, the designed one unless the longest line would run past
    // the border there.
    int widest = 0;
    for (QLabel* label : SampleLines()) widest = std::max(widest, label->width());
    const QRect inside = contentsRect();
    const int left = std::max(inside.left() + kSampleMargin,
                              std::min(kSampleLeft, inside.right() + 1 - kSampleMargin - widest));
    for (QLabel* label : SampleLines()) label->move(left, label->y());
}

void TPreview::ShowFont(const TStyle& style) {
    QFont font = platform::MakeFont(style.FaceName, 0);
    const int points = PointSizeOfStep(style.SizeStep);
    font.setPointSize(points > 0 ? points : lblDisplay->font().pointSize());
    font.setBold(style.Bold);
    font.setItalic(style.Italic);
    lblDisplay->setFont(font);
    lblDisplay->setAlignment(Qt::AlignTop | (style.Centered ? Qt::AlignHCenter : Qt::AlignLeft));
    lblDisplay->setText(QString::fromStdString(style.UserText));
    if (dark_) return ShowColors(DarkVariant(style));
    platform::SetPaletteColor(lblDisplay, QPalette::WindowText, style.FontColor);
}

void TPreview::SetDisplayBackground(const TStyle& style) {
    if (dark_) return ShowColors(DarkVariant(style));
    platform::SetPaletteColor(lblDisplay, QPalette::Window, style.BackColor);
}

void TPreview::SetDisplayOpaque(bool opaque) { lblDisplay->setAutoFillBackground(opaque); }

void TPreview::SetBodyColor(const TStyle& style) {
    if (dark_) return ShowColors(DarkVariant(style));
    platform::SetPaletteColor(lblBodyColor, QPalette::Window, style.BackColor);
}

void TPreview::SetSampleColors(const TStyle& style) {
    if (dark_) return ShowColors(DarkVariant(style));
    platform::SetPaletteColor(lblNormalText, QPalette::WindowText, style.TextColor);
    platform::SetPaletteColor(lblVisitedLinkText, QPalette::WindowText, style.VisitedColor);
    platform::SetPaletteColor(lblNewLinkText, QPalette::WindowText, style.LinkColor);
    platform::SetPaletteColor(lblActiveLinkText, QPalette::WindowText, style.ActiveColor);
}

void TPreview::ShowSamples(bool visible) {
    for (QLabel* label : SampleLines()) {
        label->setVisible(visible);
        if (visible) label->raise();
    }
}

// Every colour depends on the others in the dark variant (a colour that needs more room
// darkens the background), so a change of any shows them all again.
void TPreview::SetDarkVariant(bool on, const TStyle& style) {
    dark_ = false;
    ShowColors(on ? DarkVariant(style) : style);
    dark_ = on;
}

void TPreview::ShowColors(const TStyle& colors) {
    platform::SetPaletteColor(lblDisplay, QPalette::WindowText, colors.FontColor);
    platform::SetPaletteColor(lblDisplay, QPalette::Window, colors.BackColor);
    platform::SetPaletteColor(lblBodyColor, QPalette::Window, colors.BackColor);
    platform::SetPaletteColor(lblNormalText, QPalette::WindowText, colors.TextColor);
    platform::SetPaletteColor(lblVisitedLinkText, QPalette::WindowText, colors.VisitedColor);
    platform::SetPaletteColor(lblNewLinkText, QPalette::WindowText, colors.LinkColor);
    platform::SetPaletteColor(lblActiveLinkText, QPalette::WindowText, colors.ActiveColor);
}

// Normal vision draws the band directly, without the cost of a pass over its pixels.
void TPreview::SetVision(TSimulation simulation) {
    vision_ = simulation;
    setGraphicsEffect(simulation.vision == TVision::Normal ? nullptr : new TVisionEffect(simulation, this));
}
