// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace platform {

std::string FileNamePart(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

InstancePaths InstancePathsFor(std::string_view programFile, std::string_view runtimeDir,
                               std::string_view tempDir, unsigned userId) {
    std::string base;
    if (!runtimeDir.empty() && runtimeDir.front() == '/') {
        base = std::string(runtimeDir) + "/" + std::string(programFile);
    } else {
        std::string temp =
            tempDir.empty() || tempDir.front() != '/' ? std::string("/tmp") : std::string(tempDir);
        base = temp + "/" + std::string(programFile) + "-" + std::to_string(userId);
    }
    return {base + ".lock", base + ".socket"};
}

InstancePaths InstancePathsForThisUser(std::string_view programFile) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const char* temp = std::getenv("TMPDIR");
    return InstancePathsFor(programFile, runtime != nullptr ? runtime : "", temp != nullptr ? temp : "",
                            static_cast<unsigned>(getuid()));
}

InstanceLock::InstanceLock(const std::string& path) {
    // No following of links and only a plain file of our own: in a shared temporary folder
    // another user could have put something there first.
    fd_ = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ < 0) return;
    struct stat info {};
    if (fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != getuid()) {
        close(fd_);
        fd_ = -1;
        return;
    }
    int result;
    do {
        result = flock(fd_, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) {
        state_ = LockState::Acquired;
        return;
    }
    state_ = errno == EWOULDBLOCK ? LockState::HeldByOther : LockState::Unavailable;
    close(fd_);
    fd_ = -1;
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) close(fd_);
}

}  // namespace platform
