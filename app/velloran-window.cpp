// SPDX-License-Identifier: GPL-3.0-or-later
// The window program: `velloran` starts it, in the same process and with the same arguments,
// for everything that needs a window. Started by itself it answers the command line the same.

#include <QIcon>
#include <QScreen>
#include <filesystem>

#include "app/WindowPlace.h"
#include "app/main.h"
#include "cli/WindowProgram.h"
#include "cli/Windowless.h"
#include "controls/Just1_32.h"
#include "platform/Application.h"
#include "platform/Faces.h"
#include "platform/Translations.h"

namespace {

// The running copy has a folder of its own; the path must mean the same file there.
std::string AbsolutePath(const std::string& path) {
    std::error_code ignored;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ignored);
    return absolute.empty() ? path : absolute.lexically_normal().string();
}

}  // namespace

int main(int argc, char* argv[]) {
    const TProgramStart start = StartFromCommandLine(argc, argv);
    if (start.exitCode) return *start.exitCode;
    const TCommandLine& line = start.line;
    const std::string styleFile = line.styleFile.empty() ? std::string() : AbsolutePath(line.styleFile);

    // First of all: of copies started together, exactly one takes the lock.
    // The lock is the front program's, also when the window program was started by its own name
    // or through a renamed link: otherwise a second window could open beside the first.
    controls::TPreviousInstance previousInstance(kFrontProgramName);
    previousInstance.SetStyleToHandOver(styleFile);
    platform::TApplication app(argc, argv);
    QApplication::setApplicationName("Velloran");
    QApplication::setApplicationVersion(VELLORAN_VERSION);
    // The desktop entry's name ties the window to the entry's icon and name on Wayland.
    QGuiApplication::setDesktopFileName("velloran");
    // Before the first window, so that every text is made in the user's language.
    platform::InstallTranslations(platform::TranslationsFolder());
    // The 16-pixel picture is drawn for the caption's small icon; the larger ones serve the
    // desktop.
    QIcon icon;
    icon.addFile(":/icons/velloran.xpm");
    icon.addFile(":/icons/velloran-48.png");
    icon.addFile(":/icons/velloran-256.png");
    QApplication::setWindowIcon(icon);
    platform::InstallFontSubstitutions();

    TfrmMain frmMain;
    frmMain.CommandLineStyle = styleFile;
    frmMain.FormCreate();
    frmMain.move(WindowPlace(frmMain.screen()->availableGeometry(), frmMain.frameGeometry().size()));
    frmMain.show();
    return app.exec();
}
