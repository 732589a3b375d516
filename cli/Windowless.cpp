// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Windowless.h"

#include <filesystem>
#include <iostream>
#include <vector>

#include "cli/Catalogue.h"
#include "cli/FontconfigFaces.h"
#include "cli/MessageLanguage.h"
#include "cli/PrintStyle.h"
#include "cli/ReadMarkup.h"
#include "platform/WebFaces.h"

std::optional<int> RunWithoutWindow(const TCommandLine& line, std::string_view programName, std::ostream& out,
                                    std::ostream& err) {
    return RunWithoutWindow(line, programName, std::cin, out, err);
}

std::optional<int> RunWithoutWindow(const TCommandLine& line, std::string_view programName, std::istream& in,
                                    std::ostream& out, std::ostream& err) {
    switch (line.action) {
        case TCommandLine::Action::Help: out << UsageText(programName); return 0;
        case TCommandLine::Action::Version: out << "velloran " << VELLORAN_VERSION << "\n"; return 0;
        case TCommandLine::Action::Error:
            err << programName << ": " << line.error << "\n" << UsageText(programName);
            return kUsageExitCode;
        case TCommandLine::Action::Print: return PrintStyle(line.what, line.styleFile, out, err);
        case TCommandLine::Action::Read: {
            const FontconfigFaces fontconfig;
            const auto generic = [&fontconfig](std::string_view family) { return fontconfig.Face(family); };
            return ReadMarkup(line.what, line.readFile, in, out, err,
                              {platform::FacesAsAuthorsNameThem(fontconfig.Families()), generic});
        }
        case TCommandLine::Action::Run: return std::nullopt;
    }
    return std::nullopt;
}

std::string ProgramName(int argc, char* argv[]) {
    return argc > 0 ? std::filesystem::path(argv[0]).filename().string() : std::string("velloran");
}

TProgramStart StartFromCommandLine(int argc, char* argv[]) {
    // Before the words are read: a usage error is already a message for the user.
    UseUserLanguage(ProcessEnvironment, FrontCatalogue());
    TProgramStart start{ParseCommandLine(std::vector<std::string>(argv, argv + argc)), std::nullopt};
    start.exitCode = RunWithoutWindow(start.line, ProgramName(argc, argv), std::cout, std::cerr);
    return start;
}
