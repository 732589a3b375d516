// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/GIFImage.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <span>

#include "controls/GIFImageLayout.h"
#include "platform/Canvas.h"
#include "platform/FileBytes.h"
#include "platform/Paths.h"
#include "platform/SysColors.h"

namespace controls {

using platform::Canvas;
using platform::Rect;

TGIFImage::TGIFImage(QWidget* parent) : QWidget(parent), color_(platform::clBtnFace) {
    resize(kDefaultWidth, kDefaultHeight);
    animationTimer_.setTimerType(Qt::PreciseTimer);
    connect(&animationTimer_, &QTimer::timeout, this, &TGIFImage::TimerTick);
}

TGIFImage::~TGIFImage() {
    animationTimer_.stop();
    // The pictures view the decoder's buffers, so they go first.
    pictures_.clear();
}

// ---------------------------------------------------------------------------------------
// Loading

bool TGIFImage::LoadFromFile(const std::string& name) {
    if (!platform::FileExists(name)) return false;
    // The identity is taken before the read, so that a change while reading shows as one.
    std::optional<platform::FileIdentity> identity = platform::IdentityOf(name);
    // Read before anything changes: a file that cannot be read leaves the picture shown.
    const std::vector<std::uint8_t> data = platform::ReadWholeFile(name);
    fileName_ = name;
    fileIdentity_ = std::move(identity);
    try {
        if (Decode(data)) return true;
    } catch (...) {
        // A failure while decoding (memory running out, say) empties the control like a
        // file that is not a GIF: the picture is not shown, and nothing is reported.
    }
    fileName_.clear();
    Reset();
    update();
    return false;
}

bool TGIFImage::FileChanged() const {
    return !fileName_.empty() && platform::IdentityOf(fileName_) != fileIdentity_;
}

void TGIFImage::Unload() {
    fileName_.clear();
    fileIdentity_.reset();
    Reset();
    backgroundSnapshot_ = QImage();
    update();
}

bool TGIFImage::Decode(const std::vector<std::uint8_t>& data) {
    Reset();
    if (!decoding_.Decode(std::span<const std::uint8_t>(data))) return false;
    // The frame buffer takes the logical screen's size; a screen past the decoder's budget
    // is refused before anything of its size is allocated.
    const std::int64_t screenPixels = std::int64_t{decoding_.ScreenWidth} * decoding_.ScreenHeight;
    if (screenPixels > gif::kMaxScreenPixels) return false;
    if (autoSize_) resize(decoding_.ScreenWidth, decoding_.ScreenHeight);
    frameBuffer_ = QImage(decoding_.ScreenWidth, decoding_.ScreenHeight, QImage::Format_RGB32);
    if (screenPixels > 0 && frameBuffer_.isNull()) return false;
    pictures_.reserve(decoding_.Frames.size());
    for (const gif::TGIF& frame : decoding_.Frames) pictures_.push_back(MakeFramePictures(frame));
    AfterDecode();
    return true;
}

void TGIFImage::AfterDecode() {
    PrepareBackground(true);
    DrawFrame(1);
    update();
    SetAnimate(animate_);
}

void TGIFImage::Reset() {
    animationTimer_.stop();
    pictures_.clear();
    decoding_ = gif::TGIFDecoding{};
    frameBuffer_ = QImage();
    position_ = 1;
    loopPass_ = 1;
    firstTick_ = true;
}

// ---------------------------------------------------------------------------------------
// Composing

void TGIFImage::PrepareBackground(bool takeSnapshot) {
    const bool showParent = seeThrough_ && decoding_.AnyTransparent;
    if (takeSnapshot && showParent) backgroundSnapshot_ = SnapshotOfParent();
    if (frameBuffer_.isNull()) return;
    frameBuffer_.fill(platform::ToQColor(color_));
    if (!showParent || tile_ || backgroundSnapshot_.isNull()) return;
    const int bw = frameBuffer_.width(), bh = frameBuffer_.height();
    int x = 0, y = 0;
    if (center_ && (bw != width() || bh != height())) {
        x = CenterOffset(width(), bw);
        y = CenterOffset(height(), bh);
    }
    Canvas canvas(frameBuffer_);
    canvas.CopyRect({0, 0, bw, bh}, backgroundSnapshot_, {x, y, x + bw, y + bh}, platform::SRCCOPY);
}

// What the parent paints under the control, without the control: the parent's own painting,
// then the siblings stacked below this control. Rendered off screen, so nothing flickers.
QImage TGIFImage::SnapshotOfParent() const {
    QImage snapshot(std::max(width(), 1), std::max(height(), 1), QImage::Format_RGB32);
    if (snapshot.isNull()) return snapshot;
    snapshot.fill(platform::ToQColor(color_));
    QWidget* parent = parentWidget();
    if (parent == nullptr) return snapshot;
    QPainter painter(&snapshot);
    parent->render(&painter, QPoint(0, 0), QRegion(geometry()), QWidget::DrawWindowBackground);
    for (QObject* child : parent->children()) {
        if (child == this) break;
        auto* sibling = qobject_cast<QWidget*>(child);
        if (sibling == nullptr || sibling->isWindow() || !sibling->isVisibleTo(parent) ||
            !sibling->geometry().intersects(geometry())) {
            continue;
        }
        sibling->render(&painter, sibling->pos() - pos(), QRegion(),
                        QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    return snapshot;
}

void TGIFImage::DrawFrame(int n) {
    if (FrameCount() < 1 || n < 1 || n > FrameCount() || frameBuffer_.isNull()) return;
    const gif::TGIF& f = Frame(n);
    TFramePictures& pictures = pictures_[static_cast<std::size_t>(n - 1)];
    if (pictures.Image.isNull()) return;
    if (f.Disposal == 2) pictures.SavedArea = frameBuffer_.copy(f.Left, f.Top, f.Width, f.Height);
    Canvas canvas(frameBuffer_);
    const Rect place{f.Left, f.Top, f.Left + f.Width, f.Top + f.Height};
    const Rect whole{0, 0, f.Width, f.Height};
    if (f.Transparent && seeThrough_) {
        // The mask keeps the buffer under the transparent pixels and clears it under the
        // others, which the masked image's colours then fill.
        canvas.CopyRect(place, pictures.Mask, whole, platform::SRCAND);
        canvas.CopyRect(place, pictures.MaskedImage, whole, platform::SRCINVERT);
    } else if (f.Transparent) {
        canvas.Draw(f.Left, f.Top, ColorKeyed(f, pictures.Image, color_));
    } else {
        canvas.Draw(f.Left, f.Top, pictures.Image);
    }
}

void TGIFImage::DisposeOf(int p) {
    if (p < 1 || p > FrameCount()) return;
    const gif::TGIF& f = Frame(p);
    if (f.Disposal == 1) {
        PrepareBackground(false);
    } else if (f.Disposal == 2 && !frameBuffer_.isNull() &&
               !pictures_[static_cast<std::size_t>(p - 1)].SavedArea.isNull()) {
        Canvas canvas(frameBuffer_);
        canvas.Draw(f.Left, f.Top, pictures_[static_cast<std::size_t>(p - 1)].SavedArea);
    }
}

void TGIFImage::Recompose(bool takeSnapshot) {
    PrepareBackground(takeSnapshot);
    position_ = 1;
    DrawFrame(1);
    update();
}

// ---------------------------------------------------------------------------------------
// Animation

void TGIFImage::TimerTick() {
    const int count = FrameCount();
    if (!loop_ && decoding_.LoopCount > 0 && position_ > count) {
        ++loopPass_;
        if (loopPass_ > decoding_.LoopCount) SetAnimate(false);
    }
    if (position_ > count || position_ <= 0) position_ = 1;
    if (firstTick_) {
        firstTick_ = false;
    } else {
        const int previous = position_ - 1;
        DisposeOf(previous < 1 ? count : previous);
    }
    if (count > 0) animationTimer_.setInterval(Frame(position_).Delay);
    DrawFrame(position_);
    update();
    ++position_;
}

// ---------------------------------------------------------------------------------------
// Painting

void TGIFImage::Paint(QPainter& painter) const {
    const int bw = frameBuffer_.width(), bh = frameBuffer_.height();
    const TPicturePlacement placement =
        PlacePicture(width(), height(), bw, bh, {visible_, stretch_, tile_, center_, seeThrough_});
    const Rect& p = placement.place;
    switch (placement.kind) {
        case TPicturePlacement::Kind::Nothing: return;
        case TPicturePlacement::Kind::Stretched:
            painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
            painter.drawImage(QRect(p.left, p.top, p.Width(), p.Height()), frameBuffer_);
            return;
        case TPicturePlacement::Kind::Tiled:
            // One pass with the buffer as a texture, anchored at the control's corner (a new
            // painter's brush origin): the same pixels as a copy at every tile position.
            painter.fillRect(rect(), QBrush(frameBuffer_));
            return;
        case TPicturePlacement::Kind::Placed: painter.drawImage(p.left, p.top, frameBuffer_); return;
    }
}

// The first paint, and the first after every move or resize, prepares the background again
// and shows frame 1: what lies under the control may have changed with its place.
void TGIFImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const Rect bounds{x(), y(), width(), height()};
    if (bounds == lastBounds_) {
        Paint(painter);
        return;
    }
    lastBounds_ = bounds;
    if (seeThrough_ && decoding_.AnyTransparent) {
        // The snapshot renders the parent, which cannot happen inside a paint: it follows
        // right after this one.
        Paint(painter);
        if (!snapshotPending_) {
            snapshotPending_ = true;
            QTimer::singleShot(0, this, [this] {
                snapshotPending_ = false;
                Recompose(true);
            });
        }
        return;
    }
    PrepareBackground(false);
    position_ = 1;
    DrawFrame(1);
    Paint(painter);
}

void TGIFImage::mousePressEvent(QMouseEvent* event) {
    clicks_.Press(*event);
    QWidget::mousePressEvent(event);
}

void TGIFImage::mouseReleaseEvent(QMouseEvent* event) {
    if (clicks_.Release(*event, rect())) emit OnClick();
    QWidget::mouseReleaseEvent(event);
}

void TGIFImage::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit OnDblClick();
    QWidget::mouseDoubleClickEvent(event);
}

// ---------------------------------------------------------------------------------------
// Property setters

void TGIFImage::SetAnimate(bool value) {
    animate_ = value;
    const int count = FrameCount();
    if (value && count > 0) {
        animationTimer_.setInterval(Frame(position_ >= 1 && position_ <= count ? position_ : 1).Delay);
    }
    if (animate_ && decoding_.Animated) {
        if (!animationTimer_.isActive()) animationTimer_.start();
    } else {
        animationTimer_.stop();
    }
    loopPass_ = 1;
    if (!value && position_ > 1) {
        DisposeOf(position_ - 1);
        position_ = 1;
        DrawFrame(1);
        update();
    }
}

void TGIFImage::SetAutoSize(bool value) {
    if (autoSize_ == value) return;
    autoSize_ = value;
    if (value) {
        resize(frameBuffer_.width(), frameBuffer_.height());
        update();
    }
}

void TGIFImage::SetCenter(bool value) {
    if (center_ == value) return;
    center_ = value;
    Recompose(true);
}

void TGIFImage::SetColor(platform::TColor value) {
    if (color_ == value) return;
    color_ = value;
    update();
}

void TGIFImage::SetLoop(bool value) {
    if (loop_ == value) return;
    loop_ = value;
    SetAnimate(animate_);
}

void TGIFImage::SetSeeThrough(bool value) {
    if (seeThrough_ == value) return;
    seeThrough_ = value;
    Recompose(true);
}

void TGIFImage::SetStretch(bool value) {
    if (stretch_ == value) return;
    stretch_ = value;
    update();
}

void TGIFImage::SetTile(bool value) {
    if (tile_ == value) return;
    tile_ = value;
    Recompose(!value);
}

void TGIFImage::SetVisible(bool value) {
    if (visible_ == value) return;
    visible_ = value;
    update();
}

}  // namespace controls
