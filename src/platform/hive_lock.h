// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <filesystem>

#include "platform/file_descriptor.h"

namespace tessarine {

// An exclusive flock on "<hive>.lock", held for the object's life. Only
// writers take it: readers need none, since a hive is only ever replaced
// whole by a rename.
//
// The lock file is created private to its owner (0600), so no other user can
// open it to hold the lock and freeze every writer; it is opened without
// following a link (a planted link cannot make us create a file elsewhere)
// and without blocking on a FIFO. A lock file left readable by an earlier
// version is made private again by its owner. One that another user owns is
// refused: in a folder others may write, its owner could hold it forever.
class HiveLock {
  public:
    // Waits at most `timeout` for the lock (zero: one try). Throws HiveFault
    // naming the hive when it stays taken, and naming the lock file when that
    // cannot be used.
    HiveLock(const std::filesystem::path& hive, std::chrono::milliseconds timeout);

  private:
    FileDescriptor fd_;  // closing it releases the lock
};

}  // namespace tessarine
