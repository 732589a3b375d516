// SPDX-License-Identifier: GPL-3.0-or-later
// Opening and saving a style with a long list of alternate faces, through the main window as
// the menu commands run them, and one click of Bold with that list in the tag. Each list is
// twice as long as the one before; the time must at most about double with it. The reference
// for each row is the row before it, measured in the same run, and the ratio between them is
// printed. Lists of names with spaces and of single-word names (as most real face names are)
// are measured apart: the tag area wraps the two differently.
#include <QApplication>
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/FontPanel.h"
#include "app/main.h"
#include "platform/Application.h"
#include "platform/Paths.h"
#include "style/StyleFile.h"

namespace {

constexpr int kRepetitions = 5;
constexpr int kSmallest = 1000;
constexpr int kLargest = 32000;

// The median of the repetitions, in milliseconds of wall time: the user waits for the disk and
// the repaint too. `prepare` runs untimed before each repetition.
double MedianMilliseconds(const std::function<void()>& prepare, const std::function<void()>& run) {
    std::vector<double> times;
    for (int i = 0; i < kRepetitions; ++i) {
        prepare();
        QApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        run();
        QApplication::processEvents();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    platform::TApplication app(argc, argv);
    bool failed = false;
    platform::TApplication::SetErrorSink([&failed](const QString& message) {
        std::fprintf(stderr, "error: %s\n", message.toUtf8().constData());
        failed = true;
    });
    QTemporaryDir folder;
    platform::SetProgramDirForTests(folder.path().toStdString() + "/");
    TfrmMain window;
    window.FormCreate();
    window.show();
    // Each timed Open comes after an Open of a style without alternate faces, so that it
    // really changes the list and the tag.
    const std::string emptyStyle = folder.path().toStdString() + "/Empty.vls";
    WriteStyle(emptyStyle, TStyle{});

    const auto openFile = [&window](const std::string& file) {
        window.ChooseStyleToOpen = [file] { return file; };
        window.mnuFileOpenClick();
    };
    struct Names {
        const char* label;
        std::string prefix;
    };
    for (const Names& names : {Names{"with spaces", "Alternate Face "}, Names{"one word", "Face"}}) {
        std::printf("names %s\n%8s %10s %10s %10s %10s %10s %10s\n", names.label, "entries", "open ms",
                    "x prev", "bold ms", "x prev", "save ms", "x prev");
        double previous[3] = {0, 0, 0};
        for (int entries = kSmallest; entries <= kLargest; entries *= 2) {
            TStyle style = window.Style();
            style.AltFaces.clear();
            for (int i = 0; i < entries; ++i) style.AltFaces.push_back(names.prefix + std::to_string(i));
            const std::string path =
                folder.path().toStdString() + "/Faces" + std::to_string(entries) + ".vls";
            WriteStyle(path, style);

            const double times[3] = {
                MedianMilliseconds([&] { openFile(emptyStyle); }, [&] { openFile(path); }),
                MedianMilliseconds([] {}, [&window] { window.fontPanel->cmdBold->click(); }),
                MedianMilliseconds([] {}, [&window] { window.mnuFileSaveClick(); }),
            };
            if (window.Style().AltFaces.size() != static_cast<std::size_t>(entries)) failed = true;
            std::printf("%8d", entries);
            for (int i = 0; i < 3; ++i) {
                if (previous[i] > 0) {
                    std::printf(" %10.1f %10.2f", times[i], times[i] / previous[i]);
                } else {
                    std::printf(" %10.1f %10s", times[i], "");
                }
                previous[i] = times[i];
            }
            std::printf("\n");
        }
    }
    return failed ? 1 : 0;
}
