// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

#include "calendar/text_catalog.h"
#include "platform/atomic_file.h"
#include "platform/file_descriptor.h"

namespace tessarine {

namespace fs = std::filesystem;

namespace {

// The output as its messages name it, and the words they use: the frame and
// this file's own reasons are translated; the C library words the system's.
class Output {
  public:
    Output(std::string name, const TextTranslator& translate)
        : name_(std::move(name)), translate_(translate) {}

    const std::string& name() const { return name_; }

    [[noreturn]] void Fail(const char* reason) const { FailWith(Text(reason)); }
    [[noreturn]] void FailWithError(int error) const {
        // A pipe's reader that stops early (`| head`) is not a broken system.
        if (error == EPIPE) {
            Fail(TESSARINE_TRANSLATE_NOOP("Errors", "the reader closed the output"));
        }
        FailWith(std::strerror(error));
    }

  private:
    std::string Text(const char* source) const { return Translate(translate_, "Errors", source); }
    [[noreturn]] void FailWith(const std::string& why) const {
        throw OutputFileError(FillPlaceholders(
            Text(TESSARINE_TRANSLATE_NOOP("Errors", "cannot write \"%1\": %2")), {name_, why}));
    }

    std::string name_;
    const TextTranslator& translate_;
};

void WriteToDescriptor(int fd, std::string_view content, const Output& output) {
    if (!WriteAll(fd, content)) output.FailWithError(errno);
}

bool IsStreamLike(mode_t mode) {
    return S_ISFIFO(mode) || S_ISCHR(mode);
}

// Opens without creating or truncating, and writes only if what was opened
// is still a FIFO or a device: a file put there meanwhile is not touched.
void WriteInPlace(std::string_view content, const Output& output) {
    FileDescriptor fd(::open(output.name().c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC));
    if (!fd.valid()) output.FailWithError(errno);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) output.FailWithError(errno);
    if (!IsStreamLike(info.st_mode)) {
        output.Fail(TESSARINE_TRANSLATE_NOOP("Errors", "it changed while it was being opened"));
    }
    WriteToDescriptor(fd.get(), content, output);
    if (!fd.Close()) output.FailWithError(errno);
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A file in a folder the user may not change cannot be replaced, but the
// user asked for it and may write it: it is truncated and written instead.
void OverwriteInPlace(const fs::path& file, std::string_view content, const Output& output) {
    FileDescriptor fd(::open(file.c_str(), O_WRONLY | O_TRUNC | O_NOCTTY | O_CLOEXEC));
    if (!fd.valid()) output.FailWithError(errno);
    WriteToDescriptor(fd.get(), content, output);
    if (::fsync(fd.get()) != 0 || !fd.Close()) output.FailWithError(errno);
}

bool MayWrite(const fs::path& path) {
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

fs::path ResolvedRegularFile(const Output& output) {
    char* resolved = ::realpath(output.name().c_str(), nullptr);
    if (resolved == nullptr) output.FailWithError(errno);
    fs::path target(resolved);
    std::free(resolved);
    return target;
}

void Replace(const fs::path& file, std::string_view content, mode_t mode, bool existing,
             const Output& output) {
    try {
        ReplaceFileAtomically(file, content, mode, existing);
    } catch (const std::system_error& error) {
        if (!existing && error.code() == std::errc::file_exists) {
            output.Fail(TESSARINE_TRANSLATE_NOOP(
                "Errors", "something else appeared there while it was being written"));
        }
        output.FailWithError(error.code().value());
    }
}

}  // namespace

void WriteOutputFile(const std::string& path, std::string_view content,
                     const TextTranslator& translate) {
    if (path == kStandardOutputName) {
        const Output output(
            Translate(translate, "Errors", TESSARINE_TRANSLATE_NOOP("Errors", "standard output")),
            translate);
        WriteToDescriptor(STDOUT_FILENO, content, output);
        return;
    }
    const Output output(path, translate);
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno != ENOENT) output.FailWithError(errno);
        struct stat link {};
        if (::lstat(path.c_str(), &link) == 0) {
            output.Fail(TESSARINE_TRANSLATE_NOOP("Errors", "it is a link that leads nowhere"));
        }
        // Never replaces what another program puts there meanwhile.
        Replace(path, content, NewFileMode(), false, output);
        return;
    }
    if (S_ISREG(info.st_mode)) {
        const fs::path file = ResolvedRegularFile(output);
        // As the shell and cp do: a file the user may not write is kept,
        // even where its folder would let it be replaced.
        if (!MayWrite(file)) output.FailWithError(errno);
        const fs::path folder = file.parent_path();
        if (!MayWrite(folder.empty() ? fs::path(".") : folder)) {
            OverwriteInPlace(file, content, output);
            return;
        }
        Replace(file, content, info.st_mode & 07777, true, output);
    } else if (IsStreamLike(info.st_mode)) {
        WriteInPlace(content, output);
    } else if (S_ISDIR(info.st_mode)) {
        output.Fail(TESSARINE_TRANSLATE_NOOP("Errors", "it is a directory"));
    } else {
        output.Fail(TESSARINE_TRANSLATE_NOOP(
            "Errors", "it is neither a regular file, a FIFO nor a character device"));
    }
}

}  // namespace tessarine
