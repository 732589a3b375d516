// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// What tells one state of a file from another without reading it: the device and inode it
// lives on, its size and its modification time to the nanosecond. A file rewritten in place
// or replaced by another under the same name changes at least one of them.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;

    bool operator==(const FileIdentity&) const = default;
};

// The identity of the file the path names (links followed); nothing when there is none.
std::optional<FileIdentity> IdentityOf(const std::string& path);

}  // namespace platform
