// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/GradForm.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QWindow>

#include "controls/CaptionPaint.h"
#include "platform/Faces.h"
#include "platform/SysColors.h"

namespace controls {

namespace {

// The classic caption font: the dialog face, bold.
QFont CaptionFont() {
    QFont font = platform::MakeFont("MS Sans Serif", -11);
    font.setBold(true);
    return font;
}

Qt::Edges EdgesOf(int hitTest) {
    switch (hitTest) {
        case HTLEFT: return Qt::LeftEdge;
        case HTRIGHT: return Qt::RightEdge;
        case HTTOP: return Qt::TopEdge;
        case HTBOTTOM: return Qt::BottomEdge;
        case HTTOPLEFT: return Qt::TopEdge | Qt::LeftEdge;
        case HTTOPRIGHT: return Qt::TopEdge | Qt::RightEdge;
        case HTBOTTOMLEFT: return Qt::BottomEdge | Qt::LeftEdge;
        case HTBOTTOMRIGHT: return Qt::BottomEdge | Qt::RightEdge;
        default: return {};
    }
}

Qt::CursorShape ShapeOf(TSizeCursor cursor) {
    switch (cursor) {
        case TSizeCursor::SizeWE: return Qt::SizeHorCursor;
        case TSizeCursor::SizeNS: return Qt::SizeVerCursor;
        case TSizeCursor::SizeNWSE: return Qt::SizeFDiagCursor;
        case TSizeCursor::SizeNESW: return Qt::SizeBDiagCursor;
        case TSizeCursor::None: break;
    }
    return Qt::ArrowCursor;
}

// Offers the presses that reach an object to a function first; a press it takes goes no
// further.
class PressFilter : public QObject {
public:
    explicit PressFilter(std::function<bool(const QMouseEvent&)> take) : take_(std::move(take)) {}
    bool eventFilter(QObject*, QEvent* event) override {
        return event->type() == QEvent::MouseButtonPress && take_(*static_cast<QMouseEvent*>(event));
    }

private:
    std::function<bool(const QMouseEvent&)> take_;
};

bool IsButtonHit(int hitTest) {
    return hitTest == HTCLOSE || hitTest == HTMINBUTTON || hitTest == HTMAXBUTTON || hitTest == HTHELP;
}

TCaptionButtonKind ButtonKindOf(int hitTest, bool maximized) {
    switch (hitTest) {
        case HTMINBUTTON: return TCaptionButtonKind::Minimize;
        case HTMAXBUTTON: return maximized ? TCaptionButtonKind::Restore : TCaptionButtonKind::Maximize;
        case HTHELP: return TCaptionButtonKind::Help;
        default: return TCaptionButtonKind::Close;
    }
}

}  // namespace

TGradientForm::TGradientForm(QWidget* parent) : QMainWindow(parent), captionFont_(CaptionFont()) {
    BuildGradientTables();
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setMouseTracking(true);
    ApplyFrameMargins();

    actRestore = new QAction(tr("&Restore"), this);
    actMove = new QAction(tr("&Move"), this);
    actMinimize = new QAction(tr("Mi&nimize"), this);
    actClose = new QAction(tr("&Close"), this);
    actClose->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    actClose->setShortcutContext(Qt::WindowShortcut);
    addAction(actClose);
    connect(actRestore, &QAction::triggered, this, [this] { showNormal(); });
    connect(actMove, &QAction::triggered, this, [this] { StartKeyboardMove(); });
    connect(actMinimize, &QAction::triggered, this, [this] { showMinimized(); });
    connect(actClose, &QAction::triggered, this, [this] { close(); });

    auto* menuKey = new QAction(this);
    menuKey->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Space));
    menuKey->setShortcutContext(Qt::WindowShortcut);
    addAction(menuKey);
    connect(menuKey, &QAction::triggered, this, [this] { ShowWindowMenu(); });
}

void TGradientForm::SetCaption(const QString& value) {
    if (value == caption_) return;
    caption_ = value;
    // The desktop draws no caption on this window, but its task bar and window switcher
    // name the window by its title.
    setWindowTitle(value);
    RepaintCaption();
}

void TGradientForm::SetGradientColors(int value) {
    if (value == gradientColors_ || value < kMinGradientColors || value > kMaxGradientColors) return;
    gradientColors_ = value;
    BuildGradientTables();
    RedrawFrame();
}

void TGradientForm::SetGradientOnInactive(bool value) {
    if (value == gradientOnInactive_) return;
    gradientOnInactive_ = value;
    if (!IsCaptionActive()) RedrawFrame();
}

void TGradientForm::SetBorderStyle(TFormBorderStyle value) {
    if (value == borderStyle_) return;
    borderStyle_ = value;
    ApplyFrameMargins();
    RedrawFrame();
}

void TGradientForm::SetBorderIcons(TBorderIcons value) {
    if (value == borderIcons_) return;
    borderIcons_ = value;
    UpdateMenuActions();
    RedrawFrame();
}

int TGradientForm::WMGetText(char* buffer, int size) const {
    return CopyWindowText(caption_.toStdString(), buffer, size);
}

int TGradientForm::WMGetTextLength() const { return static_cast<int>(caption_.toUtf8().size()); }

void TGradientForm::WMSetText(const char* text) {
    SetCaption(QString::fromUtf8(text != nullptr ? text : ""));
}

void TGradientForm::BuildGradientTables() {
    inactiveTable_ =
        BuildGradientTable(platform::GetSysColor(platform::COLOR_INACTIVECAPTION), gradientColors_);
    activeTable_ = BuildGradientTable(platform::GetSysColor(platform::COLOR_ACTIVECAPTION), gradientColors_);
}

bool TGradientForm::IsCaptionActive() const { return isActiveWindow(); }

platform::Rect TGradientForm::CaptionRect() const {
    return controls::CaptionRect(width(), height(), borderStyle_);
}

QImage TGradientForm::PaintCaption(bool active) {
    const platform::Rect rc = CaptionRect();
    TCaptionState state;
    state.active = active;
    state.gradientOnInactive = gradientOnInactive_;
    state.gradientColors = gradientColors_;
    state.activeTable = &activeTable_;
    state.inactiveTable = &inactiveTable_;
    state.borderStyle = borderStyle_;
    state.borderIcons = borderIcons_;
    state.maximized = isMaximized();
    state.icon = windowIcon();
    if (state.icon.isNull()) state.icon = style()->standardIcon(QStyle::SP_TitleBarMenuButton);
    state.font = captionFont_;
    state.text = caption_;
    state.buttonPressed = drag_ == Drag::Button && buttonDown_;
    state.pressedButton = ButtonKindOf(dragHit_, state.maximized);
    if (OnCaptionPaint) {
        state.beforeText = [this](platform::Canvas& canvas, platform::Rect& r) {
            OnCaptionPaint(this, canvas, r);
        };
    }
    return ComposeCaption(rc.Width(), rc.Height(), state);
}

int TGradientForm::HitTestAt(QPoint pos) const {
    return HitTest(pos.x(), pos.y(), width(), height(), borderStyle_, borderIcons_, isMaximized());
}

void TGradientForm::ApplyFrameMargins() {
    const FrameMetrics frame = FrameOf(borderStyle_);
    setContentsMargins(frame.frameX, frame.frameY + frame.captionHeight, frame.frameX, frame.frameY);
}

void TGradientForm::RepaintCaption() {
    const platform::Rect rc = CaptionRect();
    if (isVisible()) repaint(rc.left, rc.top, rc.Width(), rc.Height());
}

void TGradientForm::RedrawFrame() { update(); }

void TGradientForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    {
        platform::Canvas canvas(painter);
        DrawWindowFrame(canvas, width(), height(), borderStyle_);
    }
    const platform::Rect rc = CaptionRect();
    if (rc.Width() > 0 && rc.Height() > 0)
        painter.drawImage(rc.left, rc.top, PaintCaption(IsCaptionActive()));
}

void TGradientForm::mousePressEvent(QMouseEvent* event) {
    if (keyboardMove_) {
        EndKeyboardMove(true);
        return;
    }
    const int hit = HitTestAt(event->position().toPoint());
    if (event->button() == Qt::RightButton && (hit == HTCAPTION || hit == HTSYSMENU)) {
        ShowWindowMenu();
        return;
    }
    if (event->button() != Qt::LeftButton) return QMainWindow::mousePressEvent(event);
    if (hit == HTSYSMENU) {
        ShowWindowMenu(true);
    } else if (hit == HTCAPTION) {
        StartMove(event);
    } else if (CursorForHitTest(hit) != TSizeCursor::None) {
        StartResize(event, hit);
    } else if (IsButtonHit(hit)) {
        const bool enabled = hit != HTMAXBUTTON || (borderIcons_ & biMaximize) != 0;
        const bool minimizeEnabled = hit != HTMINBUTTON || (borderIcons_ & biMinimize) != 0;
        if (enabled && minimizeEnabled) {
            drag_ = Drag::Button;
            dragHit_ = hit;
            buttonDown_ = true;
            RepaintCaption();
        }
    } else {
        QMainWindow::mousePressEvent(event);
    }
}

void TGradientForm::StartMove(QMouseEvent* event) {
    // The desktop's own move where it offers one (a window manager, a Wayland compositor);
    // a bare X server has none, and there the form follows the mouse itself.
    if (windowHandle() != nullptr && windowHandle()->startSystemMove()) return;
    drag_ = Drag::Move;
    dragStart_ = event->globalPosition().toPoint();
    dragGeometry_ = geometry();
}

void TGradientForm::StartResize(QMouseEvent* event, int hitTest) {
    if (windowHandle() != nullptr && windowHandle()->startSystemResize(EdgesOf(hitTest))) return;
    drag_ = Drag::Resize;
    dragHit_ = hitTest;
    dragStart_ = event->globalPosition().toPoint();
    dragGeometry_ = geometry();
}

void TGradientForm::mouseMoveEvent(QMouseEvent* event) {
    const QPoint delta = event->globalPosition().toPoint() - dragStart_;
    switch (drag_) {
        case Drag::Move: move(dragGeometry_.topLeft() + delta); return;
        case Drag::Resize: {
            const Qt::Edges edges = EdgesOf(dragHit_);
            const QSize least = minimumSizeHint().expandedTo(minimumSize());
            QRect g = dragGeometry_;
            if (edges & Qt::LeftEdge)
                g.setLeft(std::min(g.left() + delta.x(), g.right() + 1 - least.width()));
            if (edges & Qt::RightEdge)
                g.setRight(std::max(g.right() + delta.x(), g.left() + least.width() - 1));
            if (edges & Qt::TopEdge) g.setTop(std::min(g.top() + delta.y(), g.bottom() + 1 - least.height()));
            if (edges & Qt::BottomEdge) {
                g.setBottom(std::max(g.bottom() + delta.y(), g.top() + least.height() - 1));
            }
            setGeometry(g);
            return;
        }
        case Drag::Button: {
            const bool down = HitTestAt(event->position().toPoint()) == dragHit_;
            if (down != buttonDown_) {
                buttonDown_ = down;
                RepaintCaption();
            }
            return;
        }
        case Drag::None: break;
    }
    ShowSizeCursor(HitTestAt(event->position().toPoint()));
    QMainWindow::mouseMoveEvent(event);
}

void TGradientForm::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || drag_ == Drag::None)
        return QMainWindow::mouseReleaseEvent(event);
    const bool click = drag_ == Drag::Button && buttonDown_;
    drag_ = Drag::None;
    buttonDown_ = false;
    RepaintCaption();
    if (click) ButtonClick(dragHit_);
}

void TGradientForm::mouseDoubleClickEvent(QMouseEvent* event) {
    // A double click on the caption maximises; a window without a maximise box stays as it
    // is. (The icon's double click is the window menu's to see: the first press opens it.)
    const int hit = HitTestAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && hit == HTCAPTION && (borderIcons_ & biMaximize) != 0) {
        isMaximized() ? showNormal() : showMaximized();
        return;
    }
    QMainWindow::mouseDoubleClickEvent(event);
}

void TGradientForm::ButtonClick(int hitTest) {
    switch (hitTest) {
        case HTCLOSE: close(); break;
        case HTMINBUTTON: showMinimized(); break;
        case HTMAXBUTTON: isMaximized() ? showNormal() : showMaximized(); break;
        default: break;
    }
}

void TGradientForm::ShowSizeCursor(int hitTest) {
    const TSizeCursor cursor = CursorForHitTest(hitTest);
    if (cursor == TSizeCursor::None) {
        unsetCursor();
    } else {
        setCursor(ShapeOf(cursor));
    }
}

void TGradientForm::leaveEvent(QEvent* event) {
    if (drag_ == Drag::None) unsetCursor();
    QMainWindow::leaveEvent(event);
}

void TGradientForm::UpdateMenuActions() {
    actRestore->setEnabled(isMinimized() || isMaximized());
    actMove->setEnabled(!isMaximized());
    actMinimize->setEnabled((borderIcons_ & biMinimize) != 0);
    actClose->setEnabled((borderIcons_ & biSystemMenu) != 0);
}

void TGradientForm::ShowWindowMenu(bool openedByIconPress) {
    UpdateMenuActions();
    QMenu menu(this);
    menu.addAction(actRestore);
    menu.addAction(actMove);
    menu.addAction(actMinimize);
    menu.addSeparator();
    menu.addAction(actClose);
    // A press on the icon opens the menu, so the second press of a double click on the icon
    // reaches the menu; within the double-click time it closes the window, as on other
    // desktops.
    QElapsedTimer sinceOpened;
    sinceOpened.start();
    bool closeWindow = false;
    PressFilter secondPress([&](const QMouseEvent& press) {
        if (!openedByIconPress || press.button() != Qt::LeftButton ||
            sinceOpened.elapsed() > QApplication::doubleClickInterval() ||
            HitTestAt(mapFromGlobal(press.globalPosition().toPoint())) != HTSYSMENU) {
            return false;
        }
        closeWindow = true;
        menu.close();
        return true;
    });
    menu.installEventFilter(&secondPress);
    const platform::Rect rc = CaptionRect();
    menu.exec(mapToGlobal(QPoint(rc.left, rc.bottom)));
    if (closeWindow && (borderIcons_ & biSystemMenu) != 0) close();
}

void TGradientForm::StartKeyboardMove() {
    keyboardMove_ = true;
    keyboardMoveStart_ = pos();
    setCursor(Qt::SizeAllCursor);
    grabKeyboard();
}

void TGradientForm::EndKeyboardMove(bool keep) {
    keyboardMove_ = false;
    releaseKeyboard();
    unsetCursor();
    if (!keep) move(keyboardMoveStart_);
}

void TGradientForm::keyPressEvent(QKeyEvent* event) {
    if (!keyboardMove_) return QMainWindow::keyPressEvent(event);
    // The arrow keys move the window in steps of 8 pixels, or 1 with Ctrl; Enter keeps
    // the place and Escape goes back to where the move began.
    const int step = (event->modifiers() & Qt::ControlModifier) != 0 ? 1 : 8;
    switch (event->key()) {
        case Qt::Key_Left: move(pos() + QPoint(-step, 0)); break;
        case Qt::Key_Right: move(pos() + QPoint(step, 0)); break;
        case Qt::Key_Up: move(pos() + QPoint(0, -step)); break;
        case Qt::Key_Down: move(pos() + QPoint(0, step)); break;
        case Qt::Key_Return:
        case Qt::Key_Enter: EndKeyboardMove(true); break;
        case Qt::Key_Escape: EndKeyboardMove(false); break;
        default: break;
    }
}

void TGradientForm::changeEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::ActivationChange: RepaintCaption(); break;
        case QEvent::PaletteChange:
        case QEvent::ApplicationPaletteChange:
            BuildGradientTables();
            update();
            break;
        case QEvent::WindowStateChange:
            UpdateMenuActions();
            update();
            break;
        default: break;
    }
    QMainWindow::changeEvent(event);
}

void TGradientForm::showEvent(QShowEvent* event) {
    // The form shows sizing cursors over its frame; the client area and the menu bar keep
    // the normal cursor instead of inheriting them.
    for (QWidget* inside : {centralWidget(), menuWidget()}) {
        if (inside != nullptr && !inside->testAttribute(Qt::WA_SetCursor)) inside->setCursor(Qt::ArrowCursor);
    }
    QMainWindow::showEvent(event);
}

}  // namespace controls
