// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/BoxLabelLayout.h"

#include <algorithm>

namespace controls {

namespace {

// Appends the rings of one bevel whose outermost ring lies `offset` pixels inside the
// control. Raised bevels are lit from the top left, lowered ones from the bottom right.
void AddBevel(std::vector<FrameStroke>& strokes, TBevelStyle bevel, int bevelWidth, int offset, int width,
              int height) {
    if (bevel == TBevelStyle::bvNone) return;
    const FrameColor first = bevel == TBevelStyle::bvRaised ? FrameColor::White : FrameColor::Shadow;
    const FrameColor second = bevel == TBevelStyle::bvRaised ? FrameColor::Shadow : FrameColor::White;
    for (int i = 0; i < bevelWidth; ++i) {
        const int c = offset + i;
        const int right = width - 1 - i - offset;
        const int bottom = height - 1 - i - offset;
        // The top-left half runs one pixel further down than the bottom-right half, so the
        // bottom-left corner pixel keeps the first colour and the top-right one the second.
        strokes.push_back({first, right, c, c, c, c, bottom + 1});
        strokes.push_back({second, right, c, right, bottom, c, bottom});
    }
}

}  // namespace

int HalfRoundedToEven(int value) {
    const int floorHalf = value >= 0 ? value / 2 : -((-value + 1) / 2);
    if (value % 2 == 0) return floorHalf;
    return floorHalf % 2 == 0 ? floorHalf : floorHalf + 1;
}

BoxFrame ComputeBoxFrame(const BoxLabelStyle& style) {
    BoxFrame frame;
    const int width = style.width;
    const int height = style.height;
    if (style.bevelOuter != TBevelStyle::bvNone) {
        AddBevel(frame.outer, style.bevelOuter, style.bevelWidth, 0, width, height);
        // A width below one draws no ring yet still counts; the inset never goes negative.
        frame.inset = std::max(style.bevelWidth, 0);
    }
    if (style.borderStyle == TBorderStyle::bsSingle) {
        frame.border = BoxRect{frame.inset, frame.inset, width - frame.inset, height - frame.inset};
        frame.inset += 1;
    }
    if (style.bevelInner != TBevelStyle::bvNone) {
        AddBevel(frame.inner, style.bevelInner, style.bevelWidth, frame.inset, width, height);
        frame.inset += std::max(style.bevelWidth, 0);
    }
    return frame;
}

int BoxTextWrapWidth(const BoxLabelStyle& style, int inset) {
    switch (style.alignment) {
        case TAlignment::taLeftJustify: return style.width - 3 * inset;
        case TAlignment::taRightJustify: return style.width - 3 * inset - 1;
        case TAlignment::taCenter: return style.width - 2 * inset;
    }
    return style.width;
}

BoxRect PlaceBoxText(const BoxLabelStyle& style, int inset, int textWidth, int textHeight) {
    const int width = style.width;
    const int height = style.height;
    BoxRect r{0, 0, textWidth, textHeight};

    switch (style.verticalAlign) {
        case THorizontalAlignment::haTop:
            r.top += inset;
            r.bottom += inset;
            break;
        case THorizontalAlignment::haCenter: {
            const int d = HalfRoundedToEven(height - r.bottom);
            r.top = d;
            r.bottom += d;
            break;
        }
        case THorizontalAlignment::haBottom:
            r.top = height - r.bottom - inset;
            r.bottom = height - inset;
            break;
    }

    switch (style.alignment) {
        case TAlignment::taLeftJustify:
            r.left += 2 * inset;
            r.right += 2 * inset;
            break;
        case TAlignment::taRightJustify:
            r.left = width - r.right - 2 * inset - 1;
            r.right = width - 2 * inset - 1;
            break;
        case TAlignment::taCenter:
            r.left = inset;
            r.right = width - inset;
            break;
    }

    r.left = std::max(r.left, inset);
    r.top = std::max(r.top, inset);
    r.right = std::min(r.right, width - inset);
    r.bottom = std::min(r.bottom, height - inset);
    return r;
}

}  // namespace controls
