// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CaptionPaint.h"

#include "platform/SysColors.h"

namespace controls {

using platform::Canvas;
using platform::Rect;
using platform::TColor;

namespace {

void HorizontalLine(Canvas& canvas, int x0, int x1, int y, TColor color) {
    canvas.SetBrushColor(color);
    canvas.FillRect({x0, y, x1, y + 1});
}

void VerticalLine(Canvas& canvas, int x, int y0, int y1, TColor color) {
    canvas.SetBrushColor(color);
    canvas.FillRect({x, y0, x + 1, y1});
}

// One ring of a 3-D edge: topLeft on the top and left lines, bottomRight on the others.
void EdgeRing(Canvas& canvas, const Rect& r, TColor topLeft, TColor bottomRight) {
    HorizontalLine(canvas, r.left, r.right - 1, r.top, topLeft);
    VerticalLine(canvas, r.left, r.top, r.bottom - 1, topLeft);
    HorizontalLine(canvas, r.left, r.right, r.bottom - 1, bottomRight);
    VerticalLine(canvas, r.right - 1, r.top, r.bottom, bottomRight);
}

Rect Shrunk(const Rect& r, int by) { return {r.left + by, r.top + by, r.right - by, r.bottom - by}; }

// The glyphs of the caption buttons, drawn with their top-left at (x, y) in one colour.
void DrawGlyph(Canvas& canvas, TCaptionButtonKind kind, int x, int y, TColor color) {
    canvas.SetBrushColor(color);
    switch (kind) {
        case TCaptionButtonKind::Close:  // a cross of two-pixel strokes, 8 x 7
            for (int i = 0; i < 7; ++i) {
                canvas.FillRect({x + i, y + i, x + i + 2, y + i + 1});
                canvas.FillRect({x + 6 - i, y + i, x + 8 - i, y + i + 1});
            }
            break;
        case TCaptionButtonKind::Minimize:  // a bar at the bottom, 6 x 2
            canvas.FillRect({x + 1, y + 5, x + 7, y + 7});
            break;
        case TCaptionButtonKind::Maximize:  // a window with a thick top edge, 9 x 8
            canvas.FillRect({x, y - 1, x + 9, y + 1});
            canvas.FillRect({x, y + 6, x + 9, y + 7});
            canvas.FillRect({x, y + 1, x + 1, y + 6});
            canvas.FillRect({x + 8, y + 1, x + 9, y + 6});
            break;
        case TCaptionButtonKind::Restore:  // two overlapping windows
            canvas.FillRect({x + 2, y - 1, x + 8, y + 1});
            canvas.FillRect({x + 7, y + 1, x + 8, y + 3});
            canvas.FillRect({x, y + 2, x + 6, y + 4});
            canvas.FillRect({x, y + 7, x + 6, y + 8});
            canvas.FillRect({x, y + 4, x + 1, y + 7});
            canvas.FillRect({x + 5, y + 4, x + 6, y + 7});
            break;
        case TCaptionButtonKind::Help:  // a question mark
            canvas.FillRect({x + 2, y - 1, x + 6, y});
            canvas.FillRect({x + 1, y, x + 3, y + 2});
            canvas.FillRect({x + 5, y, x + 7, y + 2});
            canvas.FillRect({x + 4, y + 2, x + 6, y + 3});
            canvas.FillRect({x + 3, y + 3, x + 5, y + 5});
            canvas.FillRect({x + 3, y + 6, x + 5, y + 8});
            break;
    }
}

}  // namespace

void DrawCaptionButton(Canvas& canvas, const TCaptionButton& button, bool pressed) {
    const Rect& r = button.rect;
    if (r.Width() <= 0 || r.Height() <= 0) return;
    canvas.SetBrushColor(platform::GetSysColor(platform::COLOR_BTNFACE));
    canvas.FillRect(r);
    const TColor face = platform::GetSysColor(platform::COLOR_BTNFACE);
    const TColor light = platform::GetSysColor(platform::COLOR_BTNHIGHLIGHT);
    const TColor shadow = platform::GetSysColor(platform::COLOR_BTNSHADOW);
    if (pressed) {
        EdgeRing(canvas, r, platform::clBlack, light);
        EdgeRing(canvas, Shrunk(r, 1), shadow, face);
    } else {
        EdgeRing(canvas, r, face, platform::clBlack);
        EdgeRing(canvas, Shrunk(r, 1), light, shadow);
    }
    // The glyphs are 8 or 9 pixels wide and 7 or 8 high, centred on the face.
    const int shift = pressed ? 1 : 0;
    const int x = r.left + (r.Width() - 9) / 2 + shift;
    const int y = r.top + (r.Height() - 7) / 2 + shift;
    if (button.enabled) {
        DrawGlyph(canvas, button.kind, x, y, platform::GetSysColor(platform::COLOR_BTNTEXT));
    } else {
        DrawGlyph(canvas, button.kind, x + 1, y + 1, light);
        DrawGlyph(canvas, button.kind, x, y, shadow);
    }
}

void DrawWindowFrame(Canvas& canvas, int w, int h, TFormBorderStyle style) {
    if (style == TFormBorderStyle::bsNone) return;
    const FrameMetrics frame = FrameOf(style);
    const TColor face = platform::GetSysColor(platform::COLOR_BTNFACE);
    canvas.SetBrushColor(face);
    canvas.FillRect({0, 0, w, frame.frameY + frame.captionHeight});
    canvas.FillRect({0, h - frame.frameY, w, h});
    canvas.FillRect({0, 0, frame.frameX, h});
    canvas.FillRect({w - frame.frameX, 0, w, h});
    const Rect outer{0, 0, w, h};
    EdgeRing(canvas, outer, face, platform::clBlack);
    EdgeRing(canvas, Shrunk(outer, 1), platform::GetSysColor(platform::COLOR_BTNHIGHLIGHT),
             platform::GetSysColor(platform::COLOR_BTNSHADOW));
}

QImage ComposeCaption(int w, int h, const TCaptionState& state) {
    QImage image(std::max(w, 1), std::max(h, 1), QImage::Format_RGB32);
    if (w <= 0 || h <= 0) return {};
    Canvas canvas(image);

    const bool gradient = state.active || state.gradientOnInactive;
    const TColor flat = platform::GetSysColor(platform::COLOR_INACTIVECAPTION);
    if (gradient) {
        // Our surfaces are always true colour, so the gradient is the stretched strip, never
        // the solid bands a palette display needs.
        const TGradientTable& table = *(state.active ? state.activeTable : state.inactiveTable);
        const int n = state.gradientColors;
        QImage strip(n, 1, QImage::Format_RGB32);
        for (int i = 0; i < n; ++i)
            strip.setPixelColor(i, 0, platform::ToQColor(table[static_cast<std::size_t>(i)]));
        canvas.StretchDraw({0, 0, w, h}, strip, {0, 0, n, 1});
    } else {
        canvas.SetBrushColor(flat);
        canvas.FillRect({0, 0, w, h});
    }

    const TCaptionLayout layout = LayoutCaption(w, h, state.borderStyle, state.borderIcons, state.maximized);
    if (layout.hasIcon) {
        canvas.SetBrushColor(gradient ? platform::clBlack : flat);
        canvas.FillRect(layout.iconBox);
        const QPixmap icon = state.icon.pixmap(layout.iconSize, layout.iconSize);
        canvas.Painter().drawPixmap(layout.iconX, layout.iconY, layout.iconSize, layout.iconSize, icon);
    }
    for (const TCaptionButton& button : layout.buttons) {
        DrawCaptionButton(canvas, button, state.buttonPressed && state.pressedButton == button.kind);
    }

    Rect r = layout.textArea;
    canvas.SetFont(state.font);
    if (state.beforeText) state.beforeText(canvas, r);
    r.left += 2;
    canvas.SetFont(state.font);
    canvas.SetFontColor(platform::clWhite);
    canvas.SetBrushStyle(platform::BrushStyle::bsClear);
    // No prefix character: a caption shows a file name, whose ampersands are its own.
    canvas.DrawText(
        state.text, r,
        platform::DT_SINGLELINE | platform::DT_VCENTER | platform::DT_END_ELLIPSIS | platform::DT_NOPREFIX);
    return image;
}

}  // namespace controls
