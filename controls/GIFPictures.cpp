// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/GIFPictures.h"

#include "platform/SysColors.h"

namespace controls {

namespace {

QList<QRgb> ColorTableOf(const gif::RgbTable& table) {
    QList<QRgb> colors(256);
    for (int i = 0; i < 256; ++i) colors[i] = qRgb(table[i * 3], table[i * 3 + 1], table[i * 3 + 2]);
    return colors;
}

QImage View(const gif::TFrameBytes& pixels, const gif::TGIF& frame, int stride,
            QImage::Format format) {
    if (frame.Width <= 0 || frame.Height <= 0 || pixels.empty()) return {};
    return QImage(pixels.data(), frame.Width, frame.Height, stride, format);
}

}  // namespace

TFramePictures MakeFramePictures(const gif::TGIF& frame) {
    TFramePictures pictures;
    pictures.Image = View(frame.Image, frame, frame.ImageStride, QImage::Format_Indexed8);
    pictures.Image.setColorTable(ColorTableOf(frame.ColorTable));
    if (frame.Transparent) {
        // A view of its own on the same indices: a copy of Image would copy the pixels when
        // given its own colour table.
        pictures.MaskedImage = View(frame.Image, frame, frame.ImageStride, QImage::Format_Indexed8);
        pictures.MaskedImage.setColorTable(ColorTableOf(frame.MaskedColorTable));
        // Bit 1 is white, so that an AND keeps what lies under the transparent pixels and
        // clears the rest for the masked image's XOR.
        pictures.Mask = View(frame.Mask, frame, frame.MaskStride, QImage::Format_Mono);
        pictures.Mask.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    }
    return pictures;
}

QImage ColorKeyed(const gif::TGIF& frame, const QImage& image, platform::TColor color) {
    // A fresh view of the indices, so that the keyed colour table costs no pixel copy.
    QImage keyed = View(frame.Image, frame, frame.ImageStride, QImage::Format_Indexed8);
    QList<QRgb> colors = image.colorTable();
    colors[frame.TransparentIndex] = platform::ToQColor(color).rgb();
    keyed.setColorTable(colors);
    return keyed;
}

}  // namespace controls
