// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/BoxLabl.h"

#include <QAccessible>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

#include "controls/Accessible.h"
#include "platform/Canvas.h"
#include "platform/SysColors.h"

namespace controls {

using platform::Canvas;
using platform::TColor;

namespace {

TColor ColorOf(FrameColor color) {
    return color == FrameColor::White ? platform::clWhite : platform::clBtnShadow;
}

// Each stroke draws in its own colour and then puts the pen back, so that the black
// border that may follow is drawn in the pen the canvas had.
void DrawStrokes(Canvas& canvas, const std::vector<FrameStroke>& strokes) {
    const TColor pen = canvas.PenColor();
    for (const FrameStroke& s : strokes) {
        canvas.SetPenColor(ColorOf(s.color));
        canvas.MoveTo(s.fromX, s.fromY);
        canvas.LineTo(s.cornerX, s.cornerY);
        canvas.LineTo(s.toX, s.toY);
        canvas.SetPenColor(pen);
    }
}

// Cuts text to at most maxLength UTF-16 units without splitting a surrogate pair.
QString CutText(const QString& text, int maxLength) {
    if (text.size() <= maxLength) return text;
    qsizetype keep = maxLength;
    if (text[keep - 1].isHighSurrogate()) --keep;
    return text.left(keep);
}

unsigned AlignmentFlag(TAlignment alignment) {
    switch (alignment) {
        case TAlignment::taLeftJustify: return platform::DT_LEFT;
        case TAlignment::taRightJustify: return platform::DT_RIGHT;
        case TAlignment::taCenter: return platform::DT_CENTER;
    }
    return platform::DT_LEFT;
}

}  // namespace

TCustomBoxLabel::TCustomBoxLabel(QWidget* parent)
    : QWidget(parent), color_(platform::clBtnFace), fontColor_(platform::clWindowText) {
    InstallAccessibleFactory();
    setFocusPolicy(Qt::NoFocus);
    // The paint fills every pixel, so Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);  // moves are reported with no button down, too
    resize(kDefaultWidth, kDefaultHeight);
    // A new label shows its name, which is still empty while it is being made.
    caption_ = objectName();
}

void TCustomBoxLabel::SetAlignment(TAlignment value) { Store(style_.alignment, value); }
void TCustomBoxLabel::SetHorizontalAlign(THorizontalAlignment value) { Store(style_.verticalAlign, value); }
void TCustomBoxLabel::SetBevelInner(TBevelStyle value) { Store(style_.bevelInner, value); }
void TCustomBoxLabel::SetBevelOuter(TBevelStyle value) { Store(style_.bevelOuter, value); }
void TCustomBoxLabel::SetBevelWidth(int value) { Store(style_.bevelWidth, value); }
void TCustomBoxLabel::SetBorderStyle(TBorderStyle value) { Store(style_.borderStyle, value); }
void TCustomBoxLabel::SetWordWrap(bool value) { Store(wordWrap_, value); }
void TCustomBoxLabel::SetCaption(const QString& value) {
    if (value == caption_) return;
    Store(caption_, value);
    // A screen reader names the label by its text.
    if (QAccessible::isActive()) {
        QAccessibleEvent renamed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
}
void TCustomBoxLabel::SetColor(TColor value) { Store(color_, value); }
void TCustomBoxLabel::SetFontColor(TColor value) { Store(fontColor_, value); }
void TCustomBoxLabel::SetTextBorder(int value) { Store(textBorder_, value); }

QString TCustomBoxLabel::GetText() const { return caption_; }
void TCustomBoxLabel::SetText(const QString& value) { SetCaption(value); }

void TCustomBoxLabel::paintEvent(QPaintEvent* /*event*/) {
    if (width() <= 0 || height() <= 0) return;
    BoxLabelStyle style = style_;
    style.width = width();
    style.height = height();
    const BoxFrame frame = ComputeBoxFrame(style);

    // The box is pixel art: it is drawn at one image pixel per logical pixel and scaled
    // without smoothing, so at any device pixel ratio each pixel becomes a whole block. Only
    // the text is drawn on the device's finer grid.
    QImage box(size(), QImage::Format_RGB32);
    {
        Canvas canvas(box);
        canvas.SetBrushColor(color_);
        canvas.FillRect({0, 0, style.width, style.height});
        DrawStrokes(canvas, frame.outer);
        if (frame.border) {
            canvas.Rectangle(frame.border->left, frame.border->top, frame.border->right,
                             frame.border->bottom);
        }
        DrawStrokes(canvas, frame.inner);
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect(), box);

    Canvas canvas(painter);
    canvas.SetBrushColor(color_);
    const QString text = CutText(GetText(), kMaxTextLength);
    canvas.SetFont(font());
    const unsigned wrap = wordWrap_ ? platform::DT_WORDBREAK : 0;
    const int measureWidth = wordWrap_ ? BoxTextWrapWidth(style, frame.inset) : style.width;
    platform::Rect measured{0, 0, measureWidth, style.height};
    canvas.DrawText(text, measured, platform::DT_CALCRECT | wrap);

    const BoxRect placed = PlaceBoxText(style, frame.inset, measured.right, measured.bottom);
    platform::Rect tr{placed.left, placed.top, placed.right, placed.bottom};
    const unsigned flags = AlignmentFlag(style.alignment) | wrap;
    if (Enabled()) {
        canvas.SetFontColor(fontColor_);
        canvas.DrawText(text, tr, flags);
        return;
    }
    // Disabled: an embossed look, a white copy one pixel down and right under a grey one
    // that lets it show through.
    platform::Rect shifted{tr.left + 1, tr.top + 1, tr.right, tr.bottom};
    canvas.SetFontColor(platform::clWhite);
    canvas.DrawText(text, shifted, flags);
    canvas.SetFontColor(platform::clGray);
    canvas.SetBrushStyle(platform::BrushStyle::bsClear);
    canvas.DrawText(text, tr, flags);
}

void TCustomBoxLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::EnabledChange) update();
    QWidget::changeEvent(event);
}

void TCustomBoxLabel::mousePressEvent(QMouseEvent* event) {
    clicks_.Press(*event);
    emit OnMouseDown(this, event->button(), event->modifiers(), event->position().toPoint());
}

// A click is a left press and release both inside the label; Qt keeps the mouse with the
// label in between, so a release outside arrives here too and is no click.
void TCustomBoxLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (clicks_.Release(*event, rect())) emit OnClick(this);
    emit OnMouseUp(this, event->button(), event->modifiers(), event->position().toPoint());
}

// The second press of a double click raises the double click instead of a second click.
void TCustomBoxLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit OnDblClick(this);
    emit OnMouseDown(this, event->button(), event->modifiers(), event->position().toPoint());
}

void TCustomBoxLabel::mouseMoveEvent(QMouseEvent* event) {
    emit OnMouseMove(this, event->modifiers(), event->position().toPoint());
}

}  // namespace controls
