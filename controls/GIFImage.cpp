// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/GIFImage.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPromise>
#include <QtConcurrent/QtConcurrentRun>
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
    CancelLoading();
    animationTimer_.stop();
    // The pictures view the decoder's buffers, so they go first.
    pictures_.clear();
}

// ---------------------------------------------------------------------------------------
// Loading

// What a decode gives the control, made on whichever thread decodes.
struct TGIFImage::TDecoded {
    bool ok = false;
    gif::TGIFDecoding decoding;
    QImage frameBuffer;
    // Frame 1 is drawn on frameBuffer already and its indices are gone (see DecodePicture).
    bool still = false;
    bool framesLeftOut = false;
};

bool TGIFImage::LoadFromFile(const std::string& name) { return Load(name, animate_, false); }

bool TGIFImage::LoadInBackground(const std::string& name) { return Load(name, animate_, true); }

bool TGIFImage::Load(const std::string& name, bool allFrames, bool background) {
    if (!platform::FileExists(name)) return false;
    // The identity is taken before the read, so that a change while reading shows as one.
    std::optional<platform::FileIdentity> identity = platform::IdentityOf(name);
    // Read before anything changes: a file that cannot be read leaves the picture shown.
    std::vector<std::uint8_t> data = platform::ReadWholeFile(name);
    CancelLoading();
    fileName_ = name;
    fileIdentity_ = std::move(identity);
    // What the decoder refuses is known from the first bytes, so that a load in the
    // background gives its result at once too.
    if (!gif::Acceptable(data)) {
        Failed();
        return false;
    }
    if (!background) {
        try {
            if (Show(DecodePicture(std::move(data), allFrames, animate_))) return true;
        } catch (...) {
            // A failure while decoding (memory running out, say) empties the control like a
            // file that is not a GIF: the picture is not shown, and nothing is reported.
        }
        Failed();
        return false;
    }

    setCursor(Qt::BusyCursor);
    loading_ = new QFutureWatcher<TDecoded>(this);
    connect(loading_, &QFutureWatcherBase::finished, this, [this] {
        QFutureWatcher<TDecoded>* const watcher = loading_;
        loading_ = nullptr;
        watcher->deleteLater();
        unsetCursor();
        bool shown = false;
        try {
            shown = watcher->future().resultCount() > 0 && Show(watcher->future().takeResult());
        } catch (...) {
        }
        if (!shown) Failed();
        emit Loaded();
    });
    // The worker holds nothing of the control: a control closed meanwhile drops the watcher,
    // and the result with it.
    loading_->setFuture(QtConcurrent::run(
        [](QPromise<TDecoded>& promise, std::vector<std::uint8_t> bytes, bool all, bool animate) {
            if (promise.isCanceled()) return;
            TDecoded decoded;
            try {
                decoded = DecodePicture(std::move(bytes), all, animate);
            } catch (...) {
                decoded = TDecoded{};
            }
            if (!promise.isCanceled()) promise.addResult(std::move(decoded));
        },
        std::move(data), allFrames, animate_));
    return true;
}

// A newer load or Unload drops the one under way: the worker stops at its next check, and
// what it still finishes is not taken.
void TGIFImage::CancelLoading() {
    if (loading_ == nullptr) return;
    QObject::disconnect(loading_, nullptr, this, nullptr);
    loading_->cancel();
    loading_->deleteLater();
    loading_ = nullptr;
    unsetCursor();
}

void TGIFImage::Failed() {
    fileName_.clear();
    Reset();
    update();
}

bool TGIFImage::FileChanged() const {
    return !fileName_.empty() && platform::IdentityOf(fileName_) != fileIdentity_;
}

void TGIFImage::Unload() {
    CancelLoading();
    fileName_.clear();
    fileIdentity_.reset();
    Reset();
    backgroundSnapshot_ = QImage();
    update();
}

// Decodes the frames the control will show (frame 1 only unless it animates) and makes the
// frame buffer. The file's bytes are let go once decoded, before the frame buffer is made,
// so that the three are never held at once. A picture shown still whose frame 1 covers the
// screen opaquely is all in the frame buffer: no background, colour or snapshot can change
// it, so frame 1 is drawn here and its indices go.
TGIFImage::TDecoded TGIFImage::DecodePicture(std::vector<std::uint8_t> data, bool allFrames, bool animate) {
    TDecoded decoded;
    gif::TGIFDecoding& decoding = decoded.decoding;
    const bool ok = decoding.Decode(std::span<const std::uint8_t>(data), gif::LzwMethod::Strings,
                                    allFrames ? gif::kMaxFrames : 1);
    std::vector<std::uint8_t>().swap(data);
    if (!ok) return decoded;
    decoded.framesLeftOut = !allFrames && decoding.FrameCount() > 1;
    const std::int64_t screenPixels = std::int64_t{decoding.ScreenWidth} * decoding.ScreenHeight;
    decoded.frameBuffer = QImage(decoding.ScreenWidth, decoding.ScreenHeight, QImage::Format_RGB32);
    if (screenPixels > 0 && decoded.frameBuffer.isNull()) return decoded;
    decoded.ok = true;
    if (decoding.FrameCount() < 1 || (animate && decoding.Animated)) return decoded;
    gif::TGIF& first = decoding.Frames.front();
    if (first.Transparent || first.Left != 0 || first.Top != 0 || first.Width != decoding.ScreenWidth ||
        first.Height != decoding.ScreenHeight || first.Image.empty()) {
        return decoded;
    }
    DrawFrameOn(decoded.frameBuffer, first, TTransparentShows::Own);
    first.Image = gif::TFrameBytes{};
    decoded.still = true;
    return decoded;
}

bool TGIFImage::Show(TDecoded decoded) {
    Reset();
    if (!decoded.ok) return false;
    decoding_ = std::move(decoded.decoding);
    framesLeftOut_ = decoded.framesLeftOut;
    stillComposed_ = decoded.still;
    frameBuffer_ = std::move(decoded.frameBuffer);
    if (autoSize_) resize(decoding_.ScreenWidth, decoding_.ScreenHeight);
    pictures_.reserve(decoding_.Frames.size());
    for (const gif::TGIF& frame : decoding_.Frames) pictures_.push_back(MakeFramePictures(frame));
    AfterDecode();
    return true;
}

// Before the frames after the first are shown, they are decoded: the file is read again.
// False when it cannot be, and the picture stays as it was.
bool TGIFImage::TakeAllFrames() {
    if (!framesLeftOut_) return true;
    takingAllFrames_ = true;
    bool loaded = false;
    try {
        loaded = Load(fileName_, true, false);
    } catch (const std::exception&) {
    }
    takingAllFrames_ = false;
    return loaded;
}

void TGIFImage::AfterDecode() {
    // The later frames of the picture shown compose on the snapshot taken when it loaded.
    PrepareBackground(!takingAllFrames_ || backgroundSnapshot_.isNull());
    DrawFrame(1);
    update();
    SetAnimate(animate_);
}

void TGIFImage::Reset() {
    animationTimer_.stop();
    pictures_.clear();
    decoding_ = gif::TGIFDecoding{};
    frameBuffer_ = QImage();
    framesLeftOut_ = false;
    stillComposed_ = false;
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
    RestoreBackground({0, 0, frameBuffer_.width(), frameBuffer_.height()});
}

// Puts the background back on `area` of the frame buffer: Color, and over it, with SeeThrough
// on a transparent picture, what the parent showed there.
void TGIFImage::RestoreBackground(const Rect& area) {
    if (stillComposed_) return;
    Canvas canvas(frameBuffer_);
    canvas.SetBrushColor(color_);
    canvas.FillRect(area);
    if (!(seeThrough_ && decoding_.AnyTransparent) || tile_ || backgroundSnapshot_.isNull()) return;
    const int bw = frameBuffer_.width(), bh = frameBuffer_.height();
    int x = 0, y = 0;
    if (center_ && (bw != width() || bh != height())) {
        x = CenterOffset(width(), bw);
        y = CenterOffset(height(), bh);
    }
    canvas.CopyRect(area, backgroundSnapshot_, {x + area.left, y + area.top, x + area.right, y + area.bottom},
                    platform::SRCCOPY);
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
    if (f.Transparent && seeThrough_) {
        // The buffer stays under the transparent pixels.
        DrawFrameOn(frameBuffer_, f, TTransparentShows::Target);
    } else if (f.Transparent) {
        DrawFrameOn(frameBuffer_, f, TTransparentShows::Key, platform::ToQColor(color_).rgb());
    } else {
        DrawFrameOn(frameBuffer_, f, TTransparentShows::Own);
    }
}

void TGIFImage::DisposeOf(int p) {
    if (p < 1 || p > FrameCount()) return;
    const gif::TGIF& f = Frame(p);
    if (f.Disposal == 1 && !frameBuffer_.isNull()) {
        // Only the frame's own rectangle goes back to the background: what earlier frames
        // left elsewhere on the screen stays.
        RestoreBackground({f.Left, f.Top, f.Left + f.Width, f.Top + f.Height});
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
    if (!TakeAllFrames()) return;
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
    // Loading all frames runs these steps again.
    if (value && framesLeftOut_ && TakeAllFrames()) return;
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
