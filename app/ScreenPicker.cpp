// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ScreenPicker.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "app/AccessibleNames.h"
#include "platform/DevicePointer.h"
#include "platform/Error.h"
#include "platform/ScreenGrab.h"
#include "style/ColorValue.h"

using pickerlens::kCodeHeight;
using pickerlens::kHintHeight;
using pickerlens::kStripsHeight;
using pickerlens::kSwatchHeight;
using pickerlens::kZoomCells;
using pickerlens::Point;

namespace {

QPointer<TScreenPicker>& RunningPicker() {
    static QPointer<TScreenPicker> running;
    return running;
}

// The lens's black-inside-white frame, outside the cells.
constexpr int kLensFrame = 2;

// Cells of the magnifier that fall off the grab, past a screen's edge.
const QColor kOffScreen(0x40, 0x40, 0x40);

// A screen's size times its ratio may land a hair above the whole number it came from.
constexpr double kRatioSlack = 1e-6;

// Shift with an arrow key moves the pointer this many device pixels.
constexpr int kLongNudge = 10;

QColor QtColor(platform::TColor color) {
    const colorvalue::Channels channels = colorvalue::ChannelsOf(color);
    return {channels.red, channels.green, channels.blue};
}

QString CodeOf(platform::TColor color) { return "#" + QString::fromStdString(colorvalue::TagForm(color)); }

// A screen's picture is a block of megabytes. Once the C library has freed one such block,
// it serves the next ones from its heap instead of mapping them apart, and keeps them there
// when they are freed: without this, every pick after the first would leave two pictures'
// worth of memory with the program for good.
void HandBackFreedMemory() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

}  // namespace

TPickerOverlay::TPickerOverlay(TScreenPicker& picker, int screen, QImage grab)
    : QWidget(nullptr,
              Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::BypassWindowManagerHint),
      picker_(picker),
      screen_(screen),
      grab_(std::move(grab)) {
    setObjectName("PickerOverlay");
    setWindowTitle(tr("Pick from Screen"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
    NamePickerOverlay(*this);
}

QRect TPickerOverlay::LensRect() const {
    if (picker_.ActiveScreen() != screen_) return {};
    const Point logical = pickerlens::LogicalPointOf(picker_.Centre(), picker_.Ratio(screen_));
    const int zoom = picker_.ZoomStep();
    const Point origin = pickerlens::LensOrigin(logical, zoom, width(), height());
    const int side = pickerlens::LensSide(zoom);
    return QRect(origin.x, origin.y, side, side + kStripsHeight)
        .adjusted(-kLensFrame, -kLensFrame, kLensFrame, kLensFrame);
}

void TPickerOverlay::MoveLens() {
    const QRect lens = LensRect();
    if (lens == lensShown_) {
        update(lens);
    } else {
        update(lensShown_);
        update(lens);
    }
}

void TPickerOverlay::ReleaseGrab() {
    grab_ = QImage();
    lensShown_ = QRect();
}

void TPickerOverlay::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), grab_,
                      QRectF(event->rect().topLeft() * grab_.devicePixelRatio(),
                             event->rect().size() * grab_.devicePixelRatio()));
    lensShown_ = LensRect();
    if (!lensShown_.isNull()) PaintLens(painter, lensShown_);
}

void TPickerOverlay::PaintLens(QPainter& painter, QRect framed) const {
    const QRect lens = framed.adjusted(kLensFrame, kLensFrame, -kLensFrame, -kLensFrame);
    const int zoom = picker_.ZoomStep();
    const int cells = kZoomCells[static_cast<std::size_t>(zoom)];
    const int size = pickerlens::CellSize(zoom);
    const Point centre = picker_.Centre();
    for (int row = 0; row < cells; ++row) {
        for (int column = 0; column < cells; ++column) {
            const Point pixel{centre.x + column - cells / 2, centre.y + row - cells / 2};
            const std::optional<platform::TColor> color = picker_.ColorAt(screen_, pixel);
            const QColor shown = color ? QtColor(*color) : kOffScreen;
            painter.fillRect(lens.left() + column * size, lens.top() + row * size, size, size, shown);
        }
    }
    // The pixels a pick takes framed black inside white, so that the frame shows on any
    // colour: the middle cell, or the square averaged around it.
    const int sample = picker_.SampleSide();
    const int first = cells / 2 - sample / 2;
    const QRect picked(lens.left() + first * size, lens.top() + first * size, sample * size, sample * size);
    painter.setPen(Qt::white);
    painter.drawRect(picked.adjusted(-2, -2, 1, 1));
    painter.setPen(Qt::black);
    painter.drawRect(picked.adjusted(-1, -1, 0, 0));

    const int side = pickerlens::LensSide(zoom);
    PaintStrips(painter, QRect(lens.left(), lens.top() + side, side, kStripsHeight));
    // The same two-tone frame round the whole lens, drawn in the margin LensRect leaves.
    painter.setPen(Qt::black);
    painter.drawRect(framed.adjusted(1, 1, -2, -2));
    painter.setPen(Qt::white);
    painter.drawRect(framed.adjusted(0, 0, -1, -1));
}

// Under the cells: the code of the colour a pick takes; the colour it replaces (left) beside
// it (right); and how the colour is taken, with the key that changes it.
void TPickerOverlay::PaintStrips(QPainter& painter, QRect strips) const {
    const platform::TColor picked = picker_.PickedColor();
    const QRect code(strips.left(), strips.top(), strips.width(), kCodeHeight);
    painter.fillRect(code, Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(code, Qt::AlignCenter, CodeOf(picked));

    const int half = strips.width() / 2;
    const int swatchTop = code.bottom() + 1;
    painter.fillRect(strips.left(), swatchTop, half, kSwatchHeight, QtColor(picker_.Replaced()));
    painter.fillRect(strips.left() + half, swatchTop, strips.width() - half, kSwatchHeight, QtColor(picked));

    const QRect hint(strips.left(), swatchTop + kSwatchHeight, strips.width(), kHintHeight);
    painter.fillRect(hint, Qt::white);
    const int sample = picker_.SampleSide();
    painter.drawText(hint, Qt::AlignCenter,
                     sample == 1 ? tr("1 pixel (A)") : tr("%1×%1 average (A)").arg(sample));
}

void TPickerOverlay::mouseMoveEvent(QMouseEvent* event) { picker_.PointerAt(screen_, event->position()); }

void TPickerOverlay::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        picker_.PointerAt(screen_, event->position());
        picker_.Pick();
    } else if (event->button() == Qt::RightButton) {
        picker_.Cancel();
    }
}

void TPickerOverlay::wheelEvent(QWheelEvent* event) { picker_.Wheel(event->angleDelta().y()); }

void TPickerOverlay::keyPressEvent(QKeyEvent* event) {
    const int step = event->modifiers().testFlag(Qt::ShiftModifier) ? kLongNudge : 1;
    switch (event->key()) {
        case Qt::Key_Left: picker_.Nudge(-step, 0); break;
        case Qt::Key_Right: picker_.Nudge(step, 0); break;
        case Qt::Key_Up: picker_.Nudge(0, -step); break;
        case Qt::Key_Down: picker_.Nudge(0, step); break;
        // = is + without Shift on many keyboards.
        case Qt::Key_Plus:
        case Qt::Key_Equal: picker_.Zoom(-1); break;
        case Qt::Key_Minus: picker_.Zoom(1); break;
        case Qt::Key_A: picker_.NextSample(); break;
        case Qt::Key_Return:
        case Qt::Key_Enter: picker_.Pick(); break;
        case Qt::Key_Escape: picker_.Cancel(); break;
        default: QWidget::keyPressEvent(event);
    }
}

TScreenPicker::TScreenPicker(Picked picked, platform::TColor replaced)
    : picked_(std::move(picked)), replaced_(replaced) {}

TScreenPicker* TScreenPicker::Running() { return RunningPicker(); }

TScreenPicker::~TScreenPicker() {
    for (Screen& screen : screens_) delete screen.overlay.data();
    HandBackFreedMemory();
}

TScreenPicker* TScreenPicker::Start(Picked picked, platform::TColor replaced) {
    if (RunningPicker()) return RunningPicker();
    auto* picker = new TScreenPicker(std::move(picked), replaced);
    try {
        picker->Grab();
    } catch (...) {
        delete picker;
        throw;
    }
    // What grabbing took on the way (the display server's answer, a conversion) goes back too.
    HandBackFreedMemory();
    RunningPicker() = picker;
    return picker;
}

namespace {

// The screen's device pixels, in one picture that the picker and the overlay share.
QImage GrabScreen(QScreen& screen) {
    const double ratio = screen.devicePixelRatio();
    const QRect area = screen.geometry();
    // The corner is in device pixels already; the size is not (see DeviceOrigin).
    const QSize device(static_cast<int>(std::ceil(area.width() * ratio - kRatioSlack)),
                       static_cast<int>(std::ceil(area.height() * ratio - kRatioSlack)));
    std::optional<QImage> pixels = platform::GrabScreenArea(QRect(area.topLeft(), device));
    if (!pixels) {
        const QPixmap grab = screen.grabWindow(0);
        if (grab.isNull())
            throw platform::Error(
                QCoreApplication::translate("TScreenPicker", "Unable to read the screen").toStdString());
        pixels = grab.toImage();
    }
    pixels->setDevicePixelRatio(ratio);
    return *pixels;
}

}  // namespace

void TScreenPicker::Grab() {
    // Every screen is grabbed before any overlay shows, so that no overlay is in a grab.
    const QList<QScreen*> screens = QApplication::screens();
    for (QScreen* screen : screens) {
        QImage pixels = GrabScreen(*screen);
        const double ratio = pixels.devicePixelRatio();
        screens_.push_back({screen, std::move(pixels), ratio, nullptr});
    }
    if (screens_.empty()) throw platform::Error(tr("Unable to read the screen").toStdString());

    if (const std::optional<Placed> placed = DevicePixelUnderPointer()) {
        active_ = placed->screen;
        centre_ = placed->pixel;
    } else {
        const QPoint pointer = QCursor::pos();
        QScreen* under = QApplication::screenAt(pointer);
        for (std::size_t n = 0; n < screens_.size(); ++n) {
            if (screens_[n].screen == under) active_ = static_cast<int>(n);
        }
        const QRect area = screens_[static_cast<std::size_t>(active_)].screen->geometry();
        const QImage& pixels = screens_[static_cast<std::size_t>(active_)].pixels;
        centre_ = pickerlens::DevicePixelAt(pointer.x() - area.x(), pointer.y() - area.y(), Ratio(active_),
                                            pixels.width(), pixels.height());
    }

    for (std::size_t n = 0; n < screens_.size(); ++n) {
        auto* overlay = new TPickerOverlay(*this, static_cast<int>(n), screens_[n].pixels);
        DescribeColorUnderPointer(*overlay, CodeOf(PickedColor()));
        overlay->setGeometry(screens_[n].screen->geometry());
        overlay->show();
        screens_[n].overlay = overlay;
    }
    returnTo_ = QApplication::activeWindow();
    // Keys go to the picker wherever the pointer is, also on a desktop whose window manager
    // leaves an overlay without focus.
    TPickerOverlay* focused = screens_[static_cast<std::size_t>(active_)].overlay;
    focused->activateWindow();
    focused->setFocus();
    focused->grabKeyboard();
}

std::optional<platform::TColor> TScreenPicker::ColorAt(int screen, Point pixel) const {
    const QImage& pixels = screens_[static_cast<std::size_t>(screen)].pixels;
    if (!pixels.valid(pixel.x, pixel.y)) return std::nullopt;
    const QRgb rgb = pixels.pixel(pixel.x, pixel.y);
    return colorvalue::ColorFromChannels(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

platform::TColor TScreenPicker::PickedColor() const {
    const QImage& pixels = screens_[static_cast<std::size_t>(active_)].pixels;
    const int reach = SampleSide() / 2;
    // Near a screen's edge the square is cut short: only pixels of the screen count.
    pickerlens::TAverage average;
    for (int y = centre_.y - reach; y <= centre_.y + reach; ++y) {
        for (int x = centre_.x - reach; x <= centre_.x + reach; ++x) {
            if (!pixels.valid(x, y)) continue;
            const QRgb rgb = pixels.pixel(x, y);
            average.Add(qRed(rgb), qGreen(rgb), qBlue(rgb));
        }
    }
    const std::array<int, 3> rounded = average.Rounded();
    return colorvalue::ColorFromChannels(rounded[0], rounded[1], rounded[2]);
}

std::vector<TPickerOverlay*> TScreenPicker::Overlays() const {
    std::vector<TPickerOverlay*> overlays;
    for (const Screen& screen : screens_) overlays.push_back(screen.overlay);
    return overlays;
}

bool TScreenPicker::HoldsScreens() const {
    return std::any_of(screens_.begin(), screens_.end(), [](const Screen& screen) {
        return !screen.pixels.isNull() || (screen.overlay && screen.overlay->HoldsGrab());
    });
}

// A screen keeps its top-left corner in device pixels when the toolkit scales it; only its
// size is divided by the ratio.
QPoint TScreenPicker::DeviceOrigin(int screen) const {
    const Screen& on = screens_[static_cast<std::size_t>(screen)];
    return on.screen ? on.screen->geometry().topLeft() : QPoint();
}

std::optional<TScreenPicker::Placed> TScreenPicker::DevicePixelUnderPointer() const {
    const std::optional<QPoint> pointer = platform::DevicePointer();
    if (!pointer) return std::nullopt;
    for (std::size_t n = 0; n < screens_.size(); ++n) {
        const QPoint origin = DeviceOrigin(static_cast<int>(n));
        const QRect grabbed(origin, screens_[n].pixels.size());
        if (screens_[n].screen && grabbed.contains(*pointer)) {
            const QPoint pixel = *pointer - origin;
            return Placed{static_cast<int>(n), {pixel.x(), pixel.y()}};
        }
    }
    return std::nullopt;
}

void TScreenPicker::PointerAt(int screen, QPointF position) {
    const Screen& on = screens_[static_cast<std::size_t>(screen)];
    // Events queued before the end still reach the closed overlays.
    if (finished_ || !on.screen) return;
    // Where the display server tells the device pixel, the event's logical position, which
    // the toolkit has rounded to whole logical pixels, is not used.
    if (const std::optional<Placed> placed = DevicePixelUnderPointer()) {
        warpedTo_.reset();
        SetCentre(placed->screen, placed->pixel);
        return;
    }
    const QRect area = on.screen->geometry();
    if (warpedTo_ && position + area.topLeft() == QPointF(*warpedTo_)) return;
    warpedTo_.reset();
    SetCentre(screen, pickerlens::DevicePixelAt(position.x(), position.y(), on.ratio, on.pixels.width(),
                                                on.pixels.height()));
}

void TScreenPicker::Nudge(int dx, int dy) {
    if (finished_) return;
    const Screen& on = screens_[static_cast<std::size_t>(active_)];
    const Point pixel = pickerlens::Nudged(centre_, dx, dy, on.pixels.width(), on.pixels.height());
    SetCentre(active_, pixel);
    if (!on.screen) return;
    // The display server puts the pointer on the very device pixel; the move it reports
    // then names the same pixel.
    if (platform::MoveDevicePointer(DeviceOrigin(active_) + QPoint(pixel.x, pixel.y))) return;
    const Point logical = pickerlens::LogicalPointOf(pixel, on.ratio);
    warpedTo_ = on.screen->geometry().topLeft() + QPoint(logical.x, logical.y);
    QCursor::setPos(on.screen, *warpedTo_);
}

void TScreenPicker::SetCentre(int screen, Point pixel) {
    if (screen == active_ && pixel == centre_) return;
    const int left = active_;
    active_ = screen;
    centre_ = pixel;
    if (left != screen) {
        if (TPickerOverlay* overlay = screens_[static_cast<std::size_t>(left)].overlay) overlay->MoveLens();
    }
    ShowLens();
}

void TScreenPicker::ShowLens() {
    if (TPickerOverlay* overlay = screens_[static_cast<std::size_t>(active_)].overlay) {
        overlay->MoveLens();
        DescribeColorUnderPointer(*overlay, CodeOf(PickedColor()));
    }
}

void TScreenPicker::Wheel(int delta) {
    // Turned away from the user the wheel magnifies: fewer cells.
    if (const int notches = pickerlens::WheelNotches(wheelPending_, delta)) Zoom(-notches);
}

void TScreenPicker::Zoom(int steps) {
    const int zoom = pickerlens::ZoomedBy(zoom_, steps);
    if (finished_ || zoom == zoom_) return;
    zoom_ = zoom;
    ShowLens();
}

void TScreenPicker::NextSample() {
    if (finished_) return;
    sample_ = (sample_ + 1) % pickerlens::kSampleSides.size();
    ShowLens();
}

void TScreenPicker::Pick() {
    if (!finished_) Finish(PickedColor());
}

void TScreenPicker::Cancel() { Finish(std::nullopt); }

void TScreenPicker::Finish(std::optional<platform::TColor> color) {
    if (finished_) return;
    finished_ = true;
    // The pictures are let go now: the picker and its overlays are deleted only once the
    // event loop comes round, which a dialog opened on the pick puts off.
    for (Screen& screen : screens_) {
        screen.pixels = QImage();
        if (screen.overlay) {
            screen.overlay->releaseKeyboard();
            screen.overlay->ReleaseGrab();
            screen.overlay->close();
        }
    }
    if (returnTo_) returnTo_->activateWindow();
    deleteLater();
    RunningPicker() = nullptr;
    if (color && picked_) picked_(*color);
}
