// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the column grid's stream reader as a stored window description.
// Besides crashes, it checks that a stream the reader accepts writes back into one that reads
// to the same columns: writing what was read twice gives the same bytes.
//
// Then it builds a grid from the columns read, fills it from a data file holding whatever
// follows the description, and paints it: widths, fonts and texts from a damaged description
// or file must neither hang nor break the drawing.

#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <span>
#include <string>

#include "controls/ColumnStream.h"
#include "controls/SuperGrd.h"
#include "platform/Error.h"

namespace {

constexpr int kMaxColumns = 8;

// Written and removed for each input, so that nothing is left behind however the run ends.
std::string DataFileName() {
    return QDir::temp().filePath(QStringLiteral("velloran-grid-fuzz-%1.csv").arg(::getpid())).toStdString();
}

void PaintGrid(const controls::TColumns& columns, std::span<const std::uint8_t> data) {
    const std::string dataFile = DataFileName();
    std::ofstream(dataFile, std::ios::binary)
        .write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
    controls::TSuperGrid grid;
    grid.setAttribute(Qt::WA_DontShowOnScreen);
    grid.SetColCount(std::clamp(columns.Count() + 1, 2, kMaxColumns));
    grid.SetRowCount(4);
    grid.SetOptions(grid.Options() | controls::goDrawFocusSelected);
    controls::TColumns loaded;
    loaded.Assign(columns);
    loaded.SetLoadData(true);
    loaded.SetDataFileName(dataFile);
    grid.SetColumns(loaded);
    try {
        grid.Loaded();
    } catch (const platform::Error&) {
    }
    ::unlink(dataFile.c_str());
    grid.resize(240, 160);
    grid.show();
    grid.SetRow(2);
    grid.viewport()->grab();
}

}  // namespace

// Fontconfig, below Qt's fonts, keeps pattern memory it never frees as it meets new face names;
// the leak checker must not take that for ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "column_stream_fuzzer";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span input(data, size);
    controls::TColumns columns;
    std::size_t used = 0;
    try {
        used = controls::ReadSuperGridStream(input, columns);
    } catch (const platform::Error&) {
        return 0;
    }
    const auto written = controls::WriteSuperGridStream(columns);
    controls::TColumns again;
    controls::ReadSuperGridStream(written, again);
    if (controls::WriteSuperGridStream(again) != written) std::abort();
    PaintGrid(columns, input.subspan(used));
    return 0;
}
