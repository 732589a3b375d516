// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Rect.h"

namespace controls {

// Where the GIF image control draws its frame buffer of bw x bh pixels in a control of
// W x H pixels. Free of Qt, so that the rules can be checked without a window.
struct TPicturePlacement {
    enum class Kind { Nothing, Stretched, Tiled, Placed };
    Kind kind = Kind::Nothing;
    // Stretched: the whole control. Placed: the one place of the buffer, which may start
    // left of or above the control (a larger centred picture shows its middle).
    platform::Rect place;
    // Tiled: the grid of copies, starting at (0, 0); the last column and row may be cut.
    int columns = 0;
    int rows = 0;
};

struct TPictureSwitches {
    bool visible = true;
    bool stretch = false;
    bool tile = false;
    bool center = false;
    bool seeThrough = false;
};

// Stretch wins when the sizes differ, unless the picture is see-through; Tile takes
// precedence over Center. An empty buffer, or a picture switched off, draws nothing.
TPicturePlacement PlacePicture(int controlWidth, int controlHeight, int bufferWidth, int bufferHeight,
                               const TPictureSwitches& switches);

// The offset of a centred picture: (W - bw) div 2, truncated toward zero, so a larger
// picture gets a negative offset.
int CenterOffset(int controlSide, int bufferSide);

}  // namespace controls
