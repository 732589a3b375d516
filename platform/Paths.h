// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace platform {

// The folder of the program's executable, ending in "/"; the program keeps its settings,
// default style and help file there.
std::string ProgramDir();
// Tests run the program's windows in a folder of their own; an empty text restores the
// executable's folder.
void SetProgramDirForTests(const std::string& dir);

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);

}  // namespace platform
