// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/VisionEffect.h"

#include <QImage>
#include <QPainter>

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
    QPoint offset;
    const QPixmap source = sourcePixmap(Qt::DeviceCoordinates, &offset, QGraphicsEffect::NoPad);
    if (source.isNull()) return;
    QImage image = source.toImage().convertToFormat(QImage::Format_RGB32);
    if (simulation_.vision == TVision::BlurredVision) {
        const auto words = static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.height());
        // Format_RGB32 lines are whole words, so the picture is one run of pixels.
        BlurLinear({reinterpret_cast<std::uint32_t*>(image.bits()), words}, image.width(), image.height(),
                   kBlurSigma * source.devicePixelRatio());
        Draw(painter, image, offset, source.devicePixelRatio());
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
    Draw(painter, image, offset, source.devicePixelRatio());
}

void TVisionEffect::Draw(QPainter* painter, QImage& image, QPoint offset, qreal ratio) {
    image.setDevicePixelRatio(ratio);
    const QTransform world = painter->worldTransform();
    painter->setWorldTransform(QTransform());
    painter->drawImage(offset, image);
    painter->setWorldTransform(world);
}
