// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Canvas.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/SysColors.h"

namespace platform {

namespace {

constexpr std::uint32_t kRgbMask = 0x00FFFFFF;
constexpr std::uint32_t kOpaque = 0xFF000000;

// Combines one row of source pixels into a row of the target; the operation is chosen once a
// row rather than once a pixel, which keeps a large frame's copy to a few steps a pixel.
void CombineRow(const std::uint32_t* from, std::uint32_t* to, int width, RasterOp op) {
    const auto each = [&](auto combine) {
        for (int x = 0; x < width; ++x) to[x] = kOpaque | (combine(from[x], to[x]) & kRgbMask);
    };
    switch (op) {
        case RasterOp::SrcCopy: each([](std::uint32_t s, std::uint32_t) { return s; }); return;
        case RasterOp::SrcPaint: each([](std::uint32_t s, std::uint32_t d) { return s | d; }); return;
        case RasterOp::SrcAnd: each([](std::uint32_t s, std::uint32_t d) { return s & d; }); return;
        case RasterOp::SrcInvert: each([](std::uint32_t s, std::uint32_t d) { return s ^ d; }); return;
    }
}

QPainter::CompositionMode CompositionOf(RasterOp op) {
    switch (op) {
        case RasterOp::SrcCopy: return QPainter::CompositionMode_Source;
        case RasterOp::SrcPaint: return QPainter::RasterOp_SourceOrDestination;
        case RasterOp::SrcAnd: return QPainter::RasterOp_SourceAndDestination;
        case RasterOp::SrcInvert: return QPainter::RasterOp_SourceXorDestination;
    }
    return QPainter::CompositionMode_Source;
}

// Clips a copy of sourceRect (in source) to dest's top-left against both the source image
// and the target's size; returns false when nothing is left.
bool ClipCopy(Rect& dest, Rect& src, const QSize& sourceSize, const QSize& targetSize) {
    const int width = std::min(dest.Width(), src.Width());
    const int height = std::min(dest.Height(), src.Height());
    int dx = dest.left, dy = dest.top, sx = src.left, sy = src.top;
    int w = width, h = height;
    const auto clipLow = [](int& a, int& b, int& size) {
        const int cut = std::max({0, -a, -b});
        a += cut;
        b += cut;
        size -= cut;
    };
    clipLow(dx, sx, w);
    clipLow(dy, sy, h);
    w = std::min({w, sourceSize.width() - sx, targetSize.width() - dx});
    h = std::min({h, sourceSize.height() - sy, targetSize.height() - dy});
    if (w <= 0 || h <= 0) return false;
    dest = {dx, dy, dx + w, dy + h};
    src = {sx, sy, sx + w, sy + h};
    return true;
}

}  // namespace

Canvas::Canvas(QImage& image) : image_(&image) {
    ownPainter_.begin(&image);
    painter_ = &ownPainter_;
    painter_->setRenderHint(QPainter::Antialiasing, false);
    font_ = painter_->font();
}

Canvas::Canvas(QPainter& painter) : painter_(&painter) {
    painter_->setRenderHint(QPainter::Antialiasing, false);
    font_ = painter_->font();
}

Canvas::~Canvas() {
    if (ownPainter_.isActive()) ownPainter_.end();
}

void Canvas::SetPenColor(TColor color) { penColor_ = color; }
void Canvas::SetPenStyle(PenStyle style) { penStyle_ = style; }
void Canvas::SetBrushColor(TColor color) { brushColor_ = color; }
void Canvas::SetBrushStyle(BrushStyle style) { brushStyle_ = style; }
void Canvas::SetFontColor(TColor color) { fontColor_ = color; }

void Canvas::SetFont(const QFont& font) {
    font_ = font;
    painter_->setFont(font);
}

void Canvas::MoveTo(int x, int y) {
    penX_ = x;
    penY_ = y;
}

// Lines are set pixel by pixel (Bresenham) rather than with QPainter::drawLine so that the
// end point is left out exactly as the controls' drawing expects, whatever the pen.
void Canvas::LineTo(int x, int y) {
    if (penStyle_ == PenStyle::psSolid) {
        const QColor color = ToQColor(penColor_);
        int cx = penX_, cy = penY_;
        const int dx = std::abs(x - cx), sx = cx < x ? 1 : -1;
        const int dy = -std::abs(y - cy), sy = cy < y ? 1 : -1;
        if (dy == 0 || dx == 0) {
            // Straight lines, the common case, in one fill.
            const int left = std::min(cx, x + (dx == 0 ? 0 : (sx > 0 ? -1 : 1)));
            const int top = std::min(cy, y + (dy == 0 ? 0 : (sy > 0 ? -1 : 1)));
            if (dx != 0) painter_->fillRect(left, cy, dx, 1, color);
            if (dy != 0) painter_->fillRect(cx, top, 1, -dy, color);
        } else {
            int err = dx + dy;
            while (cx != x || cy != y) {
                painter_->fillRect(cx, cy, 1, 1, color);
                const int e2 = 2 * err;
                if (e2 >= dy) {
                    err += dy;
                    cx += sx;
                }
                if (e2 <= dx) {
                    err += dx;
                    cy += sy;
                }
            }
        }
    }
    penX_ = x;
    penY_ = y;
}

void Canvas::Rectangle(int left, int top, int right, int bottom) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    if (penStyle_ == PenStyle::psClear) {
        if (brushStyle_ == BrushStyle::bsSolid && right - left > 1 && bottom - top > 1) {
            painter_->fillRect(left, top, right - left - 1, bottom - top - 1, ToQColor(brushColor_));
        }
        return;
    }
    if (right - left <= 0 || bottom - top <= 0) return;
    if (brushStyle_ == BrushStyle::bsSolid && right - left > 2 && bottom - top > 2) {
        painter_->fillRect(left + 1, top + 1, right - left - 2, bottom - top - 2, ToQColor(brushColor_));
    }
    const QColor pen = ToQColor(penColor_);
    painter_->fillRect(left, top, right - left, 1, pen);
    painter_->fillRect(left, bottom - 1, right - left, 1, pen);
    painter_->fillRect(left, top, 1, bottom - top, pen);
    painter_->fillRect(right - 1, top, 1, bottom - top, pen);
}

void Canvas::FillRect(const Rect& rect) {
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    painter_->fillRect(rect.left, rect.top, rect.Width(), rect.Height(), ToQColor(brushColor_));
}

void Canvas::Pixel(int x, int y, TColor color) { painter_->fillRect(x, y, 1, 1, ToQColor(color)); }

void Canvas::Frame3D(Rect& rect, TColor topColor, TColor bottomColor, int width) {
    const QColor top = ToQColor(topColor);
    const QColor bottom = ToQColor(bottomColor);
    for (; width > 0; --width) {
        const int w = rect.Width(), h = rect.Height();
        if (w > 0 && h > 0) {
            painter_->fillRect(rect.left, rect.top, std::max(w - 1, 1), 1, top);
            painter_->fillRect(rect.left, rect.top, 1, std::max(h - 1, 1), top);
            painter_->fillRect(rect.right - 1, rect.top, 1, h, bottom);
            painter_->fillRect(rect.left, rect.bottom - 1, w, 1, bottom);
        }
        rect = {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
    }
}

void Canvas::CopyRect(const Rect& dest, const QImage& source, const Rect& sourceRect, RasterOp op) {
    Rect d = dest, s = sourceRect;
    const QSize targetSize =
        image_ != nullptr ? image_->size() : QSize(painter_->device()->width(), painter_->device()->height());
    if (!ClipCopy(d, s, source.size(), targetSize)) return;
    const bool indexed = source.format() == QImage::Format_Indexed8 ||
                         source.format() == QImage::Format_Mono || source.format() == QImage::Format_MonoLSB;
    if (image_ == nullptr || (op == RasterOp::SrcCopy && !indexed)) {
        // Through the painter: exact for a plain copy, and the raster composition modes
        // stand in for the bitwise operations on a device we cannot touch directly.
        const QImage piece =
            source.copy(s.left, s.top, s.Width(), s.Height()).convertToFormat(QImage::Format_RGB32);
        const auto mode = painter_->compositionMode();
        painter_->setCompositionMode(CompositionOf(op));
        painter_->drawImage(d.left, d.top, piece);
        painter_->setCompositionMode(mode);
        return;
    }
    // On our own image the operations are done on the pixels themselves, a band at a time: the
    // alpha byte stays opaque (a painter's XOR would clear it), and a copy costs a few steps
    // per pixel and no converted copy of the whole picture, which for a large frame would take
    // four bytes a pixel. The painter must let go of the image while we do.
    ownPainter_.end();
    if (image_->format() != QImage::Format_RGB32 && image_->format() != QImage::Format_ARGB32 &&
        image_->format() != QImage::Format_ARGB32_Premultiplied) {
        *image_ = image_->convertToFormat(QImage::Format_RGB32);
    }
    // A band of 64 rows takes a few megabytes at most, whatever the picture's size.
    constexpr int kBandRows = 64;
    for (int top = 0; top < d.Height(); top += kBandRows) {
        const int rows = std::min(kBandRows, d.Height() - top);
        const QImage band =
            source.copy(s.left, s.top + top, s.Width(), rows).convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < rows; ++y) {
            const auto* from = reinterpret_cast<const std::uint32_t*>(band.constScanLine(y));
            auto* to = reinterpret_cast<std::uint32_t*>(image_->scanLine(d.top + top + y)) + d.left;
            if (op == RasterOp::SrcCopy) {
                std::memcpy(to, from, static_cast<std::size_t>(d.Width()) * sizeof(std::uint32_t));
            } else {
                CombineRow(from, to, d.Width(), op);
            }
        }
    }
    ownPainter_.begin(image_);
    ownPainter_.setRenderHint(QPainter::Antialiasing, false);
    ownPainter_.setFont(font_);
}

void Canvas::Draw(int x, int y, const QImage& image) {
    CopyRect({x, y, x + image.width(), y + image.height()}, image, {0, 0, image.width(), image.height()},
             RasterOp::SrcCopy);
}

void Canvas::StretchDraw(const Rect& dest, const QImage& source, const Rect& sourceRect) {
    if (dest.Width() <= 0 || dest.Height() <= 0) return;
    painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter_->drawImage(QRect(dest.left, dest.top, dest.Width(), dest.Height()), source,
                        QRect(sourceRect.left, sourceRect.top, sourceRect.Width(), sourceRect.Height()));
}

}  // namespace platform
