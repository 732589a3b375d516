// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ColorPanel.h"

#include <QPainter>

#include "platform/Application.h"
#include "platform/Canvas.h"
#include "platform/SysColors.h"
#include "style/ColorValue.h"

using controls::TSlideBar;

const std::array<TSwatchRow::Swatch, 16> TSwatchRow::kSwatches = {{
    {QT_TRANSLATE_NOOP("TSwatchRow", "Black"), 0x000000},
    {QT_TRANSLATE_NOOP("TSwatchRow", "White"), 0xFFFFFF},
    {QT_TRANSLATE_NOOP("TSwatchRow", "Navy"), 0x800000},
    {QT_TRANSLATE_NOOP("TSwatchRow", "Blue"), 0xFF0000},
    {QT_TRANSLATE_NOOP("TSwatchRow", "Maroon"), 0x000080},
    {QT_TRANSLATE_NOOP("TSwatchRow", "Red"), 0x0000FF},
    {QT_TRANSLATE_NOOP("TSwatchRow", "Green"), 0x008000},
    {QT_TRANSLATE_NOOP("TSwatchRow", "Lime"), 0x00FF00},
    {QT_TRANSLATE_NOOP("TSwatchRow", "Silver"), 0xC0C0C0},
    {QT_TRANSLATE_NOOP("TSwatchRow", "Gray"), 0x808080},
    {QT_TRANSLATE_NOOP("TSwatchRow", "Purple"), 0x800080},
    {QT_TRANSLATE_NOOP("TSwatchRow", "Fuchsia"), 0xFF00FF},
    {QT_TRANSLATE_NOOP("TSwatchRow", "Olive"), 0x008080},
    {QT_TRANSLATE_NOOP("TSwatchRow", "Yellow"), 0x00FFFF},
    {QT_TRANSLATE_NOOP("TSwatchRow", "Teal"), 0x808000},
    {QT_TRANSLATE_NOOP("TSwatchRow", "Aqua"), 0xFFFF00},
}};

namespace {

constexpr QSize kRgbPanelSize(246, 66);
constexpr QSize kSwatchPanelSize(246, 21);
constexpr QPoint kSwatchPanelAt(0, 69);
constexpr int kBarLeft = 17;
constexpr QSize kBarSize(198, 11);
constexpr int kFieldLeft = 217;
constexpr QSize kFieldSize(22, 19);
constexpr int kRowTops[] = {7, 27, 47};
constexpr int kFieldTops[] = {3, 23, 43};
constexpr int kChannelMax = 255;
constexpr int kBarThickness = 3;

}  // namespace

TSwatchRow::TSwatchRow(QWidget* parent) : QWidget(parent) {
    setObjectName("pnlColor");
    setFixedSize(kSwatchPanelSize);
    // The hotspot on the left lies on top, so the pixel two swatches share picks the
    // left-hand colour: raise them from right to left.
    for (std::size_t n = 0; n < kSwatches.size(); ++n) {
        auto* hotspot = new controls::THotspot(this);
        hotspot->setObjectName(QString("Hotspot") + kSwatches[n].name);
        // A screen reader announces the swatch by its colour, hint or not.
        hotspot->setAccessibleName(tr(kSwatches[n].name));
        hotspot->setGeometry(kSwatchLeft + kSwatchStep * static_cast<int>(n), kSwatchTop, kSwatchSize,
                             kSwatchSize);
        const TColor color = kSwatches[n].color;
        connect(hotspot, &controls::THotspot::OnClick, this, [this, color] { emit SwatchClicked(color); });
        Hotspots[n] = hotspot;
    }
    for (auto it = Hotspots.rbegin(); it != Hotspots.rend(); ++it) (*it)->raise();
}

void TSwatchRow::paintEvent(QPaintEvent*) {
    // Drawn at one image pixel per logical pixel and scaled without smoothing, so that at a
    // higher device pixel ratio every pixel of the swatches stays a whole block.
    QImage art(size(), QImage::Format_RGB32);
    // The image starts as whatever memory it was given: the band's silver goes under all.
    art.fill(platform::ToQColor(platform::clSilver));
    {
        platform::Canvas canvas(art);
        PaintSwatches(canvas);
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect(), art);
}

void TSwatchRow::PaintSwatches(platform::Canvas& canvas) const {
    const int w = width(), h = height();
    // Raised outer ring, lowered inner ring.
    const auto ring = [&](int i, platform::TColor first, platform::TColor second) {
        canvas.SetPenColor(first);
        canvas.MoveTo(w - 1 - i, i);
        canvas.LineTo(i, i);
        canvas.LineTo(i, h - i);
        canvas.SetPenColor(second);
        canvas.MoveTo(w - 1 - i, i);
        canvas.LineTo(w - 1 - i, h - 1 - i);
        canvas.LineTo(i, h - 1 - i);
    };
    ring(0, platform::clBtnHighlight, platform::clBtnShadow);
    ring(1, platform::clBtnShadow, platform::clBtnHighlight);
    canvas.SetPenColor(platform::clBlack);
    for (std::size_t n = 0; n < kSwatches.size(); ++n) {
        const int left = kSwatchLeft + kSwatchStep * static_cast<int>(n);
        canvas.SetBrushColor(kSwatches[n].color);
        canvas.Rectangle(left, kSwatchTop, left + kSwatchSize, kSwatchTop + kSwatchSize);
    }
}

// Shown, the panel takes the size of its two parts.
TColorPanel::TColorPanel(QWidget* parent) : QWidget(parent) {
    pnlRGB = new QWidget(this);
    pnlRGB->setObjectName("pnlRGB");
    pnlRGB->setFixedSize(kRgbPanelSize);
    pnlRGB->setAutoFillBackground(true);
    // A fixed background takes a fixed text colour, so a dark desktop theme cannot give
    // light text on silver or white. The hex fields take their black on white from the band
    // the panel stands on, and their font from the window, as all the band's fields do.
    platform::SetPaletteColor(pnlRGB, QPalette::Window, platform::clSilver);
    platform::SetPaletteColor(pnlRGB, QPalette::WindowText, platform::clBlack);

    const QString letters[] = {tr("R", "red channel"), tr("G", "green channel"), tr("B", "blue channel")};
    const char* bars[] = {"SlideBarRed", "SlideBarGreen", "SlideBarBlue"};
    const char* fields[] = {"TxtRed", "TxtGreen", "TxtBlue"};
    TSlideBar** barSlots[] = {&SlideBarRed, &SlideBarGreen, &SlideBarBlue};
    THexEdit** fieldSlots[] = {&TxtRed, &TxtGreen, &TxtBlue};
    for (int row = 0; row < 3; ++row) {
        auto* letter = new QLabel(letters[row], pnlRGB);
        letter->move(6, kRowTops[row] - 1);

        auto* bar = new TSlideBar(pnlRGB);
        bar->setObjectName(bars[row]);
        bar->setGeometry(QRect(QPoint(kBarLeft, kRowTops[row]), kBarSize));
        bar->SetMax(kChannelMax);  // which makes the page a tenth of the range, 25
        bar->SetMin(0);
        bar->SetPosition(0);
        bar->SetStyle(controls::TBarStyle::bsRaised);
        bar->SetThickness(kBarThickness);
        bar->SetThumbStyle(controls::TThumbStyle::tsDiamond4);
        bar->SetTicks(false);
        bar->SetFocusColor(platform::clSilver);
        bar->setFocusPolicy(Qt::ClickFocus);
        *barSlots[row] = bar;

        auto* field = new THexEdit(pnlRGB);
        field->setObjectName(fields[row]);
        field->setGeometry(QRect(QPoint(kFieldLeft, kFieldTops[row]), kFieldSize));
        *fieldSlots[row] = field;

        connect(bar, &TSlideBar::OnChange, this,
                [this, field, bar] { platform::RunReportingErrors([&] { BarChanged(field, bar); }); });
        connect(field, &QLineEdit::textChanged, this,
                [this, field, bar] { platform::RunReportingErrors([&] { FieldChanged(field, bar); }); });
    }

    pnlColor = new TSwatchRow(this);
    pnlColor->move(kSwatchPanelAt);
    connect(pnlColor, &TSwatchRow::SwatchClicked, this,
            [this](TColor color) { platform::RunReportingErrors([&] { SetBarsFromColor(color); }); });
}

void TColorPanel::SetBarsFromColor(TColor color) {
    const colorvalue::Channels channels = colorvalue::ChannelsOf(color);
    SlideBarRed->SetPosition(channels.red);
    SlideBarGreen->SetPosition(channels.green);
    SlideBarBlue->SetPosition(channels.blue);
}

TColor TColorPanel::BarsToColor(Order order) const {
    const int r = SlideBarRed->Position(), g = SlideBarGreen->Position(), b = SlideBarBlue->Position();
    return order == Order::bgr ? colorvalue::ColorFromChannels(r, g, b)
                               : colorvalue::ColorFromChannels(b, g, r);
}

void TColorPanel::SetHotspotHints(bool on) {
    for (std::size_t n = 0; n < TSwatchRow::kSwatches.size(); ++n) {
        pnlColor->Hotspots[n]->SetHint(on ? TSwatchRow::tr(TSwatchRow::kSwatches[n].name) : QString());
    }
}

void TColorPanel::BarChanged(THexEdit* field, TSlideBar* bar) {
    const QString text = QString::fromStdString(colorvalue::ChannelForm(bar->Position()));
    // An equal text raises no change, which is what ends the bar -> field -> bar round trip.
    if (field->text() != text) field->setText(text);
    if (OnBarChanged) OnBarChanged();
}

void TColorPanel::FieldChanged(THexEdit* field, TSlideBar* bar) {
    const QString text = field->text();
    if (text.size() != 2) return;
    bar->SetPosition(colorvalue::ChannelFormToChannel(text.toStdString()));
    field->SelectWhole();
}
