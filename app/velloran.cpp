#include <QScreen>

#include "app/main.h"
#include "platform/Application.h"
#include "platform/Faces.h"

int main(int argc, char* argv[]) {
    platform::TApplication app(argc, argv);
    QApplication::setApplicationName("Velloran");
    platform::InstallFontSubstitutions();

    TfrmMain frmMain;
    frmMain.FormCreate();
    const QRect screen = frmMain.screen()->availableGeometry();
    frmMain.move(screen.center() - frmMain.rect().center());
    frmMain.show();
    return app.exec();
}
