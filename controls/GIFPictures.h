// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <vector>

#include "controls/GIFDecoder.h"
#include "platform/Color.h"

namespace controls {

// The pictures of one decoded frame as images the canvas draws. They share the decoder's
// pixel buffers (no copy is made at load), so the frame they view must outlive them.
struct TFramePictures {
    QImage Image;        // the frame in its own colours
    QImage MaskedImage;  // transparent frames: the transparent index made black
    QImage Mask;         // transparent frames: 1 bit per pixel, white where transparent
    QImage SavedArea;    // disposal 2: what lay under the frame when it was last drawn
};

TFramePictures MakeFramePictures(const gif::TGIF& frame);

// The frame drawn as a colour-keyed copy: every pixel of the transparent index takes `color`
// instead. Pixels of other indices keep their colour, also when it is the transparent entry's.
QImage ColorKeyed(const gif::TGIF& frame, const QImage& image, platform::TColor color);

}  // namespace controls
