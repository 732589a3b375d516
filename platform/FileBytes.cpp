#include "platform/FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/Error.h"

namespace platform {

namespace {

// Closes the descriptor however the read ends.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// More than any picture or text file the program reads; a larger file is refused rather than
// let it take the machine's memory.
constexpr off_t kMaxFileBytes = off_t{1} << 30;

[[noreturn]] void Fail(const std::string& path) { throw Error("Unable to read " + path); }

}  // namespace

std::vector<std::uint8_t> ReadWholeFile(const std::string& path) {
    // Opened without blocking, so that a pipe given a picture's name cannot hold the window;
    // the check below then refuses it.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) Fail(path);
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > kMaxFileBytes) {
        Fail(path);
    }
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    std::uint8_t chunk[1 << 16];
    for (;;) {
        const ssize_t n = ::read(file.get(), chunk, sizeof chunk);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail(path);
        }
        if (bytes.size() + static_cast<std::size_t>(n) > static_cast<std::size_t>(kMaxFileBytes)) Fail(path);
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    return bytes;
}

}  // namespace platform
