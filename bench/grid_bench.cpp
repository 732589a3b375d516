// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a column grid's data file of 5000 to 40000 lines into a shown grid that adds a row
// for each line, as a form's loading does. Each file is twice as long as the one before; the
// time must at most about double with it. The reference for each row is the row before it,
// measured in the same run, and the ratio between them is printed.
#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "controls/SuperGrd.h"

namespace {

constexpr int kRepetitions = 3;
constexpr int kSmallest = 5000;
constexpr int kLargest = 40000;

void WriteDataFile(const std::string& path, int lines) {
    std::ofstream file(path, std::ios::binary);
    for (int i = 0; i < lines; ++i)
        file << "&#" << i << ";, \"row " << i << ", quoted\" ,Caf\xE9 " << i << "\r\n";
}

// A fresh grid of a title row and one data row, with three described columns, loading the
// file; the median of the repetitions, in milliseconds of wall time.
double MedianLoadMilliseconds(const std::string& path, int lines, bool& failed) {
    std::vector<double> times;
    for (int i = 0; i < kRepetitions; ++i) {
        controls::TSuperGrid grid;
        grid.SetColCount(3);
        grid.SetRowCount(2);
        grid.SetFixedCols(0);
        controls::TColumns columns;
        for (int c = 0; c < 3; ++c) columns.Add(controls::TColumn());
        columns.SetLoadData(true);
        columns.SetDataFileName(path);
        grid.SetColumns(columns);
        grid.resize(320, 240);
        grid.show();
        QApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        grid.Loaded();
        QApplication::processEvents();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        if (grid.RowCount() != lines + 1 ||
            grid.Cells(2, lines) != QString::fromUtf8("Caf\u00E9 ") + QString::number(lines - 1))
            failed = true;
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    bool failed = false;
    std::printf("%8s %12s %12s\n", "lines", "load ms", "x previous");
    double previous = 0;
    for (int lines = kSmallest; lines <= kLargest; lines *= 2) {
        const std::string path = folder.path().toStdString() + "/data" + std::to_string(lines) + ".csv";
        WriteDataFile(path, lines);
        const double load = MedianLoadMilliseconds(path, lines, failed);
        if (previous > 0) {
            std::printf("%8d %12.1f %12.2f\n", lines, load, load / previous);
        } else {
            std::printf("%8d %12.1f %12s\n", lines, load, "");
        }
        previous = load;
    }
    if (failed) std::fprintf(stderr, "error: a load did not fill the grid as the file says\n");
    return failed ? 1 : 0;
}
