// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// GIF files for the widget tests, written by giflib's encoder into a folder of the test's.

#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QString>
#include <QTest>
#include <functional>
#include <string>

#include "controls/GIFImage.h"
#include "tests/unit/controls/GifWriter.h"

namespace giftest {

// The colour of index i in the global table the writer makes: red i, green 7i, blue 0.
inline QRgb GlobalColor(int index) { return qRgb(index, (index * 7) & 0xFF, 0); }

inline FrameLayout Frame(int w, int h, const std::function<int(int x, int y)>& index) {
    FrameLayout f;
    f.width = w;
    f.height = h;
    f.pixels.resize(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            f.pixels[static_cast<std::size_t>(y) * w + x] = static_cast<std::uint8_t>(index(x, y));
    return f;
}

inline FrameLayout Solid(int w, int h, int index) {
    return Frame(w, h, [index](int, int) { return index; });
}

inline FileLayout OneFrame(FrameLayout frame) {
    FileLayout layout;
    layout.width = frame.width;
    layout.height = frame.height;
    layout.frames.push_back(std::move(frame));
    return layout;
}

inline std::string Save(const QString& path, const std::vector<std::uint8_t>& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    return path.toStdString();
}

inline std::string SaveGif(const QString& path, const FileLayout& layout) {
    return Save(path, WriteGif(layout));
}

// Runs the event loop until the control's load in the background has ended, for at most ten
// seconds; whether it has.
inline bool WaitForLoad(const controls::TGIFImage& image) {
    QElapsedTimer clock;
    clock.start();
    while (image.Loading() && clock.elapsed() < 10000) QTest::qWait(5);
    return !image.Loading();
}

}  // namespace giftest
