// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <ctime>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "calendar/text_catalog.h"
#include "platform/registry.h"

namespace tessarine {

// The registry on Linux: one text hive file per root (see reg_file_format.h).
//
// Every change takes the hive's lock (see HiveLock), waiting a bounded time,
// re-reads the hive, applies the change, writes a temporary file beside it,
// fsyncs it, renames it over the hive and fsyncs the directory, so concurrent
// writers never tear the file and the last writer wins per value. Reads take
// no lock: a rename is atomic, so a reader sees the old file or the new one.
// A parsed hive is kept until the file changes (another inode, size or
// modification time), so reading a value costs one fstat, not one parse.
//
// A hive that is a symbolic link is read and written at the file the link
// leads to; the link stays. A hive that cannot be used (a FIFO, a folder, a
// device, a link that leads nowhere, a file this user may not read) is never
// opened for its contents: its keys cannot be opened, and the user is told
// once which file and why. So is a hive, a link to one or a lock file that
// belongs to a user other than this one or root: in a folder others may
// write, such a file could steer our renames and locks, or block every save.
//
// Every message for the user names the file and the cause, in the words of
// the translator given; a failed save is reported by the write, in the error
// it throws.
//
// A hive that cannot be parsed (truncated, not in the format, bad encoding,
// over 16 MiB) is never overwritten: it is renamed to
// "<hive>.damaged-YYYYMMDD-HHMMSS" (a counter added rather than replacing an
// earlier one), one line says so on the diagnostics stream, the user is told
// where it was kept, and a fresh hive takes its place. Where it cannot be
// moved, it is ignored and the user told so once.

struct HiveLocations {
    std::filesystem::path machine;  // HKEY_LOCAL_MACHINE
    std::filesystem::path user;     // HKEY_CURRENT_USER
    // Per-user stand-in for the machine hive when this user may not write
    // that: read before the machine hive, and receives this user's writes.
    // Empty for none.
    std::filesystem::path machineOverlay;
};

// Returns the value of an environment variable, or nothing when unset.
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;

// With TESSARINE_REGISTRY_DIR set (tests, portable use): both hives in that
// directory, no overlay. Otherwise the machine hive
// /var/lib/tessarine/HKEY_LOCAL_MACHINE.reg, the user hive
// $XDG_CONFIG_HOME/tessarine/HKEY_CURRENT_USER.reg (default ~/.config) and
// the overlay $XDG_STATE_HOME/tessarine/VirtualStore/HKEY_LOCAL_MACHINE.reg
// (default ~/.local/state). Relative XDG values are ignored, as the XDG
// base directory rules ask. Without a home directory the user paths stay empty and
// those keys cannot be opened.
HiveLocations ResolveHiveLocations(const EnvironmentLookup& environment);
// The same from this process's environment (HOME falling back to the
// password database).
HiveLocations ResolveHiveLocations();

// Whether this process may write the hive at `hive`: its directory exists or
// can be created, the directory is writable, and an existing hive file is
// writable. Creates the directory as a side effect.
bool CanWriteHive(const std::filesystem::path& hive);

// The file a change to the hive at `hive` goes to: `hive` itself, or for a
// symbolic link the file it leads to. Throws HiveFault for a link that leads
// nowhere or that another user owns.
std::filesystem::path ResolveHivePath(const std::filesystem::path& hive);

struct RegHiveStoreOptions {
    // Decides, when a key is opened, whether a hive may be written; the
    // machine overlay is used when this says no for the machine hive.
    // Defaults to CanWriteHive.
    std::function<bool(const std::filesystem::path& hive)> canWrite;
    // Where damaged hives are reported; defaults to standard error.
    std::ostream* diagnostics = nullptr;
    // Tells the user about a hive in words fit for a message box: once per
    // damaged file set aside, or once per hive that cannot be used. Empty:
    // the diagnostics line is all.
    std::function<void(const std::string& message)> tellUser;
    // The clock that names set-aside files; defaults to the system clock.
    std::function<std::time_t()> now;
    // How long a change waits for another writer's lock before it fails.
    std::chrono::milliseconds lockTimeout{2000};
    // Puts the messages into the user's language; empty: English.
    TextTranslator translate;
};

class RegHiveStore : public Registry {
  public:
    // Hives where ResolveHiveLocations() puts them.
    RegHiveStore();
    explicit RegHiveStore(HiveLocations locations, RegHiveStoreOptions options = {});
    ~RegHiveStore() override;

    RegHiveStore(const RegHiveStore&) = delete;
    RegHiveStore& operator=(const RegHiveStore&) = delete;

    // A key of a hive this user may not write (and that has no overlay)
    // still opens when it exists: its values read, and writing them throws
    // RegistryAccessDenied. A missing key of a hive this user may write is
    // made at once when it can be, and otherwise by the first write.
    std::unique_ptr<RegistryKey> CreateKey(RegistryRoot root, std::string_view path) override;

    const HiveLocations& locations() const { return locations_; }

    class HiveFile;

  private:
    HiveLocations locations_;
    RegHiveStoreOptions options_;
    std::shared_ptr<HiveFile> machine_;
    std::shared_ptr<HiveFile> user_;
    std::shared_ptr<HiveFile> overlay_;
};

}  // namespace tessarine
