// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Where the program's single-instance lock and its request socket live: the user's
// runtime folder when there is one (private to the user, emptied at log-out), else the
// temporary folder with the user id in the names so that users do not meet.
struct InstancePaths {
    std::string lock;
    std::string server;
};
InstancePaths InstancePathsFor(std::string_view programFile, std::string_view runtimeDir,
                               std::string_view tempDir, unsigned userId);
// The same for this process: XDG_RUNTIME_DIR, TMPDIR or /tmp, and the real user id.
InstancePaths InstancePathsForThisUser(std::string_view programFile);

// The file name of a path: what follows the last "/".
std::string FileNamePart(std::string_view path);

enum class LockState {
    Acquired,     // this process holds the lock until it ends
    HeldByOther,  // another running process holds it
    Unavailable,  // no lock could be taken (no folder, not our file, no locking)
};

// An exclusive lock on a file, taken without waiting. The kernel drops it when the process
// ends in any way, so a crashed copy never blocks the next start. The file descriptor is
// not inherited by programs we start (a browser must not keep our lock).
class InstanceLock {
public:
    explicit InstanceLock(const std::string& path);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    LockState State() const { return state_; }

private:
    int fd_ = -1;
    LockState state_ = LockState::Unavailable;
};

}  // namespace platform
