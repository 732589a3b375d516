// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QWidget>
#include <array>
#include <functional>

#include "app/HexEdit.h"
#include "controls/HotSpot.h"
#include "controls/SlideBar.h"
#include "style/Style.h"

namespace platform {
class Canvas;
}

// The sixteen named colours, each a swatch under a hotspot, in a lowered box.
class TSwatchRow : public QWidget {
    Q_OBJECT

public:
    struct Swatch {
        const char* name;
        TColor color;
    };
    static const std::array<Swatch, 16> kSwatches;
    static constexpr int kSwatchSize = 16;
    static constexpr int kSwatchTop = 2;
    static constexpr int kSwatchLeft = 2;
    // Neighbouring swatches share their border pixel.
    static constexpr int kSwatchStep = 15;

    explicit TSwatchRow(QWidget* parent = nullptr);

    std::array<controls::THotspot*, 16> Hotspots;

signals:
    void SwatchClicked(TColor color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintSwatches(platform::Canvas& canvas) const;
};

// The colour panel: three RGB slide bars, their two-digit hexadecimal fields and the
// sixteen swatches. The bars are the panel's single source of truth: swatches, fields and
// the web palette all move the bars, and every bar change is handed to the main window,
// which stores the colour in its current target and shows the tag again.
class TColorPanel : public QWidget {
    Q_OBJECT

public:
    explicit TColorPanel(QWidget* parent = nullptr);

    // Run after every bar change, once the bar's field shows its value.
    std::function<void()> OnBarChanged;

    void SetBarsFromColor(TColor color);
    // The colour on the bars, in the platform's order ("bgr") or as the number whose six
    // hexadecimal digits are the tag form ("rgb").
    enum class Order { bgr, rgb };
    TColor BarsToColor(Order order) const;
    void SetHotspotHints(bool on);

    QWidget* pnlRGB;
    TSwatchRow* pnlColor;
    controls::TSlideBar* SlideBarRed;
    controls::TSlideBar* SlideBarGreen;
    controls::TSlideBar* SlideBarBlue;
    THexEdit* TxtRed;
    THexEdit* TxtGreen;
    THexEdit* TxtBlue;

private:
    void BarChanged(THexEdit* field, controls::TSlideBar* bar);
    void FieldChanged(THexEdit* field, controls::TSlideBar* bar);
};
