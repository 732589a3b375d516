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
class TPaletteSwatches : public QWidget {
    Q_OBJECT

public:
    explicit TPaletteSwatches(QWidget* parent = nullptr);

signals:
    // The mouse moved over swatch `index`, or over the gaps between swatches (-1).
    void SwatchMouseMove(int index);
    void SwatchMouseDown(int index, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
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
