// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace platform {

// Owns an open file descriptor and closes it however the work on it ends.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor();
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }
    // Closes now and tells whether that worked: some file systems report a failed write only
    // when the file is closed.
    bool Close();

private:
    int fd_;
};

// A whole file as read by ReadRegularFile.
struct FileContent {
    enum class State { Read, Missing, Unreadable };
    State state = State::Unreadable;
    std::string bytes;  // the content when Read
};

// Reads a whole regular file of at most `maxBytes`. The file is opened without blocking, so a
// pipe or a device given a file's name cannot hold the program; anything that is not a
// regular file, or is larger than `maxBytes` (also when it grows while being read), is
// Unreadable. A file that does not exist is Missing.
FileContent ReadRegularFile(const std::string& path, off_t maxBytes);

// Reads a whole regular file of up to 1 GiB, more than any picture or text file the program
// reads. A file that is missing or cannot be read raises "Unable to read %s" with the path.
std::vector<std::uint8_t> ReadWholeFile(const std::string& path);

}  // namespace platform
