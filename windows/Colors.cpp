// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/Colors.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

#include "platform/Application.h"
#include "platform/Faces.h"
#include "platform/Keys.h"
#include "platform/SysColors.h"
#include "style/WebPalette.h"
#include "windows/DialogParts.h"
#include "windows/PaletteAccessible.h"

namespace windows {

namespace {

constexpr QSize kClientSize{297, 238};
constexpr QPoint kOffsetFromMain{248, 192};
constexpr QRect kColorPlace{8, 6, 64, 18};
constexpr QRect kHidePlace{222, 3, 73, 25};
constexpr QRect kScrollBoxPlace{0, 32, 297, 206};
// The sunken border of the scroll box, two pixels on each side, leaves 202 pixels in view.
constexpr int kScrollBoxBorder = 2;
constexpr int kFontHeight = -11;
// The focus ring lies in the gap around the swatch.
constexpr int kRingDistance = 2;

QFont BoldFont(QFont font) {
    font.setBold(true);
    return font;
}

// The hourglass for as long as the window is being built and shown.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// Screen readers meet the swatches as a table named "Web palette", whose description is
// also the code of the keyboard's swatch.
QAccessibleInterface* SwatchesAccessible(const QString&, QObject* object) {
    if (auto* swatches = qobject_cast<TPaletteSwatches*>(object)) return MakePaletteAccessible(swatches);
    return nullptr;
}

}  // namespace

TPaletteSwatches::TPaletteSwatches(QWidget* parent) : QWidget(parent) {
    static const bool accessible = [] {
        QAccessible::installFactory(SwatchesAccessible);
        return true;
    }();
    (void)accessible;
    setObjectName(QStringLiteral("PaletteSwatches"));
    setAccessibleName(tr("Web palette"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setFixedHeight(webpalette::kContentHeight);
    setMinimumWidth(webpalette::kContentWidth);
}

void TPaletteSwatches::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    for (const webpalette::Swatch& swatch : webpalette::Swatches()) {
        const QRect outline(swatch.left, swatch.top, webpalette::kSwatchWidth, webpalette::kSwatchHeight);
        if (!event->rect().intersects(outline)) continue;
        painter.setBrush(platform::ToQColor(swatch.color));
        // A pen rectangle covers width + 1 pixels; the outline lies inside the shape's 40 x 21.
        painter.drawRect(outline.adjusted(0, 0, -1, -1));
    }
    if (focusIndex_ >= 0 && hasFocus()) {
        // In the theme's text colour on the theme's window, so that it reads on any desktop.
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(FocusRing(focusIndex_).adjusted(0, 0, -1, -1));
    }
}

QRect TPaletteSwatches::FocusRing(int index) const {
    const webpalette::Swatch swatch = webpalette::SwatchAt(index);
    return QRect(swatch.left, swatch.top, webpalette::kSwatchWidth, webpalette::kSwatchHeight)
        .adjusted(-kRingDistance, -kRingDistance, kRingDistance, kRingDistance);
}

int TPaletteSwatches::FirstSwatchInView() const {
    const int top = visibleRegion().boundingRect().top();
    for (int i = 0; i < webpalette::kCount; i += webpalette::kColumns)
        if (webpalette::SwatchAt(i).top >= top) return i;
    return 0;
}

void TPaletteSwatches::MoveFocus(int index) {
    if (focusIndex_ >= 0) update(FocusRing(focusIndex_));
    focusIndex_ = index;
    update(FocusRing(index));
    const QRect ring = FocusRing(index);
    // The scroll box brings the swatch into view.
    if (auto* box = qobject_cast<QScrollArea*>(parentWidget() ? parentWidget()->parentWidget() : nullptr))
        box->ensureVisible(ring.center().x(), ring.center().y(), ring.width() / 2, ring.height() / 2);
    emit SwatchMouseMove(index);
    setAccessibleDescription(
        QString::fromStdString(webpalette::HoverText(webpalette::SwatchAt(index).color)));
    NotifyPaletteFocusMoved(this);
}

void TPaletteSwatches::PickSwatch(int index) {
    if (index < 0 || index >= webpalette::kCount) return;
    MoveFocus(index);
    emit SwatchMouseDown(index, Qt::LeftButton);
}

void TPaletteSwatches::keyPressEvent(QKeyEvent* event) {
    int across = 0, down = 0;
    switch (event->key()) {
        case Qt::Key_Left: across = -1; break;
        case Qt::Key_Right: across = 1; break;
        case Qt::Key_Up: down = -1; break;
        case Qt::Key_Down: down = 1; break;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (focusIndex_ >= 0) emit SwatchMouseDown(focusIndex_, Qt::LeftButton);
            return;
        default: QWidget::keyPressEvent(event); return;
    }
    // The first arrow key only shows where the keyboard is.
    MoveFocus(focusIndex_ < 0 ? FirstSwatchInView() : webpalette::SwatchStep(focusIndex_, across, down));
}

void TPaletteSwatches::focusInEvent(QFocusEvent* event) {
    if (focusIndex_ >= 0) update(FocusRing(focusIndex_));
    QWidget::focusInEvent(event);
    // Qt announces the swatches themselves once this returns; the swatch comes after them.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (hasFocus()) NotifyPaletteFocusMoved(this);
        },
        Qt::QueuedConnection);
}

void TPaletteSwatches::focusOutEvent(QFocusEvent* event) {
    if (focusIndex_ >= 0) update(FocusRing(focusIndex_));
    QWidget::focusOutEvent(event);
}

void TPaletteSwatches::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit SwatchMouseMove(webpalette::SwatchIndexAt(at.x(), at.y()));
}

void TPaletteSwatches::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const int index = webpalette::SwatchIndexAt(at.x(), at.y());
    if (index >= 0) emit SwatchMouseDown(index, event->button());
}

TfrmColors* TfrmColors::ShowNew(QWidget* mainWindow, bool& colorsOpen, ColorSink setBarsFromColor) {
    const BusyCursor busy;
    auto* window = new TfrmColors(mainWindow, colorsOpen, std::move(setBarsFromColor));
    window->show();
    // The window just opened takes the keyboard, so that Esc closes it at once.
    window->activateWindow();
    return window;
}

TfrmColors::TfrmColors(QWidget* mainWindow, bool& colorsOpen, ColorSink setBarsFromColor)
    : QWidget(mainWindow, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                              Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      colorsOpen_(colorsOpen),
      setBarsFromColor_(std::move(setBarsFromColor)) {
    setObjectName(QStringLiteral("frmColors"));
    setWindowTitle(tr("Custom Palette"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kClientSize);
    setFont(platform::MakeFont("MS Sans Serif", kFontHeight));
    setMouseTracking(true);

    lblColor = new controls::TBoxLabel(this);
    lblColor->setObjectName(QStringLiteral("lblColor"));
    lblColor->setGeometry(kColorPlace);
    lblColor->SetTextBorder(2);
    lblColor->setFont(BoldFont(font()));
    lblColor->SetFontColor(ReadableAccent(platform::clBlue, platform::clBtnFace, platform::clBtnText));
    lblColor->SetColor(platform::clBtnFace);
    lblColor->SetCaption(QString());
    lblColor->setAccessibleName(tr("Color"));

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setGeometry(kScrollBoxPlace);
    ScrollBox1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ScrollBox1->setLineWidth(kScrollBoxBorder);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ScrollBox1->setWidgetResizable(true);
    Swatches = new TPaletteSwatches;
    ScrollBox1->setWidget(Swatches);

    cmdHide = new QPushButton(tr("&Close"), this);
    cmdHide->setObjectName(QStringLiteral("cmdHide"));
    cmdHide->setGeometry(kHidePlace);
    cmdHide->setFont(BoldFont(font()));
    // The keyboard reaches the swatches, not the box that scrolls them. The box is still a
    // tab stop that hands on the focus, so screen readers are given its name too.
    ScrollBox1->setFocusProxy(Swatches);
    ScrollBox1->setAccessibleName(tr("Web palette"));
    setTabOrder(Swatches, cmdHide);

    connect(Swatches, &TPaletteSwatches::SwatchMouseMove, this, &TfrmColors::SwatchMouseMove);
    connect(Swatches, &TPaletteSwatches::SwatchMouseDown, this, &TfrmColors::SwatchMouseDown);
    connect(cmdHide, &QPushButton::clicked, this, &QWidget::close);

    // Key preview: Escape closes the window whichever control has the focus.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);

    FormCreate(mainWindow);
}

void TfrmColors::FormCreate(QWidget* mainWindow) {
    colorsOpen_ = true;
    if (mainWindow != nullptr) move(mainWindow->pos() + kOffsetFromMain);
}

// The palette opens showing its last rows. The scroll range is known only once the scroll
// box has its size, which it gets as the window is first shown.
void TfrmColors::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (scrolledToEnd_) return;
    scrolledToEnd_ = true;
    QScrollBar* bar = ScrollBox1->verticalScrollBar();
    bar->setValue(bar->maximum());
}

void TfrmColors::SwatchMouseMove(int index) {
    if (index < 0) {
        lblColor->SetCaption(QString());
        return;
    }
    lblColor->SetCaption(QString::fromStdString(webpalette::HoverText(webpalette::SwatchAt(index).color)));
}

void TfrmColors::SwatchMouseDown(int index, Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    const platform::TColor color = webpalette::SwatchAt(index).color;
    platform::RunReportingErrors([&] { setBarsFromColor_(color); });
}

// Over the window's own background, the strip above the scroll box.
void TfrmColors::mouseMoveEvent(QMouseEvent* event) {
    lblColor->SetCaption(QString());
    QWidget::mouseMoveEvent(event);
}

bool TfrmColors::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        platform::VirtualKeyOf(static_cast<QKeyEvent*>(event)->key()) == platform::VK_ESCAPE) {
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmColors::closeEvent(QCloseEvent* event) {
    colorsOpen_ = false;
    event->accept();
}

}  // namespace windows
