#include <QIcon>
#include <QScreen>

#include "app/main.h"
#include "platform/Application.h"
#include "platform/Faces.h"

int main(int argc, char* argv[]) {
    platform::TApplication app(argc, argv);
    QApplication::setApplicationName("Velloran");
    // The desktop entry's name ties the window to the entry's icon and name on Wayland.
    QGuiApplication::setDesktopFileName("velloran");
    QIcon icon;
    icon.addFile(":/icons/velloran-48.png");
    icon.addFile(":/icons/velloran-256.png");
    QApplication::setWindowIcon(icon);
    platform::InstallFontSubstitutions();

    TfrmMain frmMain;
    frmMain.FormCreate();
    const QRect screen = frmMain.screen()->availableGeometry();
    frmMain.move(screen.center() - frmMain.rect().center());
    frmMain.show();
    return app.exec();
}
