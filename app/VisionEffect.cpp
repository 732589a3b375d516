// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/VisionEffect.h"

#include <QImage>
#include <QPainter>

#include <cmath>

#include "style/ColorValue.h"
#include "style/VisionBlur.h"

namespace {

// Colours are held 0x00BBGGRR; a QRgb is 0xAARRGGBB.
platform::TColor FromRgb(QRgb rgb) {
    return colorvalue::ColorFromChannels(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

QRgb ToRgb(platform::TColor color) {
    const colorvalue::Channels c = colorvalue::ChannelsOf(color);
    return qRgb(c.red, c.green, c.blue);
}

}  // namespace

TVisionEffect::TVisionEffect(TSimulation simulation, QObject* parent)
    : QGraphicsEffect(parent), simulation_(simulation) {}

void TVisionEffect::draw(QPainter* painter) {
    QImage image = Source(*painter);
    if (image.isNull()) return;
    if (simulation_.vision == TVision::BlurredVision) {
        const auto words = static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.height());
        // Format_RGB32 lines are whole words, so the picture is one run of pixels.
        BlurLinear({reinterpret_cast<std::uint32_t*>(image.bits()), words}, image.width(), image.height(),
                   kBlurSigma * painter->device()->devicePixelRatioF());
        Draw(painter, image);
        return;
    }
    // The preview is mostly runs of one colour, so the last answer is usually the next one.
    QRgb lastIn = image.pixel(0, 0);
    QRgb lastOut = ToRgb(SimulateVision(simulation_, FromRgb(lastIn)));
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] != lastIn) {
                lastIn = line[x];
                lastOut = ToRgb(SimulateVision(simulation_, FromRgb(lastIn)));
            }
            line[x] = lastOut;
        }
    }
    Draw(painter, image);
}

// At a fractional scale the widget's top-left falls between device pixels, and where each of
// its edges lands depends on that fraction. Qt's own source picture starts the widget on a
// whole pixel, which moves some edges by a device pixel (the frame's line came out twice as
// thick and the text one pixel low at 175 %). So the widget is drawn here with the fraction
// it has on the screen, and the picture is put back on whole device pixels.
QImage TVisionEffect::Source(QPainter& painter) {
    const qreal ratio = painter.device()->devicePixelRatioF();
    const QTransform device = painter.deviceTransform();
    const QRectF area = device.mapRect(sourceBoundingRect(Qt::LogicalCoordinates));
    const QPointF origin = device.map(QPointF(0, 0));
    corner_ = QPoint(static_cast<int>(std::floor(area.left())), static_cast<int>(std::floor(area.top())));
    const QSize size(static_cast<int>(std::ceil(area.right())) - corner_.x(),
                     static_cast<int>(std::ceil(area.bottom())) - corner_.y());
    if (size.isEmpty()) return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(ratio);
    {
        QPainter inner(&image);
        inner.translate((origin - QPointF(corner_)) / ratio);
        drawSource(&inner);
    }
    image = image.convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    return image;
}

void TVisionEffect::Draw(QPainter* painter, const QImage& image) const {
    const qreal ratio = painter->device()->devicePixelRatioF();
    painter->save();
    painter->resetTransform();
    painter->scale(1 / ratio, 1 / ratio);
    painter->drawImage(corner_, image);
    painter->restore();
}
