// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/hive_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "platform/hive_fault.h"

namespace tessarine {

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

[[noreturn]] void Fail(const fs::path& file, HiveProblem problem) {
    throw HiveFault(file.string(), problem);
}

void RequirePrivateRegularFile(int fd, const fs::path& lockPath) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) Fail(lockPath, HiveProblem::FromErrno(errno));
    if (!S_ISREG(info.st_mode)) Fail(lockPath, HiveProblem::NotRegularFile(info.st_mode));
    if (!OwnedByUserOrRoot(info)) Fail(lockPath, HiveProblem::OwnedByAnotherUser());
    if (info.st_uid == ::geteuid() && (info.st_mode & 077) != 0) ::fchmod(fd, 0600);
}

// The state a helper thread shares with the writer that started it.
struct LockWait {
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    bool abandoned = false;
    int error = 0;
};

// Runs in the helper: a blocking flock on a duplicate of the writer's
// descriptor (one open file, so one lock). When the writer has given up,
// a lock that comes late is let go of at once.
void WaitForLock(int fd, const std::shared_ptr<LockWait>& wait) {
    int result = 0;
    while ((result = ::flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
    }
    const int error = result == 0 ? 0 : errno;
    {
        const std::lock_guard<std::mutex> guard(wait->mutex);
        if (wait->abandoned && result == 0) ::flock(fd, LOCK_UN);
        wait->done = true;
        wait->error = error;
    }
    wait->finished.notify_one();
    ::close(fd);
}

// True once locked; false when the lock stayed taken until `deadline`.
// flock has no timeout, and polling loses to a writer in a loop that frees
// the lock only for moments, so the wait blocks in a helper thread, which is
// woken the moment the lock is free.
bool LockBefore(int fd, Clock::time_point deadline, const fs::path& lockPath) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return true;
    if (errno != EWOULDBLOCK && errno != EINTR) Fail(lockPath, HiveProblem::FromErrno(errno));
    if (Clock::now() >= deadline) return false;
    const int helperFd = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (helperFd < 0) Fail(lockPath, HiveProblem::FromErrno(errno));
    auto wait = std::make_shared<LockWait>();
    std::thread(WaitForLock, helperFd, wait).detach();

    std::unique_lock<std::mutex> guard(wait->mutex);
    if (!wait->finished.wait_until(guard, deadline, [&] { return wait->done; })) {
        wait->abandoned = true;
        return false;
    }
    if (wait->error != 0) Fail(lockPath, HiveProblem::FromErrno(wait->error));
    return true;
}

}  // namespace

HiveLock::HiveLock(const fs::path& hive, std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    const fs::path lockPath = hive.string() + ".lock";
    std::error_code ec;
    fs::create_directories(hive.parent_path(), ec);
    if (ec) Fail(hive.parent_path(), HiveProblem::FromErrno(ec.value()));
    fd_.Reset(
        ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600));
    if (!fd_.valid()) {
        Fail(lockPath,
             errno == ELOOP ? HiveProblem::LockFileIsALink() : HiveProblem::FromErrno(errno));
    }
    RequirePrivateRegularFile(fd_.get(), lockPath);
    if (!LockBefore(fd_.get(), deadline, lockPath)) Fail(hive, HiveProblem::LockedTooLong());
}

}  // namespace tessarine
