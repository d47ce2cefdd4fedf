// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/reg_hive_store.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ostream>
#include <system_error>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/file_descriptor.h"
#include "platform/hive_fault.h"
#include "platform/hive_lock.h"
#include "platform/reg_file_format.h"
#include "platform/utf.h"

namespace tessarine {

namespace fs = std::filesystem;

namespace {

std::string HiveFileName(RegistryRoot root) {
    return std::string(RegistryRootName(root)) + ".reg";
}

// Renames without replacing an existing target; false with EEXIST when the
// target exists.
bool RenameNoReplace(const fs::path& from, const fs::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS) return false;
    // The file system cannot do it atomically; we hold the hive's lock, so
    // only a foreign program could race this check.
    if (::access(to.c_str(), F_OK) == 0) {
        errno = EEXIST;
        return false;
    }
    return ::rename(from.c_str(), to.c_str()) == 0;
}

std::vector<std::string> SplitKeyPath(std::string_view path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find('\\', start), path.size());
        if (end > start) parts.emplace_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// Names the file can hold and read back: one line of valid UTF-8 text.
bool IsStorableName(std::string_view text) {
    constexpr std::string_view kBreaking("\r\n\0", 3);
    return IsValidUtf8(text) && text.find_first_of(kBreaking) == std::string_view::npos;
}

std::shared_ptr<const Hive> EmptyHive() {
    static const auto empty = std::make_shared<const Hive>();
    return empty;
}

std::string ReadAtMost(int fd, std::size_t limit, const std::string& shown) {
    std::string bytes;
    char buffer[65536];
    while (bytes.size() <= limit) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw HiveFault(shown, HiveProblem::FromErrno(errno));
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
}

}  // namespace

struct StoreContext {
    std::ostream* diagnostics;
    std::function<void(const std::string&)> tellUser;
    std::function<std::time_t()> now;
    std::chrono::milliseconds lockTimeout;
    TextTranslator translate;
};

// One hive file and the rules for reading and changing it.
class RegHiveStore::HiveFile {
  public:
    HiveFile(fs::path path, mode_t newFileMode, std::shared_ptr<StoreContext> context)
        : path_(std::move(path)), newFileMode_(newFileMode), context_(std::move(context)) {}

    const fs::path& path() const { return path_; }

    using Change = std::function<void(Hive&)>;

    // The hive as it is on disk; missing is empty. A damaged file is set
    // aside when we may, and reads as empty either way. Throws RegistryError
    // in the user's words when the file cannot be read at all.
    std::shared_ptr<const Hive> Read() {
        try {
            return ReadOrFault();
        } catch (const HiveFault& fault) {
            throw RegistryError(CannotReadMessage(fault, context_->translate));
        }
    }

    // Like Read, but a file that cannot be used gives null, and the user is
    // told once which file and why.
    std::shared_ptr<const Hive> ReadOrTellOnce() {
        try {
            return ReadOrFault();
        } catch (const HiveFault& fault) {
            if (!reported_) {
                ReportOnce(std::string("registry hive ignored: ") + fault.what());
                TellUser(CannotUseMessage(fault, context_->translate));
            }
            return nullptr;
        }
    }

    // Like ReadOrTellOnce, but a file that cannot be used reads as empty.
    std::shared_ptr<const Hive> ReadTolerant() {
        auto hive = ReadOrTellOnce();
        return hive ? hive : EmptyHive();
    }

    // Locks, re-reads, applies `change` and replaces the file atomically.
    // Throws RegistryError in the user's words, leaving the file as it was,
    // when any step fails or a damaged file cannot be set aside first.
    void Update(const Change& change) {
        try {
            UpdateOrFault(change, context_->lockTimeout);
        } catch (const HiveFault& fault) {
            throw RegistryError(CannotWriteMessage(fault, context_->translate));
        }
    }

    // Update if it can be done at once: false, and nothing said, when the
    // lock is taken or any step fails.
    bool TryUpdate(const Change& change) {
        try {
            UpdateOrFault(change, std::chrono::milliseconds(0));
            return true;
        } catch (const HiveFault&) {
            return false;
        }
    }

    // A write this user may not make, in the user's words.
    RegistryAccessDenied WriteDenied() const {
        return RegistryAccessDenied(CannotWriteMessage(
            HiveFault(path_.string(), HiveProblem::FromErrno(EACCES)), context_->translate));
    }

  private:
    struct Loaded {
        std::shared_ptr<const Hive> hive = EmptyHive();
        mode_t mode = 0;  // of the file read; 0 when there was none
        bool damaged = false;
        std::string reason;
    };

    struct Cached {
        FileStamp stamp;
        Loaded loaded;
    };

    std::shared_ptr<const Hive> ReadOrFault() {
        const fs::path file = ResolveHivePath(path_);
        Loaded loaded = Load(file);
        if (!loaded.damaged) return loaded.hive;
        try {
            // Only one try for the lock: a writer holding it sets the file
            // aside itself, and a reader never waits.
            HiveLock lock(file, std::chrono::milliseconds(0));
            loaded = Load(file);
            if (!loaded.damaged) return loaded.hive;
            SetAside(file, loaded.reason);
        } catch (const HiveFault& fault) {
            ReportIgnoredOnce(file, loaded.reason, fault);
        }
        return EmptyHive();
    }

    void UpdateOrFault(const Change& change, std::chrono::milliseconds wait) {
        const fs::path file = ResolveHivePath(path_);
        // Before the lock file is made beside it.
        RequireRegularFileOrNothing(file);
        HiveLock lock(file, wait);
        RemoveStaleTemporaries(file);
        Loaded loaded = Load(file);
        if (loaded.damaged) SetAside(file, loaded.reason);
        auto hive = std::make_shared<Hive>(*loaded.hive);
        change(*hive);
        const std::string content = SerializeHive(*hive);
        if (content.size() > kMaxHiveFileSize) {
            throw HiveFault(Shown(file), HiveProblem::TooLarge());
        }
        // Keep the permissions of the file being replaced.
        const mode_t mode = loaded.mode != 0 ? loaded.mode : newFileMode_;
        try {
            const FileStamp stamp = ReplaceFileAtomically(file, content, mode);
            cache_ = Cached{stamp, Loaded{std::move(hive), mode, false, {}}};
        } catch (const std::system_error& error) {
            throw HiveFault(Shown(file), HiveProblem::FromErrno(error.code().value()));
        }
    }

    // The name the user knows the file by: the hive, and where its link
    // leads.
    std::string Shown(const fs::path& file) const {
        if (file == path_) return path_.string();
        return path_.string() + " \xE2\x86\x92 " + file.string();  // a rightwards arrow
    }

    // Only a regular file of this user's or root's is ever opened or written
    // beside: nothing else is for us to read, and a device may act on being
    // opened.
    void RequireRegularFileOrNothing(const fs::path& file) const {
        struct stat info {};
        if (::lstat(file.c_str(), &info) != 0) {
            if (errno == ENOENT || errno == ENOTDIR) return;
            throw HiveFault(Shown(file), HiveProblem::FromErrno(errno));
        }
        RequireUsable(info, file);
    }

    void RequireUsable(const struct stat& info, const fs::path& file) const {
        if (!S_ISREG(info.st_mode)) {
            throw HiveFault(Shown(file), HiveProblem::NotRegularFile(info.st_mode));
        }
        if (!OwnedByUserOrRoot(info)) {
            throw HiveFault(Shown(file), HiveProblem::OwnedByAnotherUser());
        }
    }

    // Opens without following a link (ResolveHivePath did that) and without
    // blocking on a FIFO, and reads only a regular file, parsing it only
    // when it changed since the last time.
    Loaded Load(const fs::path& file) {
        Loaded result;
        RequireRegularFileOrNothing(file);
        FileDescriptor fd(
            ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC));
        if (!fd.valid()) {
            // Nothing there (or nothing can be there): an empty hive.
            if (errno == ENOENT || errno == ENOTDIR) return result;
            throw HiveFault(Shown(file), HiveProblem::FromErrno(errno));
        }
        // What was opened may have been put there after the check.
        struct stat info {};
        if (::fstat(fd.get(), &info) != 0) {
            throw HiveFault(Shown(file), HiveProblem::FromErrno(errno));
        }
        RequireUsable(info, file);
        result.mode = info.st_mode & 07777;
        const FileStamp stamp = FileStamp::Of(info);
        if (cache_ && cache_->stamp == stamp) {
            // A chmod leaves the stamp alone; the mode is always today's.
            Loaded cached = cache_->loaded;
            cached.mode = result.mode;
            return cached;
        }
        if (static_cast<std::uint64_t>(info.st_size) > kMaxHiveFileSize) {
            result.damaged = true;
            result.reason = "larger than 16 MiB";
        } else if (const std::string bytes = ReadAtMost(fd.get(), kMaxHiveFileSize, Shown(file));
                   !bytes.empty()) {
            // An empty file holds nothing to lose; it simply is an empty hive.
            try {
                result.hive = std::make_shared<const Hive>(ParseHive(bytes));
            } catch (const HiveFormatError& error) {
                result.damaged = true;
                result.reason = error.what();
            }
        }
        cache_ = Cached{stamp, result};
        return result;
    }

    // Under the lock: moves the damaged file out of the way, keeping it.
    void SetAside(const fs::path& file, const std::string& reason) {
        const std::time_t now = context_->now ? context_->now() : std::time(nullptr);
        std::tm local{};
        ::localtime_r(&now, &local);
        char stamp[32];
        std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
        const std::string base = file.string() + ".damaged-" + stamp;
        for (int attempt = 1; attempt <= 1000; ++attempt) {
            const fs::path aside = attempt == 1 ? base : base + "-" + std::to_string(attempt);
            if (RenameNoReplace(file, aside)) {
                SyncDirectory(file.parent_path());
                cache_.reset();
                Report("registry hive " + file.string() + " is damaged (" + reason +
                       "); moved it to " + aside.string() + " and started a fresh hive");
                TellUser(SetAsideMessage(Shown(file), reason, aside.string(), context_->translate));
                return;
            }
            if (errno != EEXIST) break;
        }
        throw HiveFault(Shown(file), HiveProblem::FromErrno(errno));
    }

    void ReportIgnoredOnce(const fs::path& file, const std::string& reason,
                           const HiveFault& fault) {
        if (reported_) return;
        ReportOnce("registry hive " + file.string() + " is damaged (" + reason +
                   ") and is ignored: " + fault.what());
        TellUser(DamagedIgnoredMessage(Shown(file), reason, fault, context_->translate));
    }

    // Temporaries exist only while a writer holds the lock, so any we find
    // while holding it were left by a writer that died.
    static void RemoveStaleTemporaries(const fs::path& file) {
        const std::string prefix = file.filename().string() + ".tmp-";
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(file.parent_path(), ec)) {
            if (entry.path().filename().string().rfind(prefix, 0) == 0) {
                fs::remove(entry.path(), ec);
            }
        }
    }

    void Report(const std::string& line) {
        if (context_->diagnostics != nullptr) {
            *context_->diagnostics << "tessarine: " << line << '\n' << std::flush;
            return;
        }
        // Standard error through C stdio: the C++ streams would set up their
        // locale machinery at every start for a line that is rarely written.
        std::fprintf(stderr, "tessarine: %s\n", line.c_str());
        std::fflush(stderr);
    }

    void ReportOnce(const std::string& line) {
        if (reported_) return;
        reported_ = true;
        Report(line);
    }

    void TellUser(const std::string& message) {
        if (context_->tellUser) context_->tellUser(message);
    }

    fs::path path_;
    mode_t newFileMode_;
    std::shared_ptr<StoreContext> context_;
    std::optional<Cached> cache_;
    bool reported_ = false;
};

namespace {

// An open key: where it is read from (first match wins) and where it is
// written, unless this user may only read it.
class HiveKeyHandle : public RegistryKey {
  public:
    using HiveFile = RegHiveStore::HiveFile;

    HiveKeyHandle(std::string path, std::shared_ptr<HiveFile> target,
                  std::shared_ptr<HiveFile> fallback, bool writable)
        : path_(std::move(path)),
          target_(std::move(target)),
          fallback_(std::move(fallback)),
          writable_(writable) {}

    std::optional<RegistryValue> ReadValue(std::string_view name) override {
        RequireOpen();
        if (auto value = Find(*target_->Read(), name)) return value;
        if (fallback_) return Find(*fallback_->ReadTolerant(), name);
        return std::nullopt;
    }

    void WriteValue(std::string_view name, const RegistryValue& value) override {
        RequireOpen();
        if (!writable_) throw target_->WriteDenied();
        if (!IsStorableName(name)) {
            throw RegistryError("a value name must be one line of UTF-8 text without NUL");
        }
        target_->Update([&](Hive& hive) { hive.FindOrAddKey(path_).SetValue(name, value); });
    }

    void Close() override { closed_ = true; }

  private:
    void RequireOpen() const {
        if (closed_) throw RegistryError("the registry key " + path_ + " is closed");
    }

    std::optional<RegistryValue> Find(const Hive& hive, std::string_view name) const {
        const HiveKey* key = hive.FindKey(path_);
        if (key == nullptr) return std::nullopt;
        const HiveValue* value = key->FindValue(name);
        if (value == nullptr) return std::nullopt;
        return value->value;
    }

    std::string path_;
    std::shared_ptr<HiveFile> target_;
    std::shared_ptr<HiveFile> fallback_;
    bool writable_;
    bool closed_ = false;
};

fs::path AbsoluteDirFromEnvironment(const EnvironmentLookup& environment, const char* name,
                                    const fs::path& home, const char* fallback) {
    if (auto value = environment(name);
        value && !value->empty() && fs::path(*value).is_absolute()) {
        return *value;
    }
    if (home.empty()) return {};
    return home / fallback;
}

}  // namespace

HiveLocations ResolveHiveLocations(const EnvironmentLookup& environment) {
    HiveLocations locations;
    if (auto dir = environment("TESSARINE_REGISTRY_DIR"); dir && !dir->empty()) {
        locations.machine = fs::path(*dir) / HiveFileName(RegistryRoot::LocalMachine);
        locations.user = fs::path(*dir) / HiveFileName(RegistryRoot::CurrentUser);
        return locations;
    }
    locations.machine = fs::path("/var/lib/tessarine") / HiveFileName(RegistryRoot::LocalMachine);
    fs::path home;
    if (auto value = environment("HOME"); value && !value->empty()) home = *value;
    const fs::path config =
        AbsoluteDirFromEnvironment(environment, "XDG_CONFIG_HOME", home, ".config");
    const fs::path state =
        AbsoluteDirFromEnvironment(environment, "XDG_STATE_HOME", home, ".local/state");
    if (!config.empty()) {
        locations.user = config / "tessarine" / HiveFileName(RegistryRoot::CurrentUser);
    }
    if (!state.empty()) {
        locations.machineOverlay =
            state / "tessarine" / "VirtualStore" / HiveFileName(RegistryRoot::LocalMachine);
    }
    return locations;
}

HiveLocations ResolveHiveLocations() {
    return ResolveHiveLocations([](const char* name) -> std::optional<std::string> {
        if (const char* value = std::getenv(name)) return std::string(value);
        if (std::string_view(name) == "HOME") {
            std::vector<char> buffer(16384);
            passwd entry{};
            passwd* found = nullptr;
            if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
                found != nullptr && found->pw_dir != nullptr) {
                return std::string(found->pw_dir);
            }
        }
        return std::nullopt;
    });
}

fs::path ResolveHivePath(const fs::path& hive) {
    struct stat info {};
    if (::lstat(hive.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return hive;
    // Another user's link, planted in a folder both may write, would steer
    // our renames and locks into our own files.
    if (!OwnedByUserOrRoot(info)) throw HiveFault(hive.string(), HiveProblem::OwnedByAnotherUser());
    char* resolved = ::realpath(hive.c_str(), nullptr);
    if (resolved == nullptr) {
        throw HiveFault(hive.string(), errno == ENOENT ? HiveProblem::DanglingLink()
                                                       : HiveProblem::FromErrno(errno));
    }
    fs::path target(resolved);
    std::free(resolved);
    return target;
}

bool CanWriteHive(const fs::path& hive) {
    if (hive.empty()) return false;
    fs::path file;
    try {
        file = ResolveHivePath(hive);
    } catch (const HiveFault&) {
        return false;
    }
    const fs::path dir = file.parent_path();
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec || !fs::is_directory(dir, ec)) return false;
    if (::access(dir.c_str(), W_OK | X_OK) != 0) return false;
    // A hive made read-only keeps its settings fixed, as a protected key would.
    if (::access(file.c_str(), F_OK) == 0 && ::access(file.c_str(), W_OK) != 0) return false;
    return true;
}

RegHiveStore::RegHiveStore() : RegHiveStore(ResolveHiveLocations()) {}

RegHiveStore::RegHiveStore(HiveLocations locations, RegHiveStoreOptions options)
    : locations_(std::move(locations)), options_(std::move(options)) {
    if (!options_.canWrite) options_.canWrite = CanWriteHive;
    auto context = std::make_shared<StoreContext>(
        StoreContext{options_.diagnostics, options_.tellUser, options_.now, options_.lockTimeout,
                     options_.translate});
    // The machine hive is for every user to read; the user's own are private.
    if (!locations_.machine.empty()) {
        machine_ = std::make_shared<HiveFile>(locations_.machine, 0644, context);
    }
    if (!locations_.user.empty()) {
        user_ = std::make_shared<HiveFile>(locations_.user, 0600, context);
    }
    if (!locations_.machineOverlay.empty()) {
        overlay_ = std::make_shared<HiveFile>(locations_.machineOverlay, 0600, context);
    }
}

RegHiveStore::~RegHiveStore() = default;

std::unique_ptr<RegistryKey> RegHiveStore::CreateKey(RegistryRoot root, std::string_view path) {
    if (!IsStorableName(path)) return nullptr;
    std::string full(RegistryRootName(root));
    for (const auto& part : SplitKeyPath(path)) full += "\\" + part;

    std::shared_ptr<HiveFile> target;
    std::shared_ptr<HiveFile> fallback;
    if (root == RegistryRoot::CurrentUser) {
        if (user_ && options_.canWrite(user_->path())) target = user_;
    } else if (machine_ && options_.canWrite(machine_->path())) {
        target = machine_;
    } else if (overlay_ && options_.canWrite(overlay_->path())) {
        target = overlay_;
        fallback = machine_;
    }
    if (!target) {
        // Nothing this user may write: an existing key still reads.
        const auto& readable = root == RegistryRoot::CurrentUser ? user_ : machine_;
        const auto hive = readable ? readable->ReadOrTellOnce() : nullptr;
        if (hive && hive->KeyExists(full)) {
            return std::make_unique<HiveKeyHandle>(std::move(full), readable, nullptr, false);
        }
        return nullptr;
    }
    const auto hive = target->ReadOrTellOnce();
    if (!hive) return nullptr;
    bool exists = hive->KeyExists(full);
    if (!exists && fallback) exists = fallback->ReadTolerant()->KeyExists(full);
    // A key that cannot be made at once (another writer holds the lock, the
    // disk is full) is made by the first write, which says what stops it:
    // waiting here too would only double the wait of a choice that fails.
    if (!exists) target->TryUpdate([&](Hive& changed) { changed.FindOrAddKey(full); });
    return std::make_unique<HiveKeyHandle>(std::move(full), target, fallback, true);
}

}  // namespace tessarine
