// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <filesystem>
#include <string_view>

namespace tessarine {

// What tells one version of a file from the next without reading it: every
// replacement is a new inode, and an edit in place changes size or mtime.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    struct timespec mtime {};

    static FileStamp Of(const struct stat& info);
    bool operator==(const FileStamp& other) const;
};

// Writes all of `content` to `fd`; false with errno set on failure.
bool WriteAll(int fd, std::string_view content);

// Puts `content` at `path` (a regular file or nothing; resolve a link first):
// written beside it as "<path>.tmp-XXXXXX" (the name cut short where it
// must be) with `mode`, flushed to disk and renamed over it, so a reader
// sees the old file or the new one, whole. When
// `replace` is false an existing file is left alone and the call fails with
// EEXIST. Returns the new file's stamp; throws std::system_error.
FileStamp ReplaceFileAtomically(const std::filesystem::path& path, std::string_view content,
                                mode_t mode, bool replace = true);

// Flushes a directory's entries (a rename in it) to disk, as far as it can.
void SyncDirectory(const std::filesystem::path& dir);

}  // namespace tessarine
