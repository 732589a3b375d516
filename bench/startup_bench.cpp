// SPDX-License-Identifier: GPL-3.0-or-later
// How long `velloran --print font STYLE.vls` takes from start to exit, against how long the
// program takes to start its window and show it, each a process of its own started the same
// way, in one run. The window's start is this program run again with "--window": the
// application object, the main window, its start-up steps and the first show, on the
// offscreen platform, then exit.
//
// At the end: "ratio window/print" (how many times faster --print starts; above 10 is the aim).

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "app/main.h"
#include "platform/Application.h"
#include "platform/Paths.h"

extern char** environ;

namespace {

constexpr int kRuns = 10;

int ShowWindow(int argc, char** argv) {
    QTemporaryDir folder;
    platform::SetProgramDirForTests(folder.path().toStdString() + "/");
    platform::TApplication app(argc, argv);
    TfrmMain window;
    window.FormCreate();
    window.show();
    QCoreApplication::processEvents();
    return 0;
}

// Seconds from spawning the command to its exit.
double Run(std::vector<std::string> command) {
    std::vector<char*> argv;
    for (std::string& word : command) argv.push_back(word.data());
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    // What the runs print would only cover the figures.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &quiet, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0) return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Best(const std::vector<std::string>& command) {
    double best = 1e9;
    for (int i = 0; i < kRuns; ++i) best = std::min(best, Run(command));
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--window") return ShowWindow(argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QTemporaryDir folder;
    const std::string style = folder.filePath("Bench.vls").toStdString();
    std::ofstream(style)
        << "[Font]\ncolorFont=0000FF\nfaceFont=Arial\nfontsize=3\n[AltFonts]\nAltFonts0=Verdana\n";

    const double print = Best({VELLORAN_PROGRAM, "--print", "font", style});
    const double window = Best({argv[0], "--window"});
    std::printf("print   %8.2f ms (best of %d)\n", print * 1000, kRuns);
    std::printf("window  %8.2f ms (best of %d)\n", window * 1000, kRuns);
    std::printf("ratio window/print %.1f\n", window / print);
    return 0;
}
