// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/Picture.h"

#include <QImageReader>
#include <vector>

#include "controls/GIFDecoder.h"
#include "platform/Error.h"
#include "platform/FileBytes.h"
#include "platform/Translate.h"

namespace controls {

namespace {

[[noreturn]] void CannotLoad(const std::string& path) {
    throw platform::Error(
        platform::Arg(platform::Translate("Errors", "Unable to load the picture %1"), {path}));
}

QImage FirstFrame(const gif::TGIF& frame) {
    QImage image(frame.Width, frame.Height, QImage::Format_RGB32);
    for (std::int32_t y = 0; y < frame.Height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (std::int32_t x = 0; x < frame.Width; ++x) {
            const std::size_t entry = static_cast<std::size_t>(frame.Pixel(x, y)) * 3;
            line[x] = qRgb(frame.ColorTable[entry], frame.ColorTable[entry + 1], frame.ColorTable[entry + 2]);
        }
    }
    return image;
}

QImage LoadGif(const std::string& path) {
    // The shared reader refuses pipes and devices named like a picture, which would block.
    std::vector<std::uint8_t> bytes;
    try {
        bytes = platform::ReadWholeFile(path);
    } catch (const platform::Error&) {
        CannotLoad(path);
    }
    gif::TGIFDecoding decoding;
    if (!decoding.Decode(bytes) || decoding.Frames.empty()) CannotLoad(path);
    return FirstFrame(decoding.Frames.front());
}

}  // namespace

void TPicture::LoadFromFile(const std::string& path) {
    const QString name = QString::fromStdString(path);
    if (name.endsWith(QStringLiteral(".gif"), Qt::CaseInsensitive)) {
        graphic_ = LoadGif(path);
        return;
    }
    QImageReader reader(name);
    reader.setDecideFormatFromContent(false);
    QImage image = reader.read();
    if (image.isNull()) CannotLoad(path);
    graphic_ = std::move(image);
}

}  // namespace controls
