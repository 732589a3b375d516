// SPDX-License-Identifier: GPL-3.0-or-later
// Loads any input into the GIF image control and works it as its users can: frames composed
// with every disposal, the timer's steps, each placement switch, see-through and painting.
// Beyond the sanitizers' checks nothing is asserted: the control must simply survive.

#include <sys/mman.h>
#include <unistd.h>

#include <QApplication>
#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "controls/GIFImage.h"

namespace {

// The control loads from a file, as the program does. Each input is written to a file that
// lives in memory only, named through /proc: nothing is left in the temporary folder, however
// the run ends.
int InputFile() {
    static const int fd = ::memfd_create("velloran-gif-image-fuzz", MFD_CLOEXEC);
    return fd;
}

std::string InputPath() { return "/proc/self/fd/" + std::to_string(InputFile()); }

bool WriteInput(const std::uint8_t* data, std::size_t size) {
    if (InputFile() < 0 || ::ftruncate(InputFile(), 0) != 0) return false;
    for (std::size_t done = 0; done < size;) {
        const ssize_t n = ::pwrite(InputFile(), data + done, size - done, static_cast<off_t>(done));
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
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
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!WriteInput(data, size)) std::abort();
    controls::TGIFImage image;
    image.resize(37, 23);
    image.SetColor(0x336699);
    if (!image.LoadFromFile(InputPath())) return 0;
    // Every step below composes the whole frame again, at a few steps a pixel. A large picture
    // is only loaded and painted, so that its run stays within the time-out: what it must show
    // is that the load's compose costs no more than its pixels. Small pictures take every step.
    constexpr qsizetype kLargePixels = qsizetype{1} << 22;
    const QSize screen = image.FrameBuffer().size();
    if (qsizetype{screen.width()} * screen.height() > kLargePixels) {
        PaintOnce(image);
        return 0;
    }
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
