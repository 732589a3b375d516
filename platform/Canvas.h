// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

#include "platform/Color.h"
#include "platform/Rect.h"

namespace platform {

// Raster operations of the bit-block copies, with the classic codes.
enum class RasterOp : unsigned {
    SrcCopy = 0x00CC0020,    // dest := source
    SrcPaint = 0x00EE0086,   // dest := source OR dest
    SrcAnd = 0x008800C6,     // dest := source AND dest
    SrcInvert = 0x00660046,  // dest := source XOR dest
};
inline constexpr RasterOp SRCCOPY = RasterOp::SrcCopy;
inline constexpr RasterOp SRCPAINT = RasterOp::SrcPaint;
inline constexpr RasterOp SRCAND = RasterOp::SrcAnd;
inline constexpr RasterOp SRCINVERT = RasterOp::SrcInvert;

// Text drawing flags, with their classic values.
inline constexpr unsigned DT_TOP = 0x0000;
inline constexpr unsigned DT_LEFT = 0x0000;
inline constexpr unsigned DT_CENTER = 0x0001;
inline constexpr unsigned DT_RIGHT = 0x0002;
inline constexpr unsigned DT_VCENTER = 0x0004;
inline constexpr unsigned DT_BOTTOM = 0x0008;
inline constexpr unsigned DT_WORDBREAK = 0x0010;
inline constexpr unsigned DT_SINGLELINE = 0x0020;
inline constexpr unsigned DT_CALCRECT = 0x0400;
inline constexpr unsigned DT_NOPREFIX = 0x0800;
inline constexpr unsigned DT_END_ELLIPSIS = 0x8000;

enum class PenStyle { psSolid, psClear };
enum class BrushStyle { bsSolid, bsClear };

// A drawing surface with the pixel rules of the classic GDI canvas that our controls are
// drawn to: aliased one-pixel pens, lines that stop short of their end point, rectangles
// whose right and bottom edges are exclusive, and bit-block copies with raster operations.
// Colours may be system colours; they are resolved with GetSysColor when used.
//
// A Canvas draws either into a QImage it is given (where every raster operation is exact)
// or onto any paint device through a QPainter that the caller owns (a widget in its
// paintEvent); on the latter, the raster operations use the painter's raster composition
// modes.
class Canvas {
public:
    explicit Canvas(QImage& image);
    explicit Canvas(QPainter& painter);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    void SetPenColor(TColor color);
    TColor PenColor() const { return penColor_; }
    void SetPenStyle(PenStyle style);
    PenStyle GetPenStyle() const { return penStyle_; }
    void SetBrushColor(TColor color);
    TColor BrushColor() const { return brushColor_; }
    void SetBrushStyle(BrushStyle style);
    BrushStyle GetBrushStyle() const { return brushStyle_; }
    void SetFont(const QFont& font);
    const QFont& Font() const { return font_; }
    void SetFontColor(TColor color);
    TColor FontColor() const { return fontColor_; }

    // The pen's current position; LineTo draws from it up to, but not including, (x, y)
    // and leaves the position at (x, y).
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    int PenX() const { return penX_; }
    int PenY() const { return penY_; }

    // Outline in the pen (unless clear) on left..right-1, top..bottom-1, inside filled
    // with the brush (unless clear). With a clear pen the fill covers left..right-2 and
    // top..bottom-2: one pixel short on the right and at the bottom.
    void Rectangle(int left, int top, int right, int bottom);
    // Fills the rectangle with the brush colour, whatever the brush style.
    void FillRect(const Rect& rect);
    void Pixel(int x, int y, TColor color);
    // A 3-D frame `width` rings deep just inside rect: topColor on the top and left edges,
    // bottomColor on the bottom and right ones (the top-right and bottom-left corner pixels
    // included). rect is shrunk by width on every side.
    void Frame3D(Rect& rect, TColor topColor, TColor bottomColor, int width);

    // Copies source's sourceRect onto dest's top-left with the raster operation. Both
    // rectangles have the same size; parts outside the source or this canvas are clipped.
    void CopyRect(const Rect& dest, const QImage& source, const Rect& sourceRect, RasterOp op);
    // Draws the whole image at (x, y), as a SRCCOPY.
    void Draw(int x, int y, const QImage& image);
    // Stretches source's sourceRect onto dest.
    void StretchDraw(const Rect& dest, const QImage& source, const Rect& sourceRect);

    // Draws text in rect with the DT_ flags and the canvas's font and font colour. The text
    // cells are filled with the brush colour when the brush is solid, and transparent when
    // it is clear. Without DT_NOPREFIX an ampersand is not shown and underlines the next
    // character, and "&&" shows one ampersand. With DT_CALCRECT nothing is drawn: rect's
    // right and bottom are set to fit the text (broken to rect's width with DT_WORDBREAK).
    // Returns the height of the text.
    int DrawText(const QString& text, Rect& rect, unsigned flags);

    QPainter& Painter() { return *painter_; }

private:
    QPainter* painter_ = nullptr;
    QPainter ownPainter_;
    QImage* image_ = nullptr;
    TColor penColor_ = clBlack;
    PenStyle penStyle_ = PenStyle::psSolid;
    TColor brushColor_ = clWhite;
    BrushStyle brushStyle_ = BrushStyle::bsSolid;
    QFont font_;
    TColor fontColor_ = clBlack;
    int penX_ = 0;
    int penY_ = 0;
};

}  // namespace platform
