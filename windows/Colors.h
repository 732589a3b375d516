// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScrollArea>
#include <QWidget>
#include <functional>

#include "controls/BoxLabl.h"
#include "platform/Color.h"

class QPushButton;

namespace windows {

// The scroll box's content: the 216 web palette swatches, drawn from the palette table and
// found under the mouse by position, so one handler per event serves every swatch.
//
// The keyboard has a focus swatch of its own: the first arrow key puts it on the first swatch
// in view, the arrow keys move it, and Space or Enter picks it as a left press would. It is
// ringed while the swatches have the focus; the mouse never moves it.
class TPaletteSwatches : public QWidget {
    Q_OBJECT

public:
    explicit TPaletteSwatches(QWidget* parent = nullptr);

    // The keyboard's swatch, or -1 before the first arrow key.
    int FocusIndex() const { return focusIndex_; }
    // Moves the keyboard's swatch to `index` and picks it, as Enter would there (a screen
    // reader's press on a swatch).
    void PickSwatch(int index);

signals:
    // The mouse moved over swatch `index`, or over the gaps between swatches (-1); the
    // keyboard's swatch moved to `index`.
    void SwatchMouseMove(int index);
    void SwatchMouseDown(int index, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void MoveFocus(int index);
    int FirstSwatchInView() const;
    QRect FocusRing(int index) const;

    int focusIndex_ = -1;
};

// The web palette window "Custom Palette": a tool window that stays on top and hands the
// colour of a swatch pressed with the left button to the main window's colour panel, as if
// its three bars had been moved there. It exists at most once: `colorsOpen` is true from its
// creation until it closes, and a closed window deletes itself.
class TfrmColors : public QWidget {
    Q_OBJECT

public:
    using ColorSink = std::function<void(platform::TColor)>;

    // Builds the window, placed from the main window's present corner, and shows it, with
    // the hourglass cursor meanwhile.
    static TfrmColors* ShowNew(QWidget* mainWindow, bool& colorsOpen, ColorSink setBarsFromColor);

    TfrmColors(QWidget* mainWindow, bool& colorsOpen, ColorSink setBarsFromColor);

    controls::TBoxLabel* lblColor;
    QPushButton* cmdHide;
    QScrollArea* ScrollBox1;
    TPaletteSwatches* Swatches;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate(QWidget* mainWindow);
    void SwatchMouseMove(int index);
    void SwatchMouseDown(int index, Qt::MouseButton button);

    bool& colorsOpen_;
    ColorSink setBarsFromColor_;
    bool scrolledToEnd_ = false;
};

}  // namespace windows
