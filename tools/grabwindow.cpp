// SPDX-License-Identifier: GPL-3.0-or-later
// grabwindow WINDOW-ID OUT.png [X,Y ...]: saves a picture of an X window as it shows on the
// screen, and prints the colour at each given point of it as #RRGGBB, one a line. The
// end-to-end tests look at the program's window through it.

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: grabwindow WINDOW-ID OUT.png [X,Y ...]\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    bool ok = false;
    const WId window = QString::fromLocal8Bit(argv[1]).toULongLong(&ok, 0);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!ok || screen == nullptr) return 2;
    const QImage image = screen->grabWindow(window).toImage();
    if (image.isNull() || !image.save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "grabwindow: cannot grab window %s\n", argv[1]);
        return 1;
    }
    for (int i = 3; i < argc; ++i) {
        const QStringList xy = QString::fromLocal8Bit(argv[i]).split(',');
        const int x = xy.value(0).toInt(), y = xy.value(1).toInt();
        if (xy.size() != 2 || !image.rect().contains(x, y)) {
            std::printf("outside\n");
            continue;
        }
        std::printf("#%06X\n", image.pixel(x, y) & 0xFFFFFF);
    }
    return 0;
}
