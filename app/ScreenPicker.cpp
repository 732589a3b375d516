// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ScreenPicker.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include "app/AccessibleNames.h"
#include "platform/DevicePointer.h"
#include "platform/Error.h"
#include "style/ColorValue.h"

using pickerlens::kCells;
using pickerlens::kCellSize;
using pickerlens::kCodeHeight;
using pickerlens::kLensSide;
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

QColor QtColor(platform::TColor color) {
    const colorvalue::Channels channels = colorvalue::ChannelsOf(color);
    return {channels.red, channels.green, channels.blue};
}

QString CodeOf(platform::TColor color) { return "#" + QString::fromStdString(colorvalue::TagForm(color)); }

}  // namespace

TPickerOverlay::TPickerOverlay(TScreenPicker& picker, int screen, QPixmap grab)
    : QWidget(nullptr,
              Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::BypassWindowManagerHint),
      picker_(picker),
      screen_(screen),
      grab_(std::move(grab)) {
    setObjectName("PickerOverlay");
    setWindowTitle(tr("Pick from Screen"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
    NamePickerOverlay(*this);
}

QRect TPickerOverlay::LensRect() const {
    if (picker_.ActiveScreen() != screen_) return {};
    const Point logical = pickerlens::LogicalPointOf(picker_.Centre(), picker_.Ratio(screen_));
    const Point origin = pickerlens::LensOrigin(logical, width(), height());
    return QRect(origin.x, origin.y, kLensSide, kLensSide + kCodeHeight)
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

void TPickerOverlay::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawPixmap(event->rect(), grab_,
                       QRectF(event->rect().topLeft() * grab_.devicePixelRatio(),
                              event->rect().size() * grab_.devicePixelRatio()));
    lensShown_ = LensRect();
    if (!lensShown_.isNull()) PaintLens(painter, lensShown_);
}

void TPickerOverlay::PaintLens(QPainter& painter, QRect framed) const {
    const QRect lens = framed.adjusted(kLensFrame, kLensFrame, -kLensFrame, -kLensFrame);
    const Point centre = picker_.Centre();
    for (int row = 0; row < kCells; ++row) {
        for (int column = 0; column < kCells; ++column) {
            const Point pixel{centre.x + column - kCells / 2, centre.y + row - kCells / 2};
            const std::optional<platform::TColor> color = picker_.ColorAt(screen_, pixel);
            const QColor shown = color ? QtColor(*color) : kOffScreen;
            painter.fillRect(lens.left() + column * kCellSize, lens.top() + row * kCellSize, kCellSize,
                             kCellSize, shown);
        }
    }
    // The centre cell framed black inside white, so that the frame shows on any colour.
    const QRect cell(lens.left() + kCells / 2 * kCellSize, lens.top() + kCells / 2 * kCellSize, kCellSize,
                     kCellSize);
    painter.setPen(Qt::white);
    painter.drawRect(cell.adjusted(-2, -2, 1, 1));
    painter.setPen(Qt::black);
    painter.drawRect(cell.adjusted(-1, -1, 0, 0));

    const QRect code(lens.left(), lens.top() + kLensSide, kLensSide, kCodeHeight);
    painter.fillRect(code, Qt::white);
    painter.drawText(code, Qt::AlignCenter, CodeOf(picker_.CentreColor()));
    // The same two-tone frame round the whole lens, drawn in the margin LensRect leaves.
    painter.drawRect(framed.adjusted(1, 1, -2, -2));
    painter.setPen(Qt::white);
    painter.drawRect(framed.adjusted(0, 0, -1, -1));
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

void TPickerOverlay::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left: picker_.Nudge(-1, 0); break;
        case Qt::Key_Right: picker_.Nudge(1, 0); break;
        case Qt::Key_Up: picker_.Nudge(0, -1); break;
        case Qt::Key_Down: picker_.Nudge(0, 1); break;
        case Qt::Key_Return:
        case Qt::Key_Enter: picker_.Pick(); break;
        case Qt::Key_Escape: picker_.Cancel(); break;
        default: QWidget::keyPressEvent(event);
    }
}

TScreenPicker::TScreenPicker(Picked picked) : picked_(std::move(picked)) {}

TScreenPicker* TScreenPicker::Running() { return RunningPicker(); }

TScreenPicker* TScreenPicker::Start(Picked picked) {
    if (RunningPicker()) return RunningPicker();
    auto* picker = new TScreenPicker(std::move(picked));
    try {
        picker->Grab();
    } catch (...) {
        delete picker;
        throw;
    }
    RunningPicker() = picker;
    return picker;
}

void TScreenPicker::Grab() {
    // Every screen is grabbed before any overlay shows, so that no overlay is in a grab.
    std::vector<QPixmap> grabs;
    const QList<QScreen*> screens = QApplication::screens();
    for (QScreen* screen : screens) {
        QPixmap grab = screen->grabWindow(0);
        if (grab.isNull()) throw platform::Error("Unable to read the screen");
        screens_.push_back({screen, grab.toImage(), grab.devicePixelRatio(), nullptr});
        grabs.push_back(std::move(grab));
    }
    if (screens_.empty()) throw platform::Error("Unable to read the screen");

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
        auto* overlay = new TPickerOverlay(*this, static_cast<int>(n), std::move(grabs[n]));
        DescribeColorUnderPointer(*overlay, CodeOf(CentreColor()));
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

std::vector<TPickerOverlay*> TScreenPicker::Overlays() const {
    std::vector<TPickerOverlay*> overlays;
    for (const Screen& screen : screens_) overlays.push_back(screen.overlay);
    return overlays;
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
    if (!on.screen) return;
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
    const Screen& on = screens_[static_cast<std::size_t>(active_)];
    const Point pixel{std::clamp(centre_.x + dx, 0, on.pixels.width() - 1),
                      std::clamp(centre_.y + dy, 0, on.pixels.height() - 1)};
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
    for (int n : {left, screen}) {
        if (TPickerOverlay* overlay = screens_[static_cast<std::size_t>(n)].overlay) overlay->MoveLens();
    }
    if (TPickerOverlay* overlay = screens_[static_cast<std::size_t>(screen)].overlay)
        DescribeColorUnderPointer(*overlay, CodeOf(CentreColor()));
}

void TScreenPicker::Pick() { Finish(CentreColor()); }

void TScreenPicker::Cancel() { Finish(std::nullopt); }

void TScreenPicker::Finish(std::optional<platform::TColor> color) {
    if (finished_) return;
    finished_ = true;
    for (Screen& screen : screens_) {
        if (screen.overlay) {
            screen.overlay->releaseKeyboard();
            screen.overlay->close();
        }
    }
    if (returnTo_) returnTo_->activateWindow();
    deleteLater();
    RunningPicker() = nullptr;
    if (color && picked_) picked_(*color);
}
