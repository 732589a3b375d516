// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/SlideBar.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include "controls/Accessible.h"
#include "platform/Canvas.h"
#include "platform/Cursors.h"
#include "platform/Error.h"
#include "platform/Keys.h"
#include "platform/SysColors.h"

// The bitmaps live in a static library, whose resource initialiser the linker would drop
// unless something refers to it; Q_INIT_RESOURCE must be used outside any namespace.
static void InitSlideBarResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(slidebar);
        return true;
    }();
    (void)done;
}

namespace controls {

namespace {

constexpr int kDefaultWidth = 100;
constexpr int kDefaultHeight = 15;
constexpr int kMinThickness = 1;
constexpr int kMaxThickness = 5;

QRect ToQRect(const BarRect& r) { return {r.left, r.top, r.Width(), r.Height()}; }

}  // namespace

TSlideBar::TSlideBar(QWidget* parent) : QWidget(parent) {
    InitSlideBarResources();
    InstallAccessibleFactory();
    setAttribute(Qt::WA_OpaquePaintEvent);  // the backing image covers every pixel
    setFocusPolicy(Qt::StrongFocus);        // a tab stop that also takes the focus on a click
    resize(kDefaultWidth, kDefaultHeight);
    handPointer_ = LoadHandPointer();
    setCursor(handPointer_);
    SetThumbStyle(TThumbStyle::tsCircle1);
}

TSlideBar::~TSlideBar() = default;

QImage TSlideBar::LoadBitmapResource(std::string_view name) {
    InitSlideBarResources();
    const QString path = QStringLiteral(":/slidebar/thumbs/%1.xpm")
                             .arg(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    const QImage image(path);
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}

QCursor TSlideBar::LoadHandPointer() { return platform::LoadCursorResource("HANDPOINTER"); }

// --- Properties -------------------------------------------------------------------------

void TSlideBar::SetMax(int value) {
    if (value == max_) return;
    max_ = value;
    SetPageSize(DefaultPageSize(min_, max_));
    RepaintAll();
}

void TSlideBar::SetMin(int value) {
    if (value == min_) return;
    min_ = value;
    SetPageSize(DefaultPageSize(min_, max_));
    RepaintAll();
}

void TSlideBar::SetPosition(int value) {
    // Before the control has been painted at its present size there is nothing on screen to
    // move; the next paint places the thumb from the stored value.
    const bool draw = BackingCurrent();
    const BarRect before = thumbRect_;
    if (draw) EraseThumb();
    if (value >= min_ && value <= max_) position_ = value;
    PlaceThumb();
    if (draw) {
        SaveBackground();
        DrawThumb();
        update(ToQRect(before));
        update(ToQRect(thumbRect_));
    }
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent changed(this, position_);
        QAccessible::updateAccessibility(&changed);
    }
    // Every assignment is reported, also an unchanged or rejected value: the main window's
    // colour panel relies on it to resynchronise its fields.
    emit OnChange(this);
}

void TSlideBar::SetOrientation(TOrientation value) {
    if (value == orientation_) return;
    orientation_ = value;
    RepaintAll();
}

void TSlideBar::SetStyle(TBarStyle value) {
    if (value == style_) return;
    style_ = value;
    RepaintAll();
}

void TSlideBar::SetThickness(int value) {
    if (value == thickness_ || value < kMinThickness || value > kMaxThickness) return;
    thickness_ = value;
    RepaintAll();
}

void TSlideBar::SetThumbStyle(TThumbStyle value) {
    if (value == thumbStyle_) return;
    // Checked before anything is stored, so that a bad value leaves the style and the
    // bitmaps as they were.
    const std::optional<ThumbArt> art = ThumbArtOf(value);
    if (!art) throw platform::Error("TSlideBar.SetThumbStyle: Bad value");
    QImage thumb = LoadBitmapResource(art->thumbName);
    QImage mask = LoadBitmapResource(art->maskName);
    Q_ASSERT(thumb.width() == art->width && thumb.height() == art->height);
    Q_ASSERT(mask.width() == art->width && mask.height() >= art->height);
    thumb_ = std::move(thumb);
    mask_ = std::move(mask);
    thumbStyle_ = value;
    RepaintAll();
}

void TSlideBar::SetTicks(bool value) {
    if (value == ticks_) return;
    ticks_ = value;
    RepaintAll();
}

void TSlideBar::SetFrequency(int value) {
    if (value == frequency_) return;
    frequency_ = value;
    RepaintAll();
}

void TSlideBar::SetLineSize(int value) {
    if (value == lineSize_ || value < 1 || value > RangeOf(min_, max_)) return;
    lineSize_ = value;
    if (lineSize_ > pageSize_) pageSize_ = lineSize_;
}

void TSlideBar::SetPageSize(int value) {
    if (value == pageSize_ || value < 1 || value > RangeOf(min_, max_)) return;
    pageSize_ = value;
    if (pageSize_ < lineSize_) lineSize_ = pageSize_;
}

void TSlideBar::SetFocusColor(platform::TColor value) { focusColor_ = value; }

void TSlideBar::SetHandCursor(bool value) {
    if (value == handCursor_) return;
    handCursor_ = value;
    if (handCursor_) {
        setCursor(handPointer_);
    } else {
        unsetCursor();
    }
}

void TSlideBar::SetLabels(const QStringList& value) { labels_ = value; }

void TSlideBar::StepUp(int n) { Step(n); }

void TSlideBar::StepDown(int n) { Step(-static_cast<long long>(n)); }

void TSlideBar::Step(long long delta) {
    if (delta == 0) return;
    SetPosition(SteppedPosition(position_, delta, min_, max_));
}

// --- Drawing ----------------------------------------------------------------------------

SlideBarLayout TSlideBar::Layout() const {
    SlideBarLayout layout;
    layout.width = width();
    layout.height = height();
    layout.thumbWidth = thumb_.width();
    layout.thumbHeight = thumb_.height();
    layout.min = min_;
    layout.max = max_;
    layout.thickness = thickness_;
    layout.orientation = orientation_;
    return layout;
}

QColor TSlideBar::BackgroundColor() const {
    // The control has no colour of its own; it shows its parent's.
    const QWidget* owner = parentWidget() != nullptr ? parentWidget() : this;
    return owner->palette().color(QPalette::Window);
}

bool TSlideBar::BackingCurrent() const { return !backing_.isNull() && backing_.size() == size(); }

void TSlideBar::RepaintAll() {
    RenderBacking();
    repaint();
}

void TSlideBar::RenderBacking() {
    if (thumb_.isNull() || width() <= 0 || height() <= 0) return;
    if (backing_.size() != size()) backing_ = QImage(size(), QImage::Format_RGB32);
    backing_.fill(BackgroundColor());
    {
        platform::Canvas canvas(backing_);
        PaintTrack(canvas);
    }
    PlaceThumb();
    SaveBackground();
    DrawThumb();
}

void TSlideBar::PaintTrack(platform::Canvas& canvas) {
    using namespace platform;
    const SlideBarLayout layout = Layout();
    const BarRect box = TrackBox(layout);
    const TColor c1 = style_ == TBarStyle::bsLowered ? clGray : clWhite;
    const TColor c2 = style_ == TBarStyle::bsRaised ? clGray : clWhite;

    canvas.SetPenStyle(PenStyle::psSolid);
    canvas.SetPenColor(c1);
    canvas.MoveTo(box.right, box.top);
    canvas.LineTo(box.left, box.top);
    canvas.LineTo(box.left, box.bottom);
    canvas.SetPenColor(c2);
    canvas.LineTo(box.right, box.bottom);
    canvas.LineTo(box.right, box.top - 1);

    // A clear pen fills one pixel short on the right and bottom: exactly the inside.
    canvas.SetBrushStyle(BrushStyle::bsSolid);
    canvas.SetBrushColor(hasFocus() ? focusColor_ : clSilver);
    canvas.SetPenStyle(PenStyle::psClear);
    canvas.Rectangle(box.left + 1, box.top + 1, box.right + 1, box.bottom + 1);
    canvas.SetPenStyle(PenStyle::psSolid);

    if (!ticks_) return;
    // Each tick is a 2-pixel stub on and beyond the track's top (or left) edge.
    for (const int at : TickPositions(layout, frequency_)) {
        if (layout.Vertical()) {
            canvas.SetPenColor(c1);
            canvas.MoveTo(box.left, at);
            canvas.LineTo(box.left - 2, at);
            canvas.SetPenColor(c2);
            canvas.MoveTo(box.left, at + 1);
            canvas.LineTo(box.left - 2, at + 1);
        } else {
            canvas.SetPenColor(c1);
            canvas.MoveTo(at, box.top);
            canvas.LineTo(at, box.top - 2);
            canvas.SetPenColor(c2);
            canvas.MoveTo(at + 1, box.top);
            canvas.LineTo(at + 1, box.top - 2);
        }
    }
}

void TSlideBar::PlaceThumb() {
    thumbRect_ = controls::PlaceThumb(Layout(), position_,
                                      dragging_ ? std::optional<int>(dragCoordinate_) : std::nullopt);
}

void TSlideBar::SaveBackground() {
    savedBackground_ = QImage(thumb_.size(), QImage::Format_RGB32);
    // Where the thumb hangs over the control's edge there is nothing to save.
    savedBackground_.fill(BackgroundColor());
    platform::Canvas canvas(savedBackground_);
    canvas.CopyRect({0, 0, thumb_.width(), thumb_.height()}, backing_, thumbRect_, platform::SRCCOPY);
}

void TSlideBar::DrawThumb() {
    const platform::Rect whole{0, 0, thumb_.width(), thumb_.height()};
    QImage composed(thumb_.size(), QImage::Format_RGB32);
    {
        platform::Canvas canvas(composed);
        canvas.CopyRect(whole, savedBackground_, whole, platform::SRCCOPY);
        canvas.CopyRect(whole, mask_, whole, platform::SRCAND);     // clear where the thumb goes
        canvas.CopyRect(whole, thumb_, whole, platform::SRCPAINT);  // and put it there
    }
    platform::Canvas canvas(backing_);
    canvas.Draw(thumbRect_.left, thumbRect_.top, composed);
}

void TSlideBar::EraseThumb() {
    platform::Canvas canvas(backing_);
    canvas.Draw(thumbRect_.left, thumbRect_.top, savedBackground_);
}

void TSlideBar::paintEvent(QPaintEvent* event) {
    if (!BackingCurrent()) RenderBacking();
    // The backing image holds one pixel per logical pixel; at a higher device pixel ratio
    // each is scaled to a whole block, never smoothed.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(event->rect(), backing_, event->rect());
}

// --- Events -----------------------------------------------------------------------------

void TSlideBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    orientation_ = width() >= height() ? TOrientation::orHorizontal : TOrientation::orVertical;
    RepaintAll();
}

void TSlideBar::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // The background follows the parent's colour.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ParentChange) RepaintAll();
}

void TSlideBar::keyPressEvent(QKeyEvent* event) {
    const bool vertical = orientation_ == TOrientation::orVertical;
    switch (platform::VirtualKeyOf(event->key())) {
        case platform::VK_PRIOR: StepDown(pageSize_); break;
        case platform::VK_NEXT: StepUp(pageSize_); break;
        // On a vertical bar Max is at the top, where Home is.
        case platform::VK_END: SetPosition(vertical ? min_ : max_); break;
        case platform::VK_HOME: SetPosition(vertical ? max_ : min_); break;
        case platform::VK_LEFT:
        case platform::VK_DOWN: StepDown(lineSize_); break;
        case platform::VK_RIGHT:
        case platform::VK_UP: StepUp(lineSize_); break;
        default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void TSlideBar::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    dragging_ = thumbRect_.Contains(at.x(), at.y());
    dragCoordinate_ = orientation_ == TOrientation::orVertical ? at.y() : at.x();
}

void TSlideBar::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton) || !dragging_) return;
    const QPoint at = event->position().toPoint();
    const int coordinate = orientation_ == TOrientation::orVertical ? at.y() : at.x();
    if (coordinate == dragCoordinate_) return;
    // The thumb follows the mouse pixel by pixel while Position moves in whole steps.
    dragCoordinate_ = coordinate;
    SetPosition(ValueAtPoint(Layout(), at.x(), at.y()));
}

void TSlideBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    // A click on the track moves by exactly one, judged by where the button comes up.
    const int value = dragging_ ? ValueAtPoint(Layout(), at.x(), at.y())
                                : ValueOfTrackClick(Layout(), thumbRect_, position_, at.x(), at.y());
    dragging_ = false;
    SetPosition(value);
}

void TSlideBar::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    RepaintAll();  // the track's fill follows the focus
}

void TSlideBar::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    RepaintAll();
}

}  // namespace controls
