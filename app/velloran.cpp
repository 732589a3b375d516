#include <QIcon>
#include <QScreen>

#include "app/main.h"
#include "controls/Just1_32.h"
#include "platform/Application.h"
#include "platform/Faces.h"

int main(int argc, char* argv[]) {
    // First of all: of copies started together, exactly one takes the lock.
    const controls::TPreviousInstance previousInstance(argc > 0 ? argv[0] : "velloran");
    platform::TApplication app(argc, argv);
    QApplication::setApplicationName("Velloran");
    // The desktop entry's name ties the window to the entry's icon and name on Wayland.
    QGuiApplication::setDesktopFileName("velloran");
    // The 16-pixel picture is drawn for the caption's small icon; the larger ones serve the
    // desktop.
    QIcon icon;
    icon.addFile(":/icons/velloran.xpm");
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
