// Loads any input into the GIF image control and works it as its users can: frames composed
// with every disposal, the timer's steps, each placement switch, see-through and painting.
// Beyond the sanitizers' checks nothing is asserted: the control must simply survive.

#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "controls/GIFImage.h"

namespace {

// The control loads from a file, as the program does; each input is written to this one.
const std::string& InputFile() {
    static const std::string path =
        QDir::temp().filePath(QStringLiteral("velloran-gif-image-fuzz-%1.gif").arg(::getpid())).toStdString();
    return path;
}

void PaintOnce(const controls::TGIFImage& image) {
    QImage target(image.width(), image.height(), QImage::Format_RGB32);
    QPainter painter(&target);
    image.Paint(painter);
}

void Run(controls::TGIFImage& image, int ticks) {
    for (int i = 0; i < ticks; ++i) image.TimerTick();
    PaintOnce(image);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "gif_image_fuzzer";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
    std::atexit([] { QFile::remove(QString::fromStdString(InputFile())); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        QFile file(QString::fromStdString(InputFile()));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    controls::TGIFImage image;
    image.resize(37, 23);
    image.SetColor(0x336699);
    if (!image.LoadFromFile(InputFile())) return 0;
    const int ticks = std::min(image.FrameCount() + 2, 12);
    Run(image, ticks);
    image.SetSeeThrough(true);
    image.SetCenter(true);
    Run(image, ticks);
    image.SetTile(true);
    Run(image, 2);
    image.SetSeeThrough(false);
    image.SetStretch(true);
    image.SetTile(false);
    Run(image, 2);
    image.SetLoop(true);
    image.SetAnimate(true);
    image.SetAnimate(false);
    PaintOnce(image);
    return 0;
}
