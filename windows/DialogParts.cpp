// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/DialogParts.h"

#include <QKeyEvent>

#include "platform/Keys.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStyledItemDelegate>

#include "platform/Faces.h"
#include "platform/SysColors.h"
#include "style/Contrast.h"
#include "style/ReadableColor.h"

namespace windows {

namespace {

constexpr int kDialogFontPoints = 8;

class FixedHeightRows : public QStyledItemDelegate {
public:
    FixedHeightRows(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(height_);
        return size;
    }

private:
    int height_;
};

QRect ScreenArea(const QWidget& window) {
    const QWidget* parent = window.parentWidget();
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// Centres a window, frame included, on the screen each time it is shown. The frame's size is
// known only once the desktop has framed the window, after the first show; so the window is
// centred again whenever its frame turns out other than the one it was centred with.
class ScreenCentring : public QObject {
public:
    explicit ScreenCentring(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
        Centre();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &window_) return false;
        if (event->type() == QEvent::Show ||
            ((event->type() == QEvent::Move || event->type() == QEvent::Resize) && window_.isVisible() &&
             FrameSize() != centredFrame_)) {
            Centre();
        }
        return false;
    }

private:
    QSize FrameSize() const { return window_.frameGeometry().size() - window_.size(); }

    void Centre() {
        const QRect area = ScreenArea(window_);
        if (area.isEmpty()) return;
        centredFrame_ = FrameSize();
        QRect frame = window_.frameGeometry();
        frame.moveCenter(area.center());
        // Moving before the first show also keeps Qt from placing a dialog over its parent.
        window_.move(frame.topLeft());
    }

    QWidget& window_;
    QSize centredFrame_;
};

}  // namespace

void SetUpDialogFrame(QDialog& dialog, const QString& caption, QSize clientSize) {
    dialog.setWindowTitle(caption);
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    dialog.setFixedSize(clientSize);
    dialog.setFont(platform::MakeFont("MS Sans Serif", kDialogFontPoints));
    new ScreenCentring(dialog);
}

QPushButton* MakeGlyphButton(QDialog& dialog, const QString& caption, QStyle::StandardPixmap glyph,
                             const QRect& place) {
    auto* button = new QPushButton(dialog.style()->standardIcon(glyph), caption, &dialog);
    QFont font = dialog.font();
    font.setBold(true);
    button->setFont(font);
    button->setGeometry(place);
    // A caption that does not fit beside the glyph (another language's) is shown without it:
    // the words say what the button does, the glyph only repeats it.
    if (NeededButtonWidth(*button) > place.width()) button->setIcon(QIcon());
    return button;
}

void WidenToCaption(QPushButton& button, int rightLimit) {
    const int wanted = std::min(NeededButtonWidth(button), rightLimit - button.x());
    if (wanted > button.width()) button.resize(wanted, button.height());
}

int NeededButtonWidth(const QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    option.icon = button.icon();
    option.iconSize = button.iconSize();
    const QRect contents = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    QString shown = button.text();
    shown.replace(QLatin1String("&&"), QString(QChar(0xE000))).remove(u'&').replace(QChar(0xE000), u'&');
    // The label is drawn with the icon and a gap of four pixels before the text.
    const int icon = button.icon().isNull() ? 0 : button.iconSize().width() + 4;
    return button.width() - contents.width() + icon + button.fontMetrics().horizontalAdvance(shown);
}

void SetAccentColor(QWidget* widget, QPalette::ColorRole textRole, platform::TColor accent) {
    const QPalette& theme = widget->palette();
    const platform::TColor themeText = platform::FromQColor(theme.color(textRole));
    if (textRole == QPalette::ButtonText) {
        // The style shades a button's face in ways the palette does not tell, so a button
        // keeps its accent only where it reads plainly; elsewhere the theme has both colours.
        const platform::TColor face = platform::FromQColor(theme.color(QPalette::Button));
        if (ContrastRatio(accent, face) < kReadableText) accent = themeText;
        platform::SetPaletteColor(widget, textRole, accent);
        return;
    }
    platform::SetPaletteColor(
        widget, textRole,
        ReadableAccent(accent, platform::FromQColor(theme.color(QPalette::Window)), themeText));
}

platform::TColor ReadableAccent(platform::TColor accent, platform::TColor background,
                                platform::TColor themeText) {
    return ReadableOn(platform::ColorToRGB(accent), platform::ColorToRGB(background),
                      platform::ColorToRGB(themeText), kReadableText);
}

QColor ReadableLinkColor(QColor link, QColor page, QColor text) {
    return platform::ToQColor(ReadableOn(platform::FromQColor(link), platform::FromQColor(page),
                                         platform::FromQColor(text), kReadableText));
}

OkCancelButtons MakeOkCancelButtons(QDialog& dialog, const QRect& okPlace, const QRect& cancelPlace) {
    QPushButton* ok = MakeGlyphButton(dialog, QCoreApplication::translate("windows::DialogParts", "OK"),
                                      QStyle::SP_DialogOkButton, okPlace);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    QPushButton* cancel =
        MakeGlyphButton(dialog, QCoreApplication::translate("windows::DialogParts", "Cancel"),
                        QStyle::SP_DialogCancelButton, cancelPlace);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    return {ok, cancel};
}

void TKeyPreviewDialog::EnableKeyPreview() {
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

bool TKeyPreviewDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && FormKeyDown(static_cast<QKeyEvent*>(event))) return true;
    return QDialog::eventFilter(watched, event);
}

bool TKeyPreviewDialog::FormKeyDown(QKeyEvent* event) {
    if (platform::VirtualKeyOf(event->key()) != platform::VK_ESCAPE) return false;
    reject();
    return true;
}

void SetFixedRowHeight(QAbstractItemView& view, int height) {
    view.setItemDelegate(new FixedHeightRows(height, &view));
}

}  // namespace windows
