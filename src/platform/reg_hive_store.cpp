#include "platform/reg_hive_store.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <vector>

#include "platform/reg_file_format.h"
#include "platform/utf.h"

namespace tessarine {

namespace fs = std::filesystem;

namespace {

std::string ErrnoText(int error) {
    return std::strerror(error);
}

std::string HiveFileName(RegistryRoot root) {
    return std::string(RegistryRootName(root)) + ".reg";
}

// Closes a descriptor on every path out.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    ~FileDescriptor() { Reset(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    void Reset(int fd = -1) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = fd;
    }
    // Closes and reports whether the close itself succeeded (it can report
    // a delayed write error).
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

  private:
    int fd_;
};

void SyncDirectory(const fs::path& dir) {
    FileDescriptor fd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid()) ::fsync(fd.get());
}

bool WriteAll(int fd, const std::string& content) {
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
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

}  // namespace

struct Diagnostics {
    std::ostream* out;
    std::function<std::time_t()> now;
};

// One hive file and the rules for reading and changing it.
class RegHiveStore::HiveFile {
  public:
    HiveFile(fs::path path, mode_t new_file_mode, std::shared_ptr<Diagnostics> diagnostics)
        : path_(std::move(path)),
          new_file_mode_(new_file_mode),
          diagnostics_(std::move(diagnostics)) {}

    const fs::path& path() const { return path_; }

    // The hive as it is on disk; missing is empty. A damaged file is set
    // aside when we may, and reads as empty either way. Throws RegistryError
    // when the file cannot be read at all.
    Hive Read() {
        Loaded loaded = Load();
        if (!loaded.damaged) return std::move(loaded.hive);
        try {
            Lock lock(*this);
            loaded = Load();
            if (!loaded.damaged) return std::move(loaded.hive);
            SetAside(loaded.reason);
        } catch (const RegistryError& error) {
            ReportOnce("registry hive " + path_.string() + " is damaged (" + loaded.reason +
                       ") and is ignored: " + error.what());
        }
        return Hive{};
    }

    // Like Read, but a file we cannot read reads as empty, said once.
    Hive ReadTolerant() {
        try {
            return Read();
        } catch (const RegistryError& error) {
            ReportOnce(std::string("registry hive ignored: ") + error.what());
            return Hive{};
        }
    }

    // Locks, re-reads, applies `change` and replaces the file atomically.
    // Throws RegistryError, leaving the file as it was, when any step fails
    // or a damaged file cannot be set aside first.
    void Update(const std::function<void(Hive&)>& change) {
        Lock lock(*this);
        RemoveStaleTemporaries();
        Loaded loaded = Load();
        if (loaded.damaged) SetAside(loaded.reason);
        change(loaded.hive);
        const std::string content = SerializeHive(loaded.hive);
        if (content.size() > kMaxHiveFileSize) {
            throw RegistryError("registry hive " + path_.string() + " would exceed 16 MiB");
        }
        WriteAtomically(content);
    }

  private:
    struct Loaded {
        Hive hive;
        bool damaged = false;
        std::string reason;
    };

    class Lock {
      public:
        explicit Lock(HiveFile& file) {
            std::error_code ec;
            fs::create_directories(file.path_.parent_path(), ec);
            if (ec) Fail(file, ec.message());
            const std::string lock_path = file.path_.string() + ".lock";
            fd_.Reset(::open(lock_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, file.new_file_mode_));
            // Another user's lock file still locks when opened for reading.
            if (!fd_.valid() && errno == EACCES) {
                fd_.Reset(::open(lock_path.c_str(), O_RDONLY | O_CLOEXEC));
            }
            if (!fd_.valid()) Fail(file, ErrnoText(errno));
            while (::flock(fd_.get(), LOCK_EX) != 0) {
                if (errno != EINTR) Fail(file, ErrnoText(errno));
            }
        }
        // Closing the descriptor releases the lock.

      private:
        [[noreturn]] static void Fail(const HiveFile& file, const std::string& why) {
            throw RegistryError("cannot lock registry hive " + file.path_.string() + ": " + why);
        }
        FileDescriptor fd_;
    };

    Loaded Load() {
        Loaded result;
        FileDescriptor fd(::open(path_.c_str(), O_RDONLY | O_CLOEXEC));
        if (!fd.valid()) {
            // Nothing there (or nothing can be there): an empty hive.
            if (errno == ENOENT || errno == ENOTDIR) return result;
            throw RegistryError("cannot read registry hive " + path_.string() + ": " +
                                ErrnoText(errno));
        }
        struct stat info {};
        if (::fstat(fd.get(), &info) != 0) {
            throw RegistryError("cannot read registry hive " + path_.string() + ": " +
                                ErrnoText(errno));
        }
        if (!S_ISREG(info.st_mode)) {
            throw RegistryError("registry hive " + path_.string() + " is not a regular file");
        }
        if (static_cast<std::uint64_t>(info.st_size) > kMaxHiveFileSize) {
            result.damaged = true;
            result.reason = "larger than 16 MiB";
            return result;
        }
        std::string bytes;
        char buffer[65536];
        while (true) {
            const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
            if (n < 0) {
                if (errno == EINTR) continue;
                throw RegistryError("cannot read registry hive " + path_.string() + ": " +
                                    ErrnoText(errno));
            }
            if (n == 0) break;
            bytes.append(buffer, static_cast<std::size_t>(n));
            if (bytes.size() > kMaxHiveFileSize) break;  // ParseHive refuses it
        }
        // An empty file holds nothing to lose; it simply is an empty hive.
        if (bytes.empty()) return result;
        try {
            result.hive = ParseHive(bytes);
        } catch (const HiveFormatError& error) {
            result.damaged = true;
            result.reason = error.what();
        }
        return result;
    }

    // Under the lock: moves the damaged file out of the way, keeping it.
    void SetAside(const std::string& reason) {
        const std::time_t now = diagnostics_->now ? diagnostics_->now() : std::time(nullptr);
        std::tm local{};
        ::localtime_r(&now, &local);
        char stamp[32];
        std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
        const std::string base = path_.string() + ".damaged-" + stamp;
        for (int attempt = 1; attempt <= 1000; ++attempt) {
            const fs::path aside = attempt == 1 ? base : base + "-" + std::to_string(attempt);
            if (RenameNoReplace(path_, aside)) {
                SyncDirectory(path_.parent_path());
                Report("registry hive " + path_.string() + " is damaged (" + reason +
                       "); moved it to " + aside.string() + " and started a fresh hive");
                return;
            }
            if (errno != EEXIST) break;
        }
        throw RegistryError("cannot move damaged registry hive " + path_.string() +
                            " aside: " + ErrnoText(errno));
    }

    // Temporaries exist only while a writer holds the lock, so any we find
    // while holding it were left by a writer that died.
    void RemoveStaleTemporaries() {
        const std::string prefix = path_.filename().string() + ".tmp-";
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(path_.parent_path(), ec)) {
            if (entry.path().filename().string().rfind(prefix, 0) == 0) {
                fs::remove(entry.path(), ec);
            }
        }
    }

    void WriteAtomically(const std::string& content) {
        std::string temp = path_.string() + ".tmp-XXXXXX";
        FileDescriptor fd(::mkostemp(temp.data(), O_CLOEXEC));
        if (!fd.valid()) Fail("cannot create a temporary file", errno);

        // Keep the permissions of the file being replaced.
        mode_t mode = new_file_mode_;
        struct stat info {};
        if (::stat(path_.c_str(), &info) == 0) mode = info.st_mode & 07777;

        const bool written = ::fchmod(fd.get(), mode) == 0 && WriteAll(fd.get(), content) &&
                             ::fsync(fd.get()) == 0 && fd.Close();
        if (!written) {
            const int error = errno;
            fd.Reset();
            ::unlink(temp.c_str());
            Fail("cannot write the temporary file", error);
        }
        if (::rename(temp.c_str(), path_.c_str()) != 0) {
            const int error = errno;
            ::unlink(temp.c_str());
            Fail("cannot replace the hive", error);
        }
        SyncDirectory(path_.parent_path());
    }

    [[noreturn]] void Fail(const std::string& what, int error) const {
        throw RegistryError(what + " for registry hive " + path_.string() + ": " +
                            ErrnoText(error));
    }

    void Report(const std::string& line) {
        std::ostream& out = diagnostics_->out ? *diagnostics_->out : std::cerr;
        out << "tessarine: " << line << '\n' << std::flush;
    }

    void ReportOnce(const std::string& line) {
        if (reported_) return;
        reported_ = true;
        Report(line);
    }

    fs::path path_;
    mode_t new_file_mode_;
    std::shared_ptr<Diagnostics> diagnostics_;
    bool reported_ = false;
};

namespace {

// An open key: where it is read from (first match wins) and where it is
// written.
class HiveKeyHandle : public RegistryKey {
  public:
    using HiveFile = RegHiveStore::HiveFile;

    HiveKeyHandle(std::string path, std::shared_ptr<HiveFile> target,
                  std::shared_ptr<HiveFile> fallback)
        : path_(std::move(path)), target_(std::move(target)), fallback_(std::move(fallback)) {}

    std::optional<RegistryValue> ReadValue(std::string_view name) override {
        RequireOpen();
        if (auto value = Find(target_->Read(), name)) return value;
        if (fallback_) return Find(fallback_->ReadTolerant(), name);
        return std::nullopt;
    }

    void WriteValue(std::string_view name, const RegistryValue& value) override {
        RequireOpen();
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
        locations.machine_overlay =
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

bool CanWriteHive(const fs::path& hive) {
    if (hive.empty()) return false;
    const fs::path dir = hive.parent_path();
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec || !fs::is_directory(dir, ec)) return false;
    if (::access(dir.c_str(), W_OK | X_OK) != 0) return false;
    // A hive made read-only keeps its settings fixed, as a protected key would.
    if (::access(hive.c_str(), F_OK) == 0 && ::access(hive.c_str(), W_OK) != 0) return false;
    return true;
}

RegHiveStore::RegHiveStore() : RegHiveStore(ResolveHiveLocations()) {}

RegHiveStore::RegHiveStore(HiveLocations locations, RegHiveStoreOptions options)
    : locations_(std::move(locations)), options_(std::move(options)) {
    if (!options_.can_write) options_.can_write = CanWriteHive;
    auto diagnostics =
        std::make_shared<Diagnostics>(Diagnostics{options_.diagnostics, options_.now});
    // The machine hive is for every user to read; the user's own are private.
    if (!locations_.machine.empty()) {
        machine_ = std::make_shared<HiveFile>(locations_.machine, 0644, diagnostics);
    }
    if (!locations_.user.empty()) {
        user_ = std::make_shared<HiveFile>(locations_.user, 0600, diagnostics);
    }
    if (!locations_.machine_overlay.empty()) {
        overlay_ = std::make_shared<HiveFile>(locations_.machine_overlay, 0600, diagnostics);
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
        if (user_ && options_.can_write(user_->path())) target = user_;
    } else if (machine_ && options_.can_write(machine_->path())) {
        target = machine_;
    } else if (overlay_ && options_.can_write(overlay_->path())) {
        target = overlay_;
        fallback = machine_;
    }
    if (!target) return nullptr;

    try {
        bool exists = target->Read().KeyExists(full);
        if (!exists && fallback) exists = fallback->ReadTolerant().KeyExists(full);
        if (!exists) target->Update([&](Hive& hive) { hive.FindOrAddKey(full); });
    } catch (const RegistryError&) {
        return nullptr;
    }
    return std::make_unique<HiveKeyHandle>(std::move(full), target, fallback);
}

}  // namespace tessarine
