// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QObject>
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
    // `grab` is the screen's picture, at the screen's device pixel ratio.
    TPickerOverlay(TScreenPicker& picker, int screen, QImage grab);

    // Repaints the old and the new place of the magnifier.
    void MoveLens();
    // The pick is over: the screen's picture is let go at once, not when the overlay is
    // deleted, so that nothing holds it while the event loop catches up.
    void ReleaseGrab();
    bool HoldsGrab() const { return !grab_.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QRect LensRect() const;
    void PaintLens(QPainter& painter, QRect lens) const;
    void PaintStrips(QPainter& painter, QRect strips) const;

    TScreenPicker& picker_;
    int screen_;
    QImage grab_;
    QRect lensShown_;
};

// Edit > Pick from Screen on X11: every screen is grabbed once and covered with an overlay
// that shows the grab, so the colour picked is the one the user saw, even of a window that
// changes meanwhile. A left click (or Enter) picks the pixel under the pointer, in device
// pixels, or the average of the square around it; Escape or a right click cancels. The
// wheel (or + and -) zooms the magnifier. The picker lets go of the screens' pictures when
// it ends, and deletes itself with its overlays.
class TScreenPicker : public QObject {
    Q_OBJECT

public:
    using Picked = std::function<void(platform::TColor)>;
    // Grabs the screens and shows the overlays. `picked` runs with the colour on a pick, and
    // nothing runs on a cancel; `replaced` is the colour the pick would replace, shown beside
    // the new one. While a picker runs, a second start returns the running one. A screen that
    // cannot be grabbed raises "Unable to read the screen".
    static TScreenPicker* Start(Picked picked, platform::TColor replaced);
    // The running picker, if any.
    static TScreenPicker* Running();
    // Deletes the overlays, and hands the memory their pictures took back to the system.
    ~TScreenPicker() override;

    // The pointer at `position`, logical pixels from the corner of overlay `screen`.
    void PointerAt(int screen, QPointF position);
    // The arrow keys: the pointer moves by `dx`, `dy` device pixels.
    void Nudge(int dx, int dy);
    // Wheel turns, in eighths of a degree: away from the user magnifies.
    void Wheel(int delta);
    // `steps` zoom steps on, positive for more cells (less magnified).
    void Zoom(int steps);
    // One pixel, then the averages of 3 x 3 and 5 x 5, then one pixel again.
    void NextSample();
    void Pick();
    void Cancel();

    // What the magnifier shows: the screen it is on, the device pixel of that screen's grab
    // in its middle, the zoom step and the side of the square picked (pickerlens'
    // kZoomCells and kSampleSides), the colour a pick takes now and the one it replaces. A
    // pixel off the grab has no colour.
    int ActiveScreen() const { return active_; }
    pickerlens::Point Centre() const { return centre_; }
    int ZoomStep() const { return zoom_; }
    int SampleSide() const { return pickerlens::kSampleSides[sample_]; }
    platform::TColor PickedColor() const;
    platform::TColor Replaced() const { return replaced_; }
    std::optional<platform::TColor> ColorAt(int screen, pickerlens::Point pixel) const;
    double Ratio(int screen) const { return screens_[static_cast<std::size_t>(screen)].ratio; }
    std::vector<TPickerOverlay*> Overlays() const;
    // Whether it still holds a picture of any screen; it lets go of them all when it ends.
    bool HoldsScreens() const;

private:
    TScreenPicker(Picked picked, platform::TColor replaced);
    void Grab();
    void Finish(std::optional<platform::TColor> color);
    void SetCentre(int screen, pickerlens::Point pixel);
    // The active overlay's lens drawn anew, and its description telling the colour.
    void ShowLens();
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
    platform::TColor replaced_;
    std::vector<Screen> screens_;
    int active_ = 0;
    pickerlens::Point centre_;
    int zoom_ = pickerlens::kDefaultZoom;
    std::size_t sample_ = 0;
    // What a smooth wheel turned short of a notch.
    int wheelPending_ = 0;
    // Where the arrow keys last put the pointer, where it can only be put on whole logical
    // pixels: at a ratio above 1 the move it causes names a coarser pixel than the one the
    // keys chose, and is not taken.
    std::optional<QPoint> warpedTo_;
    bool finished_ = false;
    // The window that had the keyboard before the overlays took it, which gets it back.
    QPointer<QWidget> returnTo_;
};
