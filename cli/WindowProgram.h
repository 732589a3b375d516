// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>

// The window program's file name, and the name of the front program that starts it: the
// single-instance lock and the window's class are named after the latter, whichever of the two
// a user started.
inline constexpr char kWindowProgramName[] = "velloran-window";
inline constexpr char kFrontProgramName[] = "velloran";

// The window program velloran starts: the one beside the front program's own executable,
// `self` (as /proc tells it, through any link it was started by), or else the one in the
// folder the build installs it to, `installedDir`. Never a relative path, which would run
// whatever lies in the current folder under that name.
std::filesystem::path WindowProgramFor(const std::optional<std::filesystem::path>& self,
                                       const std::filesystem::path& installedDir);

// WindowProgramFor this process: /proc/self/exe, and the install folder of the build.
std::filesystem::path WindowProgram();
