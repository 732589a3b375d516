// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QPointF>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "app/PickerLens.h"
#include "platform/Color.h"

class QScreen;
class TScreenPicker;

// One screen's cover while the picker runs: the screen as it was grabbed, with the
// magnifier drawn where the pointer is. Mouse and keys go to the picker.
class TPickerOverlay : public QWidget {
    Q_OBJECT

public:
    TPickerOverlay(TScreenPicker& picker, int screen, QPixmap grab);

    // Repaints the old and the new place of the magnifier.
    void MoveLens();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QRect LensRect() const;
    void PaintLens(QPainter& painter, QRect lens) const;

    TScreenPicker& picker_;
    int screen_;
    QPixmap grab_;
    QRect lensShown_;
};

// Edit > Pick from Screen on X11: every screen is grabbed once and covered with an overlay
// that shows the grab, so the colour picked is the one the user saw, even of a window that
// changes meanwhile. A left click (or Enter) picks the pixel under the pointer, in device
// pixels; Escape or a right click cancels. The picker deletes itself when it ends.
class TScreenPicker : public QObject {
    Q_OBJECT

public:
    using Picked = std::function<void(platform::TColor)>;
    // Grabs the screens and shows the overlays. `picked` runs with the colour on a pick, and
    // nothing runs on a cancel. While a picker runs, a second start returns the running one.
    // A screen that cannot be grabbed raises "Unable to read the screen".
    static TScreenPicker* Start(Picked picked);
    // The running picker, if any.
    static TScreenPicker* Running();

    // The pointer at `position`, logical pixels from the corner of overlay `screen`.
    void PointerAt(int screen, QPointF position);
    // The arrow keys: the pointer moves by one device pixel.
    void Nudge(int dx, int dy);
    void Pick();
    void Cancel();

    // What the magnifier shows: the screen it is on, the picked device pixel of that screen's
    // grab, and that pixel's colour. A pixel off the grab has none.
    int ActiveScreen() const { return active_; }
    pickerlens::Point Centre() const { return centre_; }
    platform::TColor CentreColor() const { return *ColorAt(active_, centre_); }
    std::optional<platform::TColor> ColorAt(int screen, pickerlens::Point pixel) const;
    double Ratio(int screen) const { return screens_[static_cast<std::size_t>(screen)].ratio; }
    std::vector<TPickerOverlay*> Overlays() const;

private:
    explicit TScreenPicker(Picked picked);
    void Grab();
    void Finish(std::optional<platform::TColor> color);
    void SetCentre(int screen, pickerlens::Point pixel);
    struct Placed {
        int screen;
        pickerlens::Point pixel;
    };
    // The grabbed pixel under the pointer as the display server places it in device pixels,
    // or nothing where the server cannot say (then the events' logical positions serve).
    std::optional<Placed> DevicePixelUnderPointer() const;
    QPoint DeviceOrigin(int screen) const;

    struct Screen {
        QPointer<QScreen> screen;
        QImage pixels;
        double ratio = 1;
        QPointer<TPickerOverlay> overlay;
    };
    Picked picked_;
    std::vector<Screen> screens_;
    int active_ = 0;
    pickerlens::Point centre_;
    // Where the arrow keys last put the pointer, where it can only be put on whole logical
    // pixels: at a ratio above 1 the move it causes names a coarser pixel than the one the
    // keys chose, and is not taken.
    std::optional<QPoint> warpedTo_;
    bool finished_ = false;
    // The window that had the keyboard before the overlays took it, which gets it back.
    QPointer<QWidget> returnTo_;
};
