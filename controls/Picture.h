// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <string>

#include "controls/GridTypes.h"

namespace controls {

// A picture loaded from a file, as a grid cell holds it. A ".gif" file is read by our own
// decoder (its first frame); any other file by the image readers Qt has.
class TPicture : public TCellObject {
public:
    // Throws platform::Error naming the file when it cannot be read or decoded.
    void LoadFromFile(const std::string& path);

    const QImage& Graphic() const { return graphic_; }
    int Width() const { return graphic_.width(); }
    int Height() const { return graphic_.height(); }

private:
    QImage graphic_;
};

}  // namespace controls
