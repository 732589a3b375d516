// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QIcon>
#include <QImage>
#include <QString>
#include <functional>

#include "controls/CaptionLayout.h"
#include "platform/Canvas.h"

// Drawing of a self-drawn caption and frame, apart from any window so that it can be
// rendered into an image and checked pixel by pixel.
namespace controls {

// Draws a classic caption button: a raised button face with the button's glyph, embossed
// gray when the button is disabled, sunken and shifted by a pixel while it is held down.
void DrawCaptionButton(platform::Canvas& canvas, const TCaptionButton& button, bool pressed);

// Draws the frame of a window w x h of the style: the raised two-ring edge and the rest of
// the frame and caption band in the button face colour.
void DrawWindowFrame(platform::Canvas& canvas, int w, int h, TFormBorderStyle style);

// Everything the caption paint reads besides its size.
struct TCaptionState {
    bool active = true;
    bool gradientOnInactive = true;
    int gradientColors = kDefaultGradientColors;
    const TGradientTable* activeTable = nullptr;
    const TGradientTable* inactiveTable = nullptr;
    TFormBorderStyle borderStyle = TFormBorderStyle::bsSizeable;
    TBorderIcons borderIcons = biSystemMenu | biMinimize | biMaximize;
    bool maximized = false;
    QIcon icon;
    QFont font;
    QString text;
    TCaptionButtonKind pressedButton = TCaptionButtonKind::Close;
    bool buttonPressed = false;
    // Called after the buttons, before the text: it may draw and move the text's rectangle.
    std::function<void(platform::Canvas& canvas, platform::Rect& r)> beforeText;
};

// Composes the caption w x h off screen: the gradient (an N x 1 image stretched over the
// whole caption) or the flat inactive colour, the icon, the buttons and the white text.
QImage ComposeCaption(int w, int h, const TCaptionState& state);

}  // namespace controls
