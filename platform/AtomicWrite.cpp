// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AtomicWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <optional>
#include <random>
#include <system_error>
#include <utility>

#include "platform/Error.h"
#include "platform/FileBytes.h"
#include "platform/Translate.h"

namespace platform {

namespace {

constexpr mode_t kAnyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;
constexpr mode_t kPermissionBits = 07777;
constexpr int kTemporaryNameAttempts = 16;
constexpr std::size_t kTemporaryStemLength = 64;

// Removes the temporary file on every way out of a change that has not been committed.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
    ~TemporaryFile() {
        if (!committed_) {
            ::unlink(path_.c_str());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::string& Path() const { return path_; }
    void Commit() { committed_ = true; }

private:
    std::string path_;
    bool committed_ = false;
};

bool WriteAll(int fd, std::string_view data, off_t offset = -1) {
    while (!data.empty()) {
        const ssize_t count = offset < 0 ? ::write(fd, data.data(), data.size())
                                         : ::pwrite(fd, data.data(), data.size(), offset);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            if (count == 0) errno = EIO;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(count));
        if (offset >= 0) offset += count;
    }
    return true;
}

// A change through a symbolic link replaces the file it names, so that the link survives.
std::string ResolveLink(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        if (char* resolved = ::realpath(path.c_str(), nullptr)) {
            std::string target(resolved);
            std::free(resolved);
            return target;
        }
    }
    return path;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A hidden name beside the file. The stem is cut so that a long file name still leaves room.
std::string TemporaryNameFor(const std::string& target) {
    static thread_local std::mt19937 generator{std::random_device{}()};
    constexpr std::string_view kSuffixChars = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::uniform_int_distribution<std::size_t> pick(0, kSuffixChars.size() - 1);

    const auto slash = target.rfind('/');
    const std::string stem =
        target.substr(slash == std::string::npos ? 0 : slash + 1).substr(0, kTemporaryStemLength);
    std::string name = FolderOf(target) + "/." + stem + ".tmp-";
    for (int i = 0; i < 8; ++i) {
        name += kSuffixChars[pick(generator)];
    }
    return name;
}

// Where the folder refuses a temporary file: the file itself is rewritten. Room for a longer
// text is reserved before a byte changes, so a full disk fails the change cleanly; what can
// still go wrong after that is an I/O error, which no way of writing in place avoids.
bool WriteInPlace(const std::string& target, std::string_view bytes) {
    FileDescriptor file(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (!file.Valid() || ::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    const auto size = static_cast<off_t>(bytes.size());
    if (size > info.st_size) {
        const int reserved = ::posix_fallocate(file.Get(), info.st_size, size - info.st_size);
        // File systems without reservation still take the write; only a lack of room is final.
        if (reserved == ENOSPC || reserved == EFBIG || reserved == EIO) {
            errno = reserved;
            return false;
        }
    }
    return WriteAll(file.Get(), bytes, 0) && ::ftruncate(file.Get(), size) == 0 && ::fsync(file.Get()) == 0 &&
           file.Close();
}

}  // namespace

std::string WriteFailure(const std::string& path, int error) {
    std::string message = Arg(Translate("Errors", "Unable to write to %1"), {path});
    if (error != 0) message += "\n" + std::generic_category().message(error);
    return message;
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
    // Called straight after the call that failed, whose errno is the reason.
    const auto fail = [&path](int error = errno) { throw Error(WriteFailure(path, error)); };

    const std::string target = ResolveLink(path);

    // Refuse a file that cannot be written even though renaming over it would work: a
    // read-only file is the user's way of saying it must not change.
    std::optional<struct stat> existing;
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode)) {
            fail(S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
        }
        if ((info.st_mode & kAnyWriteBit) == 0) {
            fail(EACCES);
        }
        if (!FileDescriptor(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK)).Valid()) {
            fail();
        }
        existing = info;
    } else if (errno != ENOENT) {
        fail();
    }

    std::string temporaryPath;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < kTemporaryNameAttempts; ++attempt) {
        temporaryPath = TemporaryNameFor(target);
        // A new file gets the permissions the user's umask gives any new file.
        fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        if (existing && WriteInPlace(target, bytes)) {
            return;
        }
        fail();
    }
    FileDescriptor file(fd);
    TemporaryFile temporary(temporaryPath);
    if (existing) {
        // A replaced file that changed hands would lock its owner out of it; where the owner
        // cannot be kept, the file is rewritten in place, which keeps everything about it.
        struct stat made {};
        if (::fstat(file.Get(), &made) != 0) {
            fail();
        }
        if ((made.st_uid != existing->st_uid || made.st_gid != existing->st_gid) &&
            ::fchown(file.Get(), existing->st_uid, existing->st_gid) != 0) {
            file.Close();
            if (WriteInPlace(target, bytes)) {
                return;
            }
            fail();
        }
        // After the owner, since a change of owner clears the set-id bits. Best effort: some
        // file systems have no permission bits to keep.
        ::fchmod(file.Get(), existing->st_mode & kPermissionBits);
    }
    if (!WriteAll(file.Get(), bytes) || ::fsync(file.Get()) != 0 || !file.Close() ||
        ::rename(temporary.Path().c_str(), target.c_str()) != 0) {
        fail();
    }
    temporary.Commit();

    // The rename is done and the new text is what every reader sees; syncing the folder only
    // makes the rename itself survive a power cut, so a failure here is not reported.
    FileDescriptor folder(::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Valid()) {
        ::fsync(folder.Get());
    }
}

}  // namespace platform
