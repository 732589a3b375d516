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

// How a frame's transparent pixels show when it is drawn: in their own colour (an opaque
// frame), in a key colour, or not at all, leaving what the target held.
enum class TTransparentShows { Own, Key, Target };

// Draws the frame's indices on `target`, a 32-bit RGB logical screen, at the frame's place,
// clipped to it. With Key, pixels of the transparent index take `key`; with Target, the pixels
// the mask marks leave the target as it was and the others take the masked colour table. The
// same pixels as drawing the frame's pictures through the canvas, without the converted copy
// of the whole frame a painter makes of an indexed image.
void DrawFrameOn(QImage& target, const gif::TGIF& frame, TTransparentShows transparent, QRgb key = 0);

// The frame drawn as a colour-keyed copy: every pixel of the transparent index takes `color`
// instead. Pixels of other indices keep their colour, also when it is the transparent entry's.
QImage ColorKeyed(const gif::TGIF& frame, const QImage& image, platform::TColor color);

}  // namespace controls
