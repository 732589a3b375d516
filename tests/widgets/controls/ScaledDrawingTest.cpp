// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <QApplication>
#include <QImage>

#include "controls/BoxLabl.h"
#include "controls/SlideBar.h"

using namespace controls;

namespace {

constexpr int kRatio = 2;

// The widget's own drawing at a device pixel ratio, as a screen at that scale shows it.
QImage RenderAt(QWidget& widget, int ratio) {
    QImage image(widget.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta);
    widget.render(&image);
    image.setDevicePixelRatio(1);
    return image;
}

// Whether every device pixel of logical pixel (x, y) at kRatio has the colour that pixel has
// at ratio 1.
bool IsWholeBlock(const QImage& scaled, const QImage& plain, int x, int y) {
    for (int dy = 0; dy < kRatio; ++dy)
        for (int dx = 0; dx < kRatio; ++dx)
            if (scaled.pixel(kRatio * x + dx, kRatio * y + dy) != plain.pixel(x, y)) return false;
    return true;
}

struct Failures {
    int count = 0;
    QPoint first{-1, -1};
    void Add(int x, int y) {
        if (count++ == 0) first = {x, y};
    }
};

}  // namespace

// Every bar at ratio 2 is its ratio-1 picture with each pixel a 2 x 2 block: the track, the
// ticks and the thumb bitmap are scaled without smoothing.
TEST(ScaledDrawing, SlideBarPixelsBecomeWholeBlocks) {
    struct Row {
        const char* what;
        QSize size;
        TThumbStyle thumb;
        TBarStyle style;
        int thickness;
    };
    const Row rows[] = {
        {"size bar", {86, 15}, TThumbStyle::tsDiamond4, TBarStyle::bsLowered, 1},
        {"colour bar", {198, 11}, TThumbStyle::tsDiamond4, TBarStyle::bsRaised, 3},
        {"upright bar", {26, 90}, TThumbStyle::tsStdLeft, TBarStyle::bsLowered, 2},
    };
    for (const Row& row : rows) {
        TSlideBar bar;
        bar.resize(row.size);
        bar.SetMin(0);
        bar.SetMax(10);
        bar.SetThumbStyle(row.thumb);
        bar.SetStyle(row.style);
        bar.SetThickness(row.thickness);
        bar.SetPosition(3);
        const QImage plain = RenderAt(bar, 1);
        const QImage scaled = RenderAt(bar, kRatio);
        Failures failures;
        for (int y = 0; y < bar.height(); ++y)
            for (int x = 0; x < bar.width(); ++x)
                if (!IsWholeBlock(scaled, plain, x, y)) failures.Add(x, y);
        EXPECT_EQ(failures.count, 0) << row.what << ", first at " << failures.first.x() << ","
                                     << failures.first.y();
    }
}

// The box label's bevels, border and fill are whole blocks at ratio 2; only its text is
// drawn on the finer grid.
TEST(ScaledDrawing, BoxLabelFrameBecomesWholeBlocksAndTextUsesTheFinerGrid) {
    TBoxLabel label;
    label.resize(120, 30);
    label.SetBevelOuter(TBevelStyle::bvRaised);
    label.SetBevelInner(TBevelStyle::bvLowered);
    label.SetBevelWidth(2);
    label.SetBorderStyle(TBorderStyle::bsSingle);
    label.SetAlignment(TAlignment::taLeftJustify);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(14);
    label.setFont(font);
    label.SetCaption(QStringLiteral("Wg"));
    const QImage plain = RenderAt(label, 1);
    const QImage scaled = RenderAt(label, kRatio);

    // The frame is the outer 5 pixels (bevel 2, border 1, bevel 2); the text "Wg" at the left
    // ends well before x = 60.
    Failures failures;
    for (int y = 0; y < label.height(); ++y) {
        for (int x = 0; x < label.width(); ++x) {
            const bool frame = x < 5 || y < 5 || x >= label.width() - 5 || y >= label.height() - 5;
            if ((frame || x >= 60) && !IsWholeBlock(scaled, plain, x, y)) failures.Add(x, y);
        }
    }
    EXPECT_EQ(failures.count, 0) << "first at " << failures.first.x() << "," << failures.first.y();

    int finerBlocks = 0;
    for (int y = 5; y < label.height() - 5; ++y) {
        for (int x = 5; x < 60; ++x) {
            const QRgb corner = scaled.pixel(kRatio * x, kRatio * y);
            if (scaled.pixel(kRatio * x + 1, kRatio * y + 1) != corner ||
                scaled.pixel(kRatio * x + 1, kRatio * y) != corner)
                ++finerBlocks;
        }
    }
    EXPECT_GT(finerBlocks, 0) << "the text is a scaled-up copy of the ratio-1 text";
}
