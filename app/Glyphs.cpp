// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Glyphs.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <functional>

#include "platform/SysColors.h"
#include "style/ReadableColor.h"

namespace glyphs {

namespace {

constexpr int kSize = 16;
constexpr platform::TColor kAddGreen = 0x008000;
constexpr platform::TColor kDeleteRed = 0x0000C0;

// What a glyph is drawn in: the theme's button text, the button face it stands on.
struct Ink {
    QColor text;
    QColor face;
    // An accent of the program's that stays visible on the theme's button face. It is held
    // to the text ratio: the style shades the face, and the glyph must still reach 3:1 on
    // the shade.
    QColor Accent(platform::TColor accent) const {
        return platform::ToQColor(
            ReadableOn(accent, platform::FromQColor(face), platform::FromQColor(text), kReadableText));
    }
};

using DrawFn = std::function<void(QPainter&, const Ink&)>;

// Draws the glyph whenever a button asks for it, in the colours of the theme of that moment,
// so that a dark theme gets light glyphs, and a theme change needs no new icons.
class GlyphEngine : public QIconEngine {
public:
    explicit GlyphEngine(DrawFn draw) : draw_(std::move(draw)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const QPalette theme = QGuiApplication::palette();
        const QPalette::ColorGroup group = mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active;
        painter->save();
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / double(kSize), rect.height() / double(kSize));
        draw_(*painter, Ink{theme.color(group, QPalette::ButtonText), theme.color(group, QPalette::Button)});
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new GlyphEngine(draw_); }

private:
    DrawFn draw_;
};

QIcon Draw(DrawFn draw) { return QIcon(new GlyphEngine(std::move(draw))); }

QIcon Letter(const char* letter, bool bold, bool italic) {
    return Draw([=](QPainter& p, const Ink& ink) {
        QFont font("DejaVu Serif");
        font.setPixelSize(14);
        font.setBold(bold);
        font.setItalic(italic);
        p.setFont(font);
        p.setPen(ink.text);
        p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, letter);
    });
}

// A page with a folded corner, its lines standing for the tag. The page brings its own white,
// so its lines keep their colours on any button face.
void Page(QPainter& p, int x, int y, bool withText) {
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(x, y, 8, 10);
    p.setPen(QColor(0, 0, 128));
    p.drawLine(x + 2, y + 3, x + 6, y + 3);
    if (withText) {
        p.setPen(Qt::darkGray);
        p.drawLine(x + 2, y + 5, x + 6, y + 5);
        p.drawLine(x + 2, y + 7, x + 5, y + 7);
    }
}

}  // namespace

QIcon Bold() { return Letter("B", true, false); }
QIcon Italic() { return Letter("I", false, true); }

QIcon Center() {
    return Draw([](QPainter& p, const Ink& ink) {
        p.setPen(ink.text);
        const int widths[] = {12, 8, 12, 6, 10};
        for (int i = 0; i < 5; ++i) {
            const int w = widths[i];
            p.drawLine((kSize - w) / 2, 3 + 2 * i, (kSize - w) / 2 + w - 1, 3 + 2 * i);
        }
    });
}

QIcon CopyTag() {
    return Draw([](QPainter& p, const Ink&) {
        Page(p, 1, 1, false);
        Page(p, 6, 5, false);
    });
}

QIcon CopyTagWithText() {
    return Draw([](QPainter& p, const Ink&) {
        Page(p, 1, 1, true);
        Page(p, 6, 5, true);
    });
}

QIcon Add() {
    return Draw([](QPainter& p, const Ink& ink) {
        const QColor green = ink.Accent(kAddGreen);
        p.fillRect(7, 3, 2, 10, green);
        p.fillRect(3, 7, 10, 2, green);
    });
}

QIcon Delete() {
    return Draw([](QPainter& p, const Ink& ink) {
        QPen pen(ink.Accent(kDeleteRed));
        pen.setWidth(2);
        p.setPen(pen);
        p.drawLine(4, 4, 11, 11);
        p.drawLine(11, 4, 4, 11);
    });
}

}  // namespace glyphs
