// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>

#include "controls/CaptionLayout.h"
#include "platform/Canvas.h"

class QAction;
class QMenu;

namespace controls {

// A top-level window that draws its own caption and frame: a gradient from black on the
// left to the caption colour on the right, the icon, classic caption buttons and the
// caption text in white. The desktop draws no decoration around it, so the form also does
// what a caption and frame do: dragging the caption moves the window, the buttons close and
// minimise it, the icon and Alt+Space open the window menu, and the frame edges resize it.
//
// Caption is what the form paints; the title it hands to the desktop (task bar, window
// switcher) is the same text. It is a QMainWindow so that derived windows keep a menu bar,
// which sits inside the frame under the caption.
class TGradientForm : public QMainWindow {
    Q_OBJECT

public:
    using TGFOnCaptionPaint =
        std::function<void(QObject* Sender, platform::Canvas& Canvas, platform::Rect& R)>;

    explicit TGradientForm(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& value);
    int GradientColors() const { return gradientColors_; }
    // Ignored outside 8..256.
    void SetGradientColors(int value);
    bool GradientOnInactive() const { return gradientOnInactive_; }
    void SetGradientOnInactive(bool value);
    TGFOnCaptionPaint OnCaptionPaint;

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle value);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons value);

    // The window-text requests of other programs, answered from Caption: the text copied
    // into a buffer of size bytes (at most size - 1 and a zero; the count without the zero),
    // its length, and a new text.
    int WMGetText(char* buffer, int size) const;
    int WMGetTextLength() const;
    void WMSetText(const char* text);

    void BuildGradientTables();
    const TGradientTable& ActiveTable() const { return activeTable_; }
    const TGradientTable& InactiveTable() const { return inactiveTable_; }

    bool IsCaptionActive() const;
    // The caption in window coordinates.
    platform::Rect CaptionRect() const;
    // The caption as it is painted, composed off screen.
    QImage PaintCaption(bool active);
    int HitTestAt(QPoint pos) const;

    // Opens the window menu under the icon (Alt+Space does the same). Opened by a press on
    // the icon, a second press there within the double-click time closes the window.
    void ShowWindowMenu(bool openedByIconPress = false);
    QAction* actRestore;
    QAction* actMove;
    QAction* actMinimize;
    QAction* actClose;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ApplyFrameMargins();
    void RepaintCaption();
    void RedrawFrame();
    void ShowSizeCursor(int hitTest);
    void StartMove(QMouseEvent* event);
    void StartResize(QMouseEvent* event, int hitTest);
    void ButtonClick(int hitTest);
    void StartKeyboardMove();
    void EndKeyboardMove(bool keep);
    void UpdateMenuActions();

    QString caption_;
    int gradientColors_ = kDefaultGradientColors;
    bool gradientOnInactive_ = true;
    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TGradientTable activeTable_{};
    TGradientTable inactiveTable_{};
    QFont captionFont_;

    // A move or resize the form does by hand, where the desktop offers none.
    enum class Drag { None, Move, Resize, Button };
    Drag drag_ = Drag::None;
    int dragHit_ = HTNOWHERE;
    QPoint dragStart_;
    QRect dragGeometry_;
    bool buttonDown_ = false;
    bool keyboardMove_ = false;
    QPoint keyboardMoveStart_;
};

}  // namespace controls
