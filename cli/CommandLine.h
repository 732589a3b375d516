// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

// What the command line asks of the program. It is read before any window system is
// touched, so that --help, --version and --print work with no display at all.
struct TCommandLine {
    enum class Action {
        Run,      // start the window; styleFile, when given, is opened instead of the start-up style
        Help,     // print the usage, exit 0
        Version,  // print the version, exit 0
        Print,    // print a text of styleFile to standard output (what: font, font-text, body, css, html5)
        Read,     // read markup or CSS from readFile ("-": standard input) and print a text of it
        Error,    // print error and the usage to standard error, exit kUsageExitCode
    };
    Action action = Action::Run;
    std::string styleFile;
    std::string readFile;
    std::string what;
    std::string error;
};

inline constexpr int kUsageExitCode = 2;

// The texts --print knows, in the order the usage names them.
inline constexpr std::string_view kPrintTexts[] = {"font", "font-text", "body", "css", "html5"};

// arguments as main receives them, the program's own path first. The options the Qt
// toolkit reads itself (-platform NAME, -style NAME, -session NAME, -display NAME...) are
// left to it and pass here unremarked.
TCommandLine ParseCommandLine(const std::vector<std::string>& arguments);

std::string UsageText(std::string_view programName);
