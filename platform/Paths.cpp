#include "platform/Paths.h"

#include <QCoreApplication>
#include <QFileInfo>

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

bool FileExists(const std::string& path) {
    const QFileInfo info(QString::fromStdString(path));
    return !path.empty() && info.exists() && !info.isDir();
}

bool DirectoryExists(const std::string& path) {
    return !path.empty() && QFileInfo(QString::fromStdString(path)).isDir();
}

}  // namespace platform
