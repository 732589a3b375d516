// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/Error.h"
#include "platform/Translate.h"

namespace platform {

namespace {

constexpr off_t kMaxWholeFileBytes = off_t{1} << 30;

}  // namespace

FileDescriptor::~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
}

bool FileDescriptor::Close() { return ::close(std::exchange(fd_, -1)) == 0; }

FileContent ReadRegularFile(const std::string& path, off_t maxBytes) {
    FileContent content;
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!file.Valid()) {
        if (errno == ENOENT) content.state = FileContent::State::Missing;
        return content;
    }
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0) return content;
    // errno tells a caller why, as it does for a failed call.
    if (!S_ISREG(info.st_mode) || info.st_size > maxBytes) {
        errno = S_ISDIR(info.st_mode) ? EISDIR : S_ISREG(info.st_mode) ? EFBIG : EINVAL;
        return content;
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    char chunk[1 << 16];
    for (;;) {
        const ssize_t n = ::read(file.Get(), chunk, sizeof chunk);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            return content;
        }
        if (bytes.size() + static_cast<std::size_t>(n) > static_cast<std::size_t>(maxBytes)) {
            errno = EFBIG;
            return content;
        }
        bytes.append(chunk, static_cast<std::size_t>(n));
    }
    content.state = FileContent::State::Read;
    content.bytes = std::move(bytes);
    return content;
}

std::vector<std::uint8_t> ReadWholeFile(const std::string& path) {
    const FileContent content = ReadRegularFile(path, kMaxWholeFileBytes);
    if (content.state != FileContent::State::Read)
        throw Error(Arg(Translate("Errors", "Unable to read %1"), {path}));
    return {content.bytes.begin(), content.bytes.end()};
}

}  // namespace platform
