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
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/velloran.xpm")));
    platform::InstallFontSubstitutions();

    TfrmMain frmMain;
    frmMain.FormCreate();
    const QRect screen = frmMain.screen()->availableGeometry();
    frmMain.move(screen.center() - frmMain.rect().center());
    frmMain.show();
    return app.exec();
}
