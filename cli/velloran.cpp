// SPDX-License-Identifier: GPL-3.0-or-later
// The program users start. It answers --help, --version, --print and usage errors itself, and
// hands every window start to the window program installed beside it. Only this small part
// links no toolkit: loading the toolkit's libraries would take many times longer than a
// --print of a build script takes in all.

#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstring>
#include <iostream>

#include "cli/WindowProgram.h"
#include "cli/Windowless.h"
#include "platform/Translate.h"

int main(int argc, char* argv[]) {
    const TProgramStart start = StartFromCommandLine(argc, argv);
    if (start.exitCode) return *start.exitCode;
    // The window program keeps this process, its id and its arguments, the program's name
    // first: the single-instance lock and the window's class are named after it.
    const std::filesystem::path window = WindowProgram();
    char fallback[] = "velloran";  // the front program's name
    char* noArguments[] = {fallback, nullptr};
    execv(window.c_str(), argc > 0 ? argv : noArguments);
    const int failure = errno;
    // The system's own words for the failure, in the user's language where it has them.
    std::setlocale(LC_MESSAGES, "");
    std::cerr << ProgramName(argc, argv) << ": "
              << platform::Arg(platform::Translate("CommandLine", "cannot start %1: %2"),
                               {window.string(), std::strerror(failure)})
              << "\n";
    return 1;
}
