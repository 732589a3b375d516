#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Velloran");
    QLabel window("Velloran is being built.");
    window.setWindowTitle("Velloran");
    window.setMinimumSize(300, 100);
    window.setAlignment(Qt::AlignCenter);
    window.show();
    return app.exec();
}
