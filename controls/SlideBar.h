// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include <QCursor>
#include <QImage>
#include <QStringList>
#include <QWidget>

#include "controls/SlideBarGeometry.h"
#include "platform/Color.h"

namespace platform {
class Canvas;
}

namespace controls {

// A self-painted control for choosing an integer in Min..Max: a thin bevelled track with
// optional tick marks and a small bitmap thumb, moved with the mouse (drag, or a click on
// the track for one step) or the keyboard. Every run-time assignment of Position, even of
// the same or an out-of-range value, emits OnChange.
//
// The control draws into a backing image of its own size and paintEvent only copies it out.
// A Position change moves the thumb in that image without touching the track (the area
// under the thumb is saved and put back, and the thumb is composed off screen through its
// mask) and asks Qt to repaint just the thumb's old and new rectangles.
class TSlideBar : public QWidget {
    Q_OBJECT

public:
    explicit TSlideBar(QWidget* parent = nullptr);
    ~TSlideBar() override;

    // Max and Min are stored without checking one against the other, and Position is left
    // alone; each resets PageSize to a tenth of the range (at least 1) and repaints.
    int Max() const { return max_; }
    void SetMax(int value);
    int Min() const { return min_; }
    void SetMin(int value);

    int Position() const { return position_; }
    // A value outside Min..Max is not stored, but the thumb is redrawn and OnChange emitted
    // all the same.
    void SetPosition(int value);

    // Set from the control's shape at every resize: horizontal when at least as wide as high.
    TOrientation Orientation() const { return orientation_; }
    void SetOrientation(TOrientation value);
    TBarStyle Style() const { return style_; }
    void SetStyle(TBarStyle value);
    // The pixels across the track's inside; only 1..5 are accepted.
    int Thickness() const { return thickness_; }
    void SetThickness(int value);
    // Raises platform::Error "TSlideBar.SetThumbStyle: Bad value" for a value outside the 18
    // styles, keeping the previous style and its bitmaps.
    TThumbStyle ThumbStyle() const { return thumbStyle_; }
    void SetThumbStyle(TThumbStyle value);
    bool Ticks() const { return ticks_; }
    void SetTicks(bool value);
    // Ticks mark the multiples of Frequency (counted from zero); below 1 there are none.
    int Frequency() const { return frequency_; }
    void SetFrequency(int value);
    // The step of the arrow keys and of Page Up/Down. A value below 1, above Max - Min or
    // equal to the current one is ignored; LineSize never exceeds PageSize: setting either
    // drags the other along.
    int LineSize() const { return lineSize_; }
    void SetLineSize(int value);
    int PageSize() const { return pageSize_; }
    void SetPageSize(int value);
    // The track's fill while the control has the focus (silver otherwise).
    platform::TColor FocusColor() const { return focusColor_; }
    void SetFocusColor(platform::TColor value);
    // Whether the pointing-hand cursor shows over the whole control.
    bool HandCursor() const { return handCursor_; }
    void SetHandCursor(bool value);
    // Held and kept with the control; never drawn or read by it.
    const QStringList& Labels() const { return labels_; }
    void SetLabels(const QStringList& value);

    // Move Position by n towards Max (StepUp) or Min (StepDown), stopping at the limit; a
    // negative n moves the other way, 0 does nothing. Otherwise OnChange is emitted even when
    // the thumb is already at the limit.
    void StepUp(int n);
    void StepDown(int n);

    // Where the thumb was last placed.
    BarRect ThumbRect() const { return thumbRect_; }
    const QImage& ThumbBitmap() const { return thumb_; }
    const QImage& MaskBitmap() const { return mask_; }

    // One of the control's bitmap resources ("Circle1", "Circle1Mask", ...) as a 32-bit
    // image; a null image when there is no such resource.
    static QImage LoadBitmapResource(std::string_view name);
    // The pointing hand shown over the control while HandCursor is true.
    static QCursor LoadHandPointer();

signals:
    void OnChange(controls::TSlideBar* sender);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    SlideBarLayout Layout() const;
    // Redraws the whole backing image and repaints the control at once.
    void RepaintAll();
    void RenderBacking();
    bool BackingCurrent() const;
    void PaintTrack(platform::Canvas& canvas);
    void PlaceThumb();
    void SaveBackground();
    void DrawThumb();
    void EraseThumb();
    void Step(long long delta);
    QColor BackgroundColor() const;

    int min_ = 1;
    int max_ = 10;
    int position_ = 1;
    TOrientation orientation_ = TOrientation::orHorizontal;
    TBarStyle style_ = TBarStyle::bsLowered;
    int thickness_ = 1;
    // Starts as the first style so that the constructor's switch to the default style loads
    // its bitmaps through the setter.
    TThumbStyle thumbStyle_ = TThumbStyle::tsBar1;
    bool ticks_ = true;
    int frequency_ = 1;
    int lineSize_ = 1;
    int pageSize_ = 10;
    platform::TColor focusColor_ = platform::clBlack;
    bool handCursor_ = true;
    QStringList labels_;

    QImage thumb_;
    QImage mask_;
    QImage savedBackground_;
    QImage backing_;
    QCursor handPointer_;
    BarRect thumbRect_;
    bool dragging_ = false;
    int dragCoordinate_ = 0;
};

}  // namespace controls
