// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileIdentity.h"

#include <sys/stat.h>

namespace platform {

std::optional<FileIdentity> IdentityOf(const std::string& path) {
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0) return std::nullopt;
    return FileIdentity{info.st_dev, info.st_ino, info.st_size, info.st_mtim.tv_sec, info.st_mtim.tv_nsec};
}

}  // namespace platform
