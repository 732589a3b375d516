// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

namespace controls {

// The text's horizontal placement, as the widget layer names it.
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// In spite of its name this places the text vertically; the name is kept because form
// descriptions store it.
enum class THorizontalAlignment { haTop, haCenter, haBottom };

enum class TBevelStyle { bvRaised, bvNone, bvLowered };

enum class TBorderStyle { bsSingle, bsNone };

// A rectangle in control pixels; right and bottom lie just outside it.
struct BoxRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const BoxRect&) const = default;
};

// What the frame and the text placement depend on.
struct BoxLabelStyle {
    int width = 70;
    int height = 20;
    TBevelStyle bevelOuter = TBevelStyle::bvRaised;
    TBevelStyle bevelInner = TBevelStyle::bvLowered;
    int bevelWidth = 1;
    TBorderStyle borderStyle = TBorderStyle::bsNone;
    TAlignment alignment = TAlignment::taCenter;
    THorizontalAlignment verticalAlign = THorizontalAlignment::haCenter;
};

enum class FrameColor { White, Shadow };

// One half of a bevel ring: move to `from`, line to `corner`, line to `to`, each line
// stopping short of its end point. The order of the strokes matters: where the halves of a
// ring meet, the later stroke's colour stays.
struct FrameStroke {
    FrameColor color;
    int fromX, fromY;
    int cornerX, cornerY;
    int toX, toY;
};

struct BoxFrame {
    std::vector<FrameStroke> outer;
    // The single black frame, drawn with the fill colour inside, after the outer bevel.
    std::optional<BoxRect> border;
    std::vector<FrameStroke> inner;
    // Frame pixels on each side: outer bevel, border and inner bevel together.
    int inset = 0;
};

// The bevel rings and border of a label of the style.
BoxFrame ComputeBoxFrame(const BoxLabelStyle& style);

// The rectangle the caption is drawn in, given the frame's inset and the caption's measured
// size. Left-justified text sits twice the inset in from the left, right-justified text
// twice the inset plus one pixel in from the right, centred text spans the frame's inside
// and is centred by the text drawing. Vertically centred text ignores the frame and rounds
// a half pixel to the even neighbour. The result never reaches outside the frame.
BoxRect PlaceBoxText(const BoxLabelStyle& style, int inset, int textWidth, int textHeight);

// The width that wrapped text is broken to before it is placed: the widest the text
// rectangle can be for the alignment. Breaking at the whole control's width instead would
// let the narrower rectangle break the text into more lines than were measured, and the
// last ones would fall outside it.
int BoxTextWrapWidth(const BoxLabelStyle& style, int inset);

// Nearest integer to value / 2, a value exactly halfway going to the even neighbour.
int HalfRoundedToEven(int value);

}  // namespace controls
