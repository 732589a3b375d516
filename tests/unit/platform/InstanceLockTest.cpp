// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InstanceLock.h"

#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <iterator>
#include <memory>

#include "tests/unit/style/TempFolder.h"

using namespace platform;

namespace {

int OpenDescriptors() {
    return static_cast<int>(std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {}));
}

TEST(InstancePathsFor, UsesTheRuntimeFolderElseTheTemporaryFolderWithTheUserId) {
    const InstancePaths runtime = InstancePathsFor("velloran", "/run/user/1000", "/var/tmp", 1000);
    EXPECT_EQ(runtime.lock, "/run/user/1000/velloran.lock");
    EXPECT_EQ(runtime.server, "/run/user/1000/velloran.socket");
    const InstancePaths temp = InstancePathsFor("velloran", "", "/var/tmp", 1000);
    EXPECT_EQ(temp.lock, "/var/tmp/velloran-1000.lock");
    // A relative folder is no folder to trust.
    EXPECT_EQ(InstancePathsFor("v", "run", "tmp", 7).lock, "/tmp/v-7.lock");
    EXPECT_EQ(FileNamePart("/opt/bin/velloran"), "velloran");
    EXPECT_EQ(FileNamePart("velloran"), "velloran");
}

TEST(InstanceLock, TheFirstHoldsItUntilItEnds) {
    close(0);  // started with no standard input: the lock takes descriptor 0
    TempFolder folder;
    const std::string path = folder.File("velloran.lock");
    auto first = std::make_unique<InstanceLock>(path);
    EXPECT_EQ(first->State(), LockState::Acquired);
    const int open = OpenDescriptors();
    EXPECT_EQ(InstanceLock(path).State(), LockState::HeldByOther);
    EXPECT_EQ(OpenDescriptors(), open) << "a refused lock keeps no descriptor";
    // A program started meanwhile (a browser opened from a link) does not keep it held.
    pid_t child = 0;
    char* argv[] = {const_cast<char*>("sleep"), const_cast<char*>("60"), nullptr};
    ASSERT_EQ(posix_spawn(&child, "/bin/sleep", nullptr, nullptr, argv, environ), 0);
    first.reset();
    EXPECT_EQ(InstanceLock(path).State(), LockState::Acquired);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

TEST(InstanceLock, AProcessThatDiesReleasesIt) {
    TempFolder folder;
    const std::string path = folder.File("velloran.lock");
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        InstanceLock held(path);
        const char state = held.State() == LockState::Acquired ? 'A' : '-';
        (void)!write(ready[1], &state, 1);
        pause();  // killed by the parent
        _exit(0);
    }
    char state = 0;
    ASSERT_EQ(read(ready[0], &state, 1), 1);
    EXPECT_EQ(state, 'A');
    EXPECT_EQ(InstanceLock(path).State(), LockState::HeldByOther);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_EQ(InstanceLock(path).State(), LockState::Acquired);
    close(ready[0]);
    close(ready[1]);
}

TEST(InstanceLock, ALinkOrAMissingFolderGivesNoLock) {
    TempFolder folder;
    const std::string target = folder.File("elsewhere");
    const std::string link = folder.File("velloran.lock");
    std::filesystem::create_symlink(target, link);
    EXPECT_EQ(InstanceLock(link).State(), LockState::Unavailable);
    EXPECT_FALSE(std::filesystem::exists(target));
    EXPECT_EQ(InstanceLock(folder.File("missing/velloran.lock")).State(), LockState::Unavailable);
    ASSERT_EQ(mkfifo(folder.File("fifo.lock").c_str(), 0600), 0);  // our own, but no plain file
    const int open = OpenDescriptors();
    EXPECT_EQ(InstanceLock(folder.File("fifo.lock")).State(), LockState::Unavailable);
    EXPECT_EQ(OpenDescriptors(), open);
}

}  // namespace
