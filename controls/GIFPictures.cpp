// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/GIFPictures.h"

#include <algorithm>
#include <array>

#include "platform/SysColors.h"

namespace controls {

namespace {

QList<QRgb> ColorTableOf(const gif::RgbTable& table) {
    QList<QRgb> colors(256);
    for (int i = 0; i < 256; ++i) colors[i] = qRgb(table[i * 3], table[i * 3 + 1], table[i * 3 + 2]);
    return colors;
}

QImage View(const gif::TFrameBytes& pixels, const gif::TGIF& frame, int stride, QImage::Format format) {
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

void DrawFrameOn(QImage& target, const gif::TGIF& frame, TTransparentShows transparent, QRgb key) {
    if (frame.Image.empty() || target.isNull()) return;
    const bool see = transparent == TTransparentShows::Target && frame.Transparent && !frame.Mask.empty();
    const gif::RgbTable& table = see ? frame.MaskedColorTable : frame.ColorTable;
    std::array<QRgb, 256> colors;
    for (int i = 0; i < 256; ++i) colors[i] = qRgb(table[i * 3], table[i * 3 + 1], table[i * 3 + 2]);
    if (transparent == TTransparentShows::Key && frame.Transparent)
        colors[frame.TransparentIndex] = key | 0xFF000000;

    const int left = std::max(frame.Left, 0), right = std::min(frame.Left + frame.Width, target.width());
    const int top = std::max(frame.Top, 0), bottom = std::min(frame.Top + frame.Height, target.height());
    for (int y = top; y < bottom; ++y) {
        const std::uint8_t* pixel =
            frame.Image.data() + static_cast<std::size_t>(y - frame.Top) * frame.ImageStride;
        QRgb* out = reinterpret_cast<QRgb*>(target.scanLine(y)) + frame.Left;
        const int from = left - frame.Left, to = right - frame.Left;
        if (!see) {
            for (int x = from; x < to; ++x) out[x] = colors[pixel[x]];
            continue;
        }
        const std::uint8_t* bits =
            frame.Mask.data() + static_cast<std::size_t>(y - frame.Top) * frame.MaskStride;
        for (int x = from; x < to; ++x)
            if (!((bits[x >> 3] << (x & 7)) & 0x80)) out[x] = colors[pixel[x]];
    }
}

}  // namespace controls
