#include "platform/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/atomic_file.h"
#include "platform/file_descriptor.h"

namespace tessarine {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void Fail(const std::string& path, const std::string& why) {
    throw OutputFileError("cannot write \"" + path + "\": " + why);
}

std::string Cause(int error) {
    // A pipe's reader that stops early (`| head`) is not a broken system.
    return error == EPIPE ? "the reader closed the output" : std::strerror(error);
}

void WriteToDescriptor(int fd, std::string_view content, const std::string& path) {
    if (!WriteAll(fd, content)) Fail(path, Cause(errno));
}

bool IsStreamLike(mode_t mode) {
    return S_ISFIFO(mode) || S_ISCHR(mode);
}

// Opens without creating or truncating, and writes only if what was opened
// is still a FIFO or a device: a file put there meanwhile is not touched.
void WriteInPlace(const std::string& path, std::string_view content) {
    FileDescriptor fd(::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC));
    if (!fd.valid()) Fail(path, std::strerror(errno));
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) Fail(path, std::strerror(errno));
    if (!IsStreamLike(info.st_mode)) Fail(path, "it changed while it was being opened");
    WriteToDescriptor(fd.get(), content, path);
    if (!fd.Close()) Fail(path, std::strerror(errno));
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A file in a folder the user may not change cannot be replaced, but the
// user asked for it and may write it: it is truncated and written instead.
void OverwriteInPlace(const fs::path& file, std::string_view content, const std::string& path) {
    FileDescriptor fd(::open(file.c_str(), O_WRONLY | O_TRUNC | O_NOCTTY | O_CLOEXEC));
    if (!fd.valid()) Fail(path, std::strerror(errno));
    WriteToDescriptor(fd.get(), content, path);
    if (::fsync(fd.get()) != 0 || !fd.Close()) Fail(path, std::strerror(errno));
}

bool MayWrite(const fs::path& path) {
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

fs::path ResolvedRegularFile(const std::string& path) {
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr) Fail(path, std::strerror(errno));
    fs::path target(resolved);
    std::free(resolved);
    return target;
}

void Replace(const fs::path& file, std::string_view content, mode_t mode, bool existing,
             const std::string& path) {
    try {
        ReplaceFileAtomically(file, content, mode, existing);
    } catch (const std::system_error& error) {
        if (!existing && error.code() == std::errc::file_exists) {
            Fail(path, "something else appeared there while it was being written");
        }
        Fail(path, std::strerror(error.code().value()));
    }
}

}  // namespace

void WriteOutputFile(const std::string& path, std::string_view content) {
    if (path == kStandardOutputName) {
        WriteToDescriptor(STDOUT_FILENO, content, "standard output");
        return;
    }
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno != ENOENT) Fail(path, std::strerror(errno));
        struct stat link {};
        if (::lstat(path.c_str(), &link) == 0) Fail(path, "it is a link that leads nowhere");
        // Never replaces what another program puts there meanwhile.
        Replace(path, content, NewFileMode(), false, path);
        return;
    }
    if (S_ISREG(info.st_mode)) {
        const fs::path file = ResolvedRegularFile(path);
        // As the shell and cp do: a file the user may not write is kept,
        // even where its folder would let it be replaced.
        if (!MayWrite(file)) Fail(path, std::strerror(errno));
        const fs::path folder = file.parent_path();
        if (!MayWrite(folder.empty() ? fs::path(".") : folder)) {
            OverwriteInPlace(file, content, path);
            return;
        }
        Replace(file, content, info.st_mode & 07777, true, path);
    } else if (IsStreamLike(info.st_mode)) {
        WriteInPlace(path, content);
    } else if (S_ISDIR(info.st_mode)) {
        Fail(path, "it is a directory");
    } else {
        Fail(path, "it is neither a regular file, a FIFO nor a character device");
    }
}

}  // namespace tessarine
