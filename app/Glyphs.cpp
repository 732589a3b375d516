#include "app/Glyphs.h"

#include <QPainter>
#include <QPixmap>
#include <functional>

namespace glyphs {

namespace {

constexpr int kSize = 16;

QIcon Draw(const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    draw(painter);
    painter.end();
    return QIcon(pixmap);
}

QIcon Letter(const char* letter, bool bold, bool italic) {
    return Draw([=](QPainter& p) {
        QFont font("DejaVu Serif");
        font.setPixelSize(14);
        font.setBold(bold);
        font.setItalic(italic);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, letter);
    });
}

// A page with a folded corner, its lines standing for the tag.
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
    return Draw([](QPainter& p) {
        p.setPen(Qt::black);
        const int widths[] = {12, 8, 12, 6, 10};
        for (int i = 0; i < 5; ++i) {
            const int w = widths[i];
            p.drawLine((kSize - w) / 2, 3 + 2 * i, (kSize - w) / 2 + w - 1, 3 + 2 * i);
        }
    });
}

QIcon CopyTag() {
    return Draw([](QPainter& p) {
        Page(p, 1, 1, false);
        Page(p, 6, 5, false);
    });
}

QIcon CopyTagWithText() {
    return Draw([](QPainter& p) {
        Page(p, 1, 1, true);
        Page(p, 6, 5, true);
    });
}

QIcon Add() {
    return Draw([](QPainter& p) {
        p.fillRect(7, 3, 2, 10, QColor(0, 128, 0));
        p.fillRect(3, 7, 10, 2, QColor(0, 128, 0));
    });
}

QIcon Delete() {
    return Draw([](QPainter& p) {
        QPen pen(QColor(192, 0, 0));
        pen.setWidth(2);
        p.setPen(pen);
        p.drawLine(4, 4, 11, 11);
        p.drawLine(11, 4, 4, 11);
    });
}

}  // namespace glyphs
