// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Paths.h"

#include <sys/stat.h>

#include <QCoreApplication>

namespace platform {

namespace {

std::string& ProgramDirOverride() {
    static std::string dir;
    return dir;
}

}  // namespace

void SetProgramDirForTests(const std::string& dir) { ProgramDirOverride() = dir; }

std::string ProgramDir() {
    if (!ProgramDirOverride().empty()) return ProgramDirOverride();
    std::string dir = QCoreApplication::applicationDirPath().toStdString();
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

// Paths are bytes on Linux, and asked about as they are: a name that is not valid UTF-8
// would not survive the round trip through a QString.
bool FileExists(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool DirectoryExists(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace platform
