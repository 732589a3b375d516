// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "cli/CommandLine.h"

// Answers what the command line asks that needs no window (--help, --version, --print, --read, a
// usage error) on out and err, and returns the exit code; nothing when the window is to start.
// No toolkit is loaded for it, so that a build script's --print starts at once.
std::optional<int> RunWithoutWindow(const TCommandLine& line, std::string_view programName, std::ostream& out,
                                    std::ostream& err);
// The same with the standard input given, which --read - reads.
std::optional<int> RunWithoutWindow(const TCommandLine& line, std::string_view programName, std::istream& in,
                                    std::ostream& out, std::ostream& err);

// What both programs do first: argv read, and what needs no window answered on the standard
// streams. The exit code is set when the program is to end there.
struct TProgramStart {
    TCommandLine line;
    std::optional<int> exitCode;
};
TProgramStart StartFromCommandLine(int argc, char* argv[]);

// The name the program was started by, for its messages.
std::string ProgramName(int argc, char* argv[]);
