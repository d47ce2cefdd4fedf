// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>
#include <system_error>

#include "platform/file_descriptor.h"

namespace tessarine {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void Fail(const std::string& what, const fs::path& path, int error) {
    throw std::system_error(error, std::generic_category(), what + " for " + path.string());
}

bool RenameInto(const std::string& from, const fs::path& to, bool replace) {
    if (replace) return ::rename(from.c_str(), to.c_str()) == 0;
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS) return false;
    // Without that rename flag a hard link refuses an existing target just
    // as atomically.
    if (::link(from.c_str(), to.c_str()) != 0) return false;
    ::unlink(from.c_str());
    return true;
}

// "<name>.tmp-XXXXXX" beside the file, with the name cut short where the
// suffix would take it past the folder's longest name.
std::string TemporaryNameFor(const fs::path& path) {
    constexpr std::string_view kSuffix = ".tmp-XXXXXX";
    const fs::path folder = path.parent_path();
    long longest = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
    if (longest <= 0) longest = NAME_MAX;
    std::string name = path.filename().string();
    const std::size_t room = static_cast<std::size_t>(longest) - kSuffix.size();
    if (name.size() > room) name.resize(room);
    return (folder / (name + std::string(kSuffix))).string();
}

}  // namespace

FileStamp FileStamp::Of(const struct stat& info) {
    return FileStamp{info.st_dev, info.st_ino, info.st_size, info.st_mtim};
}

bool FileStamp::operator==(const FileStamp& other) const {
    return device == other.device && inode == other.inode && size == other.size &&
           mtime.tv_sec == other.mtime.tv_sec && mtime.tv_nsec == other.mtime.tv_nsec;
}

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t n = ::write(fd, content.data(), content.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

void SyncDirectory(const fs::path& dir) {
    FileDescriptor fd(::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid()) ::fsync(fd.get());
}

FileStamp ReplaceFileAtomically(const fs::path& path, std::string_view content, mode_t mode,
                                bool replace) {
    std::string temp = TemporaryNameFor(path);
    FileDescriptor fd(::mkostemp(temp.data(), O_CLOEXEC));
    if (!fd.valid()) Fail("cannot create a temporary file", path, errno);

    struct stat info {};
    const bool written = ::fchmod(fd.get(), mode) == 0 && WriteAll(fd.get(), content) &&
                         ::fsync(fd.get()) == 0 && ::fstat(fd.get(), &info) == 0 && fd.Close();
    if (!written || !RenameInto(temp, path, replace)) {
        const int error = errno;
        fd.Reset();
        ::unlink(temp.c_str());
        Fail(written ? "cannot replace the file" : "cannot write the temporary file", path, error);
    }
    SyncDirectory(path.parent_path());
    return FileStamp::Of(info);
}

}  // namespace tessarine
