// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QLabel>
#include <array>

#include "controls/GIFImage.h"
#include "style/Style.h"
#include "style/VisionSimulation.h"

// The preview band at the top of the main window: the font preview on the Font page, the
// body colour fill and the four sample lines on the Body page, stacked in that order over
// the background picture.
class TPreview : public QFrame {
    Q_OBJECT

public:
    explicit TPreview(QWidget* parent = nullptr);

    // The background picture, at the bottom of the stack, tiled over the whole band.
    controls::TGIFImage* GIFImage1;
    QLabel* lblDisplay;
    QWidget* lblBodyColor;
    QLabel* lblNormalText;
    QLabel* lblVisitedLinkText;
    QLabel* lblNewLinkText;
    QLabel* lblActiveLinkText;

    // The font preview follows the style's face, size step, bold, italic, centering, text
    // and font colour.
    void ShowFont(const TStyle& style);
    void SetDisplayBackground(const TStyle& style);
    // Opaque in colour mode; transparent in picture mode, so the picture shows behind.
    void SetDisplayOpaque(bool opaque);
    void SetBodyColor(const TStyle& style);
    void SetSampleColors(const TStyle& style);
    void ShowSamples(bool visible);
    // Shows the whole band as a visitor with the deficiency sees it; not part of the style.
    void SetVision(TSimulation simulation);
    TSimulation Vision() const { return vision_; }
    // Shows the colours of the style's dark variant instead of its own; not part of the style.
    // The setters above follow it while it is on.
    void SetDarkVariant(bool on, const TStyle& style);
    bool DarkVariantShown() const { return dark_; }

    std::array<QLabel*, 4> SampleLines() const {
        return {lblNormalText, lblVisitedLinkText, lblNewLinkText, lblActiveLinkText};
    }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // All the band's colours at once.
    void ShowColors(const TStyle& colors);

    TSimulation vision_;
    bool dark_ = false;
};

// The preview's point size for an HTML size step 1..7; 0 outside.
int PointSizeOfStep(int step);
