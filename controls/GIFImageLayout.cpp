// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/GIFImageLayout.h"

namespace controls {

int CenterOffset(int controlSide, int bufferSide) { return (controlSide - bufferSide) / 2; }

TPicturePlacement PlacePicture(int controlWidth, int controlHeight, int bufferWidth, int bufferHeight,
                               const TPictureSwitches& switches) {
    using Kind = TPicturePlacement::Kind;
    TPicturePlacement placement;
    if (!switches.visible || bufferWidth <= 0 || bufferHeight <= 0) return placement;
    const bool sameSize = bufferWidth == controlWidth && bufferHeight == controlHeight;
    if (switches.stretch && !switches.seeThrough && !sameSize) {
        placement.kind = Kind::Stretched;
        placement.place = {0, 0, controlWidth, controlHeight};
        return placement;
    }
    if (switches.tile) {
        placement.kind = Kind::Tiled;
        placement.columns = controlWidth / bufferWidth + 1;
        placement.rows = controlHeight / bufferHeight + 1;
        placement.place = {0, 0, placement.columns * bufferWidth, placement.rows * bufferHeight};
        return placement;
    }
    placement.kind = Kind::Placed;
    int left = 0, top = 0;
    if (switches.center) {
        left = CenterOffset(controlWidth, bufferWidth);
        top = CenterOffset(controlHeight, bufferHeight);
    }
    placement.place = {left, top, left + bufferWidth, top + bufferHeight};
    return placement;
}

}  // namespace controls
