#include "platform/hive_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <thread>

#include "platform/registry.h"

namespace tessarine {

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

[[noreturn]] void Fail(const fs::path& lock_path, const std::string& why) {
    throw RegistryError("cannot lock registry hive " + lock_path.string() + ": " + why);
}

void RequirePrivateRegularFile(int fd, const fs::path& lock_path) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) Fail(lock_path, std::strerror(errno));
    if (!S_ISREG(info.st_mode)) Fail(lock_path, "it is not a regular file");
    if (info.st_uid == ::geteuid() && (info.st_mode & 077) != 0) ::fchmod(fd, 0600);
}

// True once locked; false when the lock stayed taken until `deadline`.
bool LockBefore(int fd, Clock::time_point deadline, const fs::path& lock_path) {
    auto pause = std::chrono::milliseconds(2);
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        if (errno != EWOULDBLOCK) Fail(lock_path, std::strerror(errno));
        const auto now = Clock::now();
        if (now >= deadline) return false;
        std::this_thread::sleep_for(std::min<Clock::duration>(pause, deadline - now));
        pause = std::min(pause * 2, std::chrono::milliseconds(10));
    }
    return true;
}

}  // namespace

HiveLock::HiveLock(const fs::path& hive, std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    const fs::path lock_path = hive.string() + ".lock";
    std::error_code ec;
    fs::create_directories(hive.parent_path(), ec);
    if (ec) Fail(lock_path, ec.message());
    fd_.Reset(
        ::open(lock_path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600));
    if (!fd_.valid()) Fail(lock_path, std::strerror(errno));
    RequirePrivateRegularFile(fd_.get(), lock_path);
    if (!LockBefore(fd_.get(), deadline, lock_path)) {
        Fail(lock_path, "another program has held it for too long");
    }
}

}  // namespace tessarine
