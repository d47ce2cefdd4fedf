// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/reg_hive_store.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "platform/file_descriptor.h"
#include "platform/reg_file_format.h"
#include "support/temp_dir.h"
#include "support/test_files.h"

namespace tessarine {
namespace {

namespace fs = std::filesystem;

fs::path DataFile(const std::string& name) {
    return TestDataFile("platform", name, fs::path(__FILE__).parent_path());
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::vector<fs::path> FilesStartingWith(const fs::path& dir, const std::string& prefix) {
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (entry.path().filename().string().rfind(prefix, 0) == 0) found.push_back(entry.path());
    }
    std::sort(found.begin(), found.end());
    return found;
}

const std::string kSettingsKey = "\\Software\\Tessarine";
const std::string kFullSettingsKey = "HKEY_LOCAL_MACHINE\\Software\\Tessarine";
const std::string kLinkedHive =
    "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\Software\\Tessarine]\n"
    "\"Old\"=dword:00000001\n";

class RegHiveStoreTest : public ::testing::Test {
  protected:
    HiveLocations Locations() const {
        return HiveLocations{dir_ / "HKEY_LOCAL_MACHINE.reg", dir_ / "HKEY_CURRENT_USER.reg", {}};
    }
    fs::path MachineHive() const { return dir_ / "HKEY_LOCAL_MACHINE.reg"; }

    RegHiveStoreOptions Quiet() {
        RegHiveStoreOptions options;
        options.diagnostics = &diagnostics_;
        return options;
    }

    std::unique_ptr<RegistryKey> Open(RegHiveStore& store,
                                      RegistryRoot root = RegistryRoot::LocalMachine,
                                      const std::string& path = kSettingsKey) {
        auto key = store.CreateKey(root, path);
        EXPECT_NE(key, nullptr);
        return key;
    }

    TempDir temp_{"tessarine-reg"};
    const fs::path dir_ = temp_.path();
    std::ostringstream diagnostics_;
};

TEST_F(RegHiveStoreTest, EveryValueTypeRoundTripsThroughTheFileAndASecondStore) {
    const std::map<std::string, RegistryValue> values = {
        {"Binary", RegistryValue::MakeBinary({0, 1, 2, 3, 4, 5, 6, 7})},
        {"Number", RegistryValue::MakeNumber32(0x80000001)},
        {"Text", RegistryValue::MakeText("C:\\Tessarine \"x\" \xC3\xA9")},
        {"Expandable", RegistryValue::MakeExpandableText("%USERPROFILE%\\x")},
        {"Other", RegistryValue::MakeRaw(7, {'a', 0, 0, 0, 0, 0})},
        {"", RegistryValue::MakeText("default")},
    };
    for (RegistryRoot root : {RegistryRoot::LocalMachine, RegistryRoot::CurrentUser}) {
        {
            RegHiveStore writer(Locations(), Quiet());
            auto key = Open(writer, root);
            for (const auto& [name, value] : values) key->WriteValue(name, value);
        }
        RegHiveStore reader(Locations(), Quiet());
        auto key = Open(reader, root, "software\\TESSARINE");
        for (const auto& [name, value] : values) {
            SCOPED_TRACE(name);
            EXPECT_EQ(key->ReadValue(name), value);
        }
        EXPECT_EQ(key->ReadValue("Missing"), std::nullopt);
    }
    // Each root has its own file, in the export format.
    const Hive machine = ParseHive(ReadBytes(MachineHive()));
    const Hive user = ParseHive(ReadBytes(dir_ / "HKEY_CURRENT_USER.reg"));
    ASSERT_EQ(machine.keys.size(), 1u);
    EXPECT_EQ(machine.keys[0].path, "HKEY_LOCAL_MACHINE\\Software\\Tessarine");
    ASSERT_EQ(user.keys.size(), 1u);
    EXPECT_EQ(user.keys[0].path, "HKEY_CURRENT_USER\\Software\\Tessarine");
    EXPECT_EQ(ReadBytes(MachineHive()).rfind("Windows Registry Editor Version 5.00\n\n[", 0), 0u);
    EXPECT_TRUE(diagnostics_.str().empty());
}

TEST_F(RegHiveStoreTest, OpeningCreatesAMissingKeyOnceAndReplacesValuesInPlace) {
    RegHiveStore store(Locations(), Quiet());
    Open(store);
    ASSERT_TRUE(fs::exists(MachineHive()));
    EXPECT_NE(
        ParseHive(ReadBytes(MachineHive())).FindKey("HKEY_LOCAL_MACHINE\\Software\\Tessarine"),
        nullptr);

    // Opening an existing key leaves the file alone.
    struct stat before {};
    ASSERT_EQ(::stat(MachineHive().c_str(), &before), 0);
    auto key = Open(store, RegistryRoot::LocalMachine, "Software\\\\Tessarine\\");
    struct stat after {};
    ASSERT_EQ(::stat(MachineHive().c_str(), &after), 0);
    EXPECT_EQ(before.st_ino, after.st_ino);

    key->WriteValue("A", RegistryValue::MakeNumber32(1));
    key->WriteValue("B", RegistryValue::MakeNumber32(2));
    key->WriteValue("a", RegistryValue::MakeText("one"));
    const Hive hive = ParseHive(ReadBytes(MachineHive()));
    ASSERT_EQ(hive.keys[0].values.size(), 2u);
    EXPECT_EQ(hive.keys[0].values[0].name, "A");
    EXPECT_EQ(hive.keys[0].values[0].value.AsText(), "one");
}

TEST_F(RegHiveStoreTest, HandWrittenFilesAreReadAsWritten) {
    fs::copy_file(DataFile("hand_written.reg"), MachineHive());
    fs::copy_file(DataFile("hand_written_utf16.reg"), dir_ / "HKEY_CURRENT_USER.reg");
    RegHiveStore store(Locations(), Quiet());

    auto settings = Open(store);
    EXPECT_EQ(settings->ReadValue("AppDefaultsRec"),
              RegistryValue::MakeBinary({2, 0, 0, 0, 0, 1, 0, 0}));
    EXPECT_EQ(settings->ReadValue("Long")->data.size(), 48u);

    auto donate = Open(store, RegistryRoot::CurrentUser, "Software\\Tessarine\\DonateForm");
    EXPECT_EQ(donate->ReadValue("DonateLastPrompt")->AsNumber32(), 45331u);
    EXPECT_EQ(donate->ReadValue("Note")->AsText(),
              "\xC3\x9Cn\xC3\xAF"
              "code \xE2\x9C\x93");
    EXPECT_TRUE(diagnostics_.str().empty());
}

// A write changes its value and nothing else, whatever else the file holds.
TEST_F(RegHiveStoreTest, UnknownKeysValuesAndCommentsSurviveAWrite) {
    for (const char* fixture : {"hand_written.reg", "hand_written_utf16.reg"}) {
        SCOPED_TRACE(fixture);
        const std::string original = ReadBytes(DataFile(fixture));
        WriteBytes(MachineHive(), original);
        {
            RegHiveStore store(Locations(), Quiet());
            Open(store, RegistryRoot::LocalMachine, "Software\\New")
                ->WriteValue("Fresh", RegistryValue::MakeNumber32(5));
        }
        Hive expected = ParseHive(original);
        expected.FindOrAddKey("HKEY_LOCAL_MACHINE\\Software\\New")
            .SetValue("Fresh", RegistryValue::MakeNumber32(5));
        EXPECT_EQ(ReadBytes(MachineHive()), SerializeHive(expected));
        const Hive written = ParseHive(ReadBytes(MachineHive()));
        EXPECT_EQ(written.keys.size(), expected.keys.size());
    }
}

TEST_F(RegHiveStoreTest, NewFilesAreSharedOrPrivateByRootAndRewritesKeepTheirMode) {
    RegHiveStore store(Locations(), Quiet());
    Open(store, RegistryRoot::LocalMachine)->WriteValue("x", RegistryValue::MakeNumber32(1));
    Open(store, RegistryRoot::CurrentUser)->WriteValue("x", RegistryValue::MakeNumber32(1));
    EXPECT_EQ(fs::status(MachineHive()).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);
    EXPECT_EQ(fs::status(dir_ / "HKEY_CURRENT_USER.reg").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);

    fs::permissions(MachineHive(), fs::perms::owner_read | fs::perms::owner_write |
                                       fs::perms::group_read | fs::perms::group_write);
    Open(store)->WriteValue("x", RegistryValue::MakeNumber32(2));
    EXPECT_EQ(fs::status(MachineHive()).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::group_write);
    EXPECT_TRUE(FilesStartingWith(dir_, "HKEY_LOCAL_MACHINE.reg.tmp").empty());

    // A writer that died between creating its temporary and renaming it.
    WriteBytes(dir_ / "HKEY_LOCAL_MACHINE.reg.tmp-AbC123", "half a hi");
    Open(store)->WriteValue("x", RegistryValue::MakeNumber32(3));
    EXPECT_TRUE(FilesStartingWith(dir_, "HKEY_LOCAL_MACHINE.reg.tmp").empty());
}

TEST_F(RegHiveStoreTest, RefusedWritesLeaveTheFileAsItWas) {
    RegHiveStore store(Locations(), Quiet());
    auto key = Open(store);
    key->WriteValue("Keep", RegistryValue::MakeNumber32(1));
    const std::string before = ReadBytes(MachineHive());

    // Names the file could not hold or read back.
    EXPECT_THROW(key->WriteValue("two\nlines", RegistryValue::MakeNumber32(1)), RegistryError);
    EXPECT_THROW(key->WriteValue(std::string("nul\0inside", 10), RegistryValue::MakeNumber32(1)),
                 RegistryError);
    EXPECT_THROW(key->WriteValue("bad \xFF utf-8", RegistryValue::MakeNumber32(1)), RegistryError);
    // Larger than any hive we are willing to read back.
    EXPECT_THROW(key->WriteValue("Huge", RegistryValue::MakeBinary(std::vector<std::uint8_t>(
                                             kMaxHiveFileSize / 3 + 1, 0xAA))),
                 RegistryError);
    EXPECT_EQ(ReadBytes(MachineHive()), before);
    EXPECT_EQ(store.CreateKey(RegistryRoot::LocalMachine, "Software\nEvil"), nullptr);
    EXPECT_EQ(store.CreateKey(RegistryRoot::LocalMachine, "Software\\\xC3"), nullptr);

    key->Close();
    EXPECT_THROW(key->ReadValue("Keep"), RegistryError);
    EXPECT_THROW(key->WriteValue("Keep", RegistryValue::MakeNumber32(2)), RegistryError);
    EXPECT_EQ(ReadBytes(MachineHive()), before);
}

struct DamageCase {
    const char* label;
    std::string bytes;
};

class RegHiveStoreDamageTest : public RegHiveStoreTest,
                               public ::testing::WithParamInterface<DamageCase> {};

TEST_P(RegHiveStoreDamageTest, DamagedHiveIsSetAsideIntactAndAFreshOneUsed) {
    WriteBytes(MachineHive(), GetParam().bytes);
    RegHiveStore store(Locations(), Quiet());

    auto key = Open(store);
    EXPECT_EQ(key->ReadValue("AppDefaultsRec"), std::nullopt);
    key->WriteValue("AppDefaultsRec", RegistryValue::MakeBinary({1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(key->ReadValue("AppDefaultsRec")->data[0], 1);

    const auto aside = FilesStartingWith(dir_, "HKEY_LOCAL_MACHINE.reg.damaged-");
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_EQ(ReadBytes(aside[0]), GetParam().bytes);
    EXPECT_NO_THROW(ParseHive(ReadBytes(MachineHive())));

    // One plain line naming both files.
    const std::string said = diagnostics_.str();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find(MachineHive().string() + " is damaged"), std::string::npos) << said;
    EXPECT_NE(said.find(aside[0].string()), std::string::npos) << said;
}

const std::string kGoodStart =
    "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\Software\\Tessarine]\n";

INSTANTIATE_TEST_SUITE_P(
    Kinds, RegHiveStoreDamageTest,
    ::testing::Values(
        DamageCase{"Truncated", kGoodStart + "\"AppDefaultsRec\"=hex:02,00,00,00,\\\n"},
        DamageCase{"NotTheFormat", "<?xml version=\"1.0\"?>\n<settings/>\n"},
        DamageCase{"InvalidUtf8", kGoodStart + "\"Name\"=\"\xFF\xFE\xFD\"\n"},
        DamageCase{"InvalidUtf16", std::string("\xFF\xFEW\x00\x00\xDC\x0A\x00", 8)},
        DamageCase{"UnparseableValue", kGoodStart + "\"AppDefaultsRec\"=dword:nothex\n"},
        DamageCase{"TooLarge", kGoodStart + std::string(kMaxHiveFileSize, ';')}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(RegHiveStoreTest, SettingAsideNeverReplacesAnEarlierDamagedFile) {
    RegHiveStoreOptions options = Quiet();
    options.now = [] { return std::time_t{1700000000}; };  // the same second every time
    RegHiveStore store(Locations(), options);

    WriteBytes(MachineHive(), "first damage");
    Open(store);
    WriteBytes(MachineHive(), "second damage");
    Open(store);

    const auto aside = FilesStartingWith(dir_, "HKEY_LOCAL_MACHINE.reg.damaged-");
    ASSERT_EQ(aside.size(), 2u);
    EXPECT_EQ(ReadBytes(aside[0]), "first damage");
    EXPECT_EQ(ReadBytes(aside[1]), "second damage");
    EXPECT_EQ(aside[1].string(), aside[0].string() + "-2");
    EXPECT_NE(aside[0].string().find(".damaged-2023"), std::string::npos) << aside[0];
}

TEST_F(RegHiveStoreTest, AnEmptyFileIsAnEmptyHive) {
    WriteBytes(MachineHive(), "");
    RegHiveStore store(Locations(), Quiet());
    Open(store)->WriteValue("x", RegistryValue::MakeNumber32(1));
    EXPECT_TRUE(FilesStartingWith(dir_, "HKEY_LOCAL_MACHINE.reg.damaged-").empty());
    EXPECT_TRUE(diagnostics_.str().empty());
}

// The overlay decision: a user who may not write the machine hive reads the
// overlay first and writes only there.
TEST_F(RegHiveStoreTest, MachineHiveTheUserCannotWriteGetsAPerUserOverlay) {
    HiveLocations locations = Locations();
    locations.machineOverlay =
        dir_ / "state" / "tessarine" / "VirtualStore" / "HKEY_LOCAL_MACHINE.reg";
    {
        RegHiveStore admin(locations, Quiet());
        auto key = Open(admin);
        key->WriteValue("Shared", RegistryValue::MakeNumber32(1));
        key->WriteValue("Mine", RegistryValue::MakeNumber32(1));
    }
    const std::string machine_before = ReadBytes(MachineHive());

    RegHiveStoreOptions restricted = Quiet();
    restricted.canWrite = [&](const fs::path& hive) { return hive != locations.machine; };
    {
        RegHiveStore user(locations, restricted);
        auto key = Open(user);
        EXPECT_EQ(key->ReadValue("Mine")->AsNumber32(), 1u);  // from the machine hive
        key->WriteValue("Mine", RegistryValue::MakeNumber32(2));
        EXPECT_EQ(key->ReadValue("Mine")->AsNumber32(), 2u);
        EXPECT_EQ(key->ReadValue("Shared")->AsNumber32(), 1u);
        // A key only the machine hive has opens without writing the overlay.
        Open(user, RegistryRoot::LocalMachine, "Software\\Tessarine");
    }
    EXPECT_EQ(ReadBytes(MachineHive()), machine_before);
    EXPECT_EQ(ParseHive(ReadBytes(locations.machineOverlay)).keys.size(), 1u);

    RegHiveStore again(locations, restricted);
    EXPECT_EQ(Open(again)->ReadValue("Mine")->AsNumber32(), 2u);
    RegHiveStore admin(locations, Quiet());
    EXPECT_EQ(Open(admin)->ReadValue("Mine")->AsNumber32(), 1u);
}

TEST_F(RegHiveStoreTest, RealWritabilityCheckSendsWritesToTheOverlay) {
    // Nothing, not even root, can create a directory below a regular file.
    WriteBytes(dir_ / "blocker", "x");
    HiveLocations locations;
    locations.machine = dir_ / "blocker" / "HKEY_LOCAL_MACHINE.reg";
    locations.user = dir_ / "blocker" / "HKEY_CURRENT_USER.reg";
    locations.machineOverlay = dir_ / "state" / "VirtualStore" / "HKEY_LOCAL_MACHINE.reg";
    EXPECT_FALSE(CanWriteHive(locations.machine));
    EXPECT_TRUE(CanWriteHive(dir_ / "new" / "deeper" / "x.reg"));
    EXPECT_TRUE(fs::is_directory(dir_ / "new" / "deeper"));

    RegHiveStore store(locations, Quiet());
    Open(store)->WriteValue("AppDefaultsRec", RegistryValue::MakeBinary({2}));
    EXPECT_EQ(ParseHive(ReadBytes(locations.machineOverlay))
                  .FindKey("HKEY_LOCAL_MACHINE\\Software\\Tessarine")
                  ->FindValue("AppDefaultsRec")
                  ->value.data,
              std::vector<std::uint8_t>{2});
    // The user hive has nowhere to go: its keys cannot be opened.
    EXPECT_EQ(store.CreateKey(RegistryRoot::CurrentUser, "Software\\Tessarine"), nullptr);

    locations.machineOverlay = dir_ / "blocker" / "overlay.reg";
    RegHiveStore nowhere(locations, Quiet());
    EXPECT_EQ(nowhere.CreateKey(RegistryRoot::LocalMachine, kSettingsKey), nullptr);
    EXPECT_TRUE(diagnostics_.str().empty());
}

TEST(HiveLocationsTest, FollowTheEnvironment) {
    std::map<std::string, std::string> env;
    const EnvironmentLookup lookup = [&](const char* name) -> std::optional<std::string> {
        auto it = env.find(name);
        if (it == env.end()) return std::nullopt;
        return it->second;
    };

    env = {{"HOME", "/home/ann"}};
    HiveLocations l = ResolveHiveLocations(lookup);
    EXPECT_EQ(l.machine, "/var/lib/tessarine/HKEY_LOCAL_MACHINE.reg");
    EXPECT_EQ(l.user, "/home/ann/.config/tessarine/HKEY_CURRENT_USER.reg");
    EXPECT_EQ(l.machineOverlay,
              "/home/ann/.local/state/tessarine/VirtualStore/HKEY_LOCAL_MACHINE.reg");

    env = {{"HOME", "/home/ann"}, {"XDG_CONFIG_HOME", "/cfg"}, {"XDG_STATE_HOME", "/st"}};
    l = ResolveHiveLocations(lookup);
    EXPECT_EQ(l.user, "/cfg/tessarine/HKEY_CURRENT_USER.reg");
    EXPECT_EQ(l.machineOverlay, "/st/tessarine/VirtualStore/HKEY_LOCAL_MACHINE.reg");

    // Relative XDG values do not count.
    env = {{"HOME", "/home/ann"}, {"XDG_CONFIG_HOME", "cfg"}, {"XDG_STATE_HOME", ""}};
    l = ResolveHiveLocations(lookup);
    EXPECT_EQ(l.user, "/home/ann/.config/tessarine/HKEY_CURRENT_USER.reg");
    EXPECT_EQ(l.machineOverlay,
              "/home/ann/.local/state/tessarine/VirtualStore/HKEY_LOCAL_MACHINE.reg");

    env = {{"HOME", "/home/ann"}, {"TESSARINE_REGISTRY_DIR", "/portable/reg"}};
    l = ResolveHiveLocations(lookup);
    EXPECT_EQ(l.machine, "/portable/reg/HKEY_LOCAL_MACHINE.reg");
    EXPECT_EQ(l.user, "/portable/reg/HKEY_CURRENT_USER.reg");
    EXPECT_TRUE(l.machineOverlay.empty());

    env = {};
    l = ResolveHiveLocations(lookup);
    EXPECT_TRUE(l.user.empty());
    EXPECT_TRUE(l.machineOverlay.empty());
    RegHiveStore homeless(l);
    EXPECT_EQ(homeless.CreateKey(RegistryRoot::CurrentUser, "Software\\Tessarine"), nullptr);
}

// Two processes rewriting the same hive in a loop: every state a reader can
// observe parses, and no write is lost (each round adds a value of its own).
TEST_F(RegHiveStoreTest, TwoProcessesWritingInALoopNeverTearTheFileNorLoseAWrite) {
    constexpr int kRounds = 120;
    const HiveLocations locations = Locations();
    {
        RegHiveStore store(locations, Quiet());
        Open(store);
    }
    auto spawn = [&](const std::string& name) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            int status = 0;
            try {
                RegHiveStore store(locations);
                auto key = store.CreateKey(RegistryRoot::LocalMachine, kSettingsKey);
                for (int i = 0; i < kRounds && key; ++i) {
                    const auto number = static_cast<std::uint32_t>(i);
                    key->WriteValue(name, RegistryValue::MakeNumber32(number));
                    key->WriteValue(name + "-" + std::to_string(i),
                                    RegistryValue::MakeNumber32(number));
                }
                if (!key) status = 2;
            } catch (...) {
                status = 1;
            }
            std::_Exit(status);
        }
        return pid;
    };
    const pid_t first = spawn("First");
    const pid_t second = spawn("Second");
    ASSERT_GT(first, 0);
    ASSERT_GT(second, 0);

    int reads = 0;
    int torn = 0;
    int done = 0;
    int statuses[2] = {-1, -1};
    while (done < 2) {
        try {
            ParseHive(ReadBytes(MachineHive()));
        } catch (const HiveFormatError&) {
            ++torn;
        }
        ++reads;
        for (int i = 0; i < 2; ++i) {
            const pid_t pid = i == 0 ? first : second;
            if (statuses[i] == -1) {
                int status = 0;
                if (::waitpid(pid, &status, WNOHANG) == pid) {
                    statuses[i] = status;
                    ++done;
                }
            }
        }
    }
    for (int status : statuses) {
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }
    EXPECT_EQ(torn, 0) << "of " << reads << " reads";

    const Hive hive = ParseHive(ReadBytes(MachineHive()));
    const HiveKey* key = hive.FindKey("HKEY_LOCAL_MACHINE\\Software\\Tessarine");
    ASSERT_NE(key, nullptr);
    ASSERT_NE(key->FindValue("First"), nullptr);
    ASSERT_NE(key->FindValue("Second"), nullptr);
    EXPECT_EQ(key->FindValue("First")->value.AsNumber32(), kRounds - 1u);
    EXPECT_EQ(key->FindValue("Second")->value.AsNumber32(), kRounds - 1u);
    int lost = 0;
    for (const std::string name : {"First-", "Second-"}) {
        for (int i = 0; i < kRounds; ++i) {
            const HiveValue* value = key->FindValue(name + std::to_string(i));
            if (value == nullptr || value->value.AsNumber32() != static_cast<std::uint32_t>(i))
                ++lost;
        }
    }
    EXPECT_EQ(lost, 0);
    EXPECT_TRUE(FilesStartingWith(dir_, "HKEY_LOCAL_MACHINE.reg.damaged-").empty());
    EXPECT_TRUE(FilesStartingWith(dir_, "HKEY_LOCAL_MACHINE.reg.tmp").empty());
}

// Hostile surroundings: what stands at the hive's and the lock's place.
class RegHiveStoreHostileTest : public RegHiveStoreTest {
  protected:
    fs::path LockFile() const { return MachineHive().string() + ".lock"; }
    RegHiveStoreOptions QuickToGiveUp() {
        RegHiveStoreOptions options = Quiet();
        options.lockTimeout = std::chrono::milliseconds(100);
        return options;
    }
};

TEST_F(RegHiveStoreHostileTest, AHeldLockDelaysWritersBoundedlyAndReadersNotAtAll) {
    RegHiveStore store(Locations(), QuickToGiveUp());
    auto key = Open(store);
    key->WriteValue("x", RegistryValue::MakeNumber32(1));
    EXPECT_EQ(fs::status(LockFile()).permissions(), fs::perms::owner_read | fs::perms::owner_write);

    const int holder = ::open(LockFile().c_str(), O_RDONLY);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_THROW(key->WriteValue("x", RegistryValue::MakeNumber32(2)), RegistryError);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(key->ReadValue("x")->AsNumber32(), 1u);
    ::close(holder);
}

TEST_F(RegHiveStoreHostileTest, APlantedLockLinkIsNotFollowed) {
    fs::create_symlink(dir_ / "elsewhere", LockFile());
    RegHiveStore store(Locations(), QuickToGiveUp());
    auto key = Open(store);
    try {
        key->WriteValue("x", RegistryValue::MakeNumber32(1));
        ADD_FAILURE() << "written through a planted lock link";
    } catch (const RegistryError& error) {
        EXPECT_NE(std::string(error.what()).find(LockFile().string() + " could not be written"),
                  std::string::npos)
            << error.what();
    }
    EXPECT_FALSE(fs::exists(dir_ / "elsewhere"));
    EXPECT_FALSE(fs::exists(MachineHive()));
}

TEST_F(RegHiveStoreHostileTest, AFifoForAHiveNeitherBlocksNorOpens) {
    ASSERT_EQ(::mkfifo(MachineHive().c_str(), 0600), 0);
    RegHiveStore store(Locations(), QuickToGiveUp());
    EXPECT_EQ(store.CreateKey(RegistryRoot::LocalMachine, kSettingsKey), nullptr);
    EXPECT_TRUE(fs::is_fifo(MachineHive()));
}

TEST_F(RegHiveStoreHostileTest, ALinkedHiveIsReadAndWrittenThroughAndStaysALink) {
    const fs::path target = dir_ / "real" / "machine.reg";
    WriteBytes(target, kLinkedHive);
    fs::create_symlink(target, MachineHive());
    RegHiveStore store(Locations(), QuickToGiveUp());
    auto key = Open(store);
    EXPECT_EQ(key->ReadValue("Old")->AsNumber32(), 1u);
    key->WriteValue("New", RegistryValue::MakeNumber32(2));

    EXPECT_TRUE(fs::is_symlink(MachineHive()));
    EXPECT_EQ(ParseHive(ReadBytes(target)).FindKey(kFullSettingsKey)->values.size(), 2u);
    EXPECT_TRUE(fs::exists(target.string() + ".lock"));
    EXPECT_FALSE(fs::exists(LockFile()));
}

TEST_F(RegHiveStoreHostileTest, AHiveTheUserMayNotWriteStillReads) {
    WriteBytes(MachineHive(), kLinkedHive);
    RegHiveStoreOptions options = QuickToGiveUp();
    options.canWrite = [](const fs::path&) { return false; };
    RegHiveStore store(Locations(), options);

    auto key = Open(store);
    EXPECT_EQ(key->ReadValue("Old")->AsNumber32(), 1u);
    EXPECT_THROW(key->WriteValue("Old", RegistryValue::MakeNumber32(2)), RegistryAccessDenied);
    EXPECT_EQ(ReadBytes(MachineHive()), kLinkedHive);
    // A key that is not there cannot be created.
    EXPECT_EQ(store.CreateKey(RegistryRoot::LocalMachine, "Software\\Other"), nullptr);
}

// A shared settings folder (world-writable, sticky) and what another user,
// the system or a limit may have done to it; the victim's home beside it.
struct HostileCase {
    enum Setting { kAsRoot, kAsNobody, kFileSizeLimit };
    const char* label;
    // Puts the hostile thing in place; returns a lock it holds, if any.
    std::function<FileDescriptor(const fs::path& shared, const fs::path& home)> arrange;
    bool opens;         // the key opens, so the writes are tried
    int times;          // messages over two attempts: told once, or each failed save
    const char* named;  // the file the messages name, after the shared folder
    const char* cause;  // the reason given, as the translator received it
    Setting setting = kAsRoot;
    RegistryRoot root = RegistryRoot::LocalMachine;
};

void PrintTo(const HostileCase& row, std::ostream* out) {
    *out << row.label;
}

constexpr uid_t kNobody = 65534;
const std::string kVictimBytes = "export PATH=$HOME/bin:$PATH\n";

std::string Marked(const char* /*context*/, const char* source) {
    return "\xC2\xAB" + std::string(source) + "\xC2\xBB";
}

// Another user (the saved identity stays root's) or a file-size limit, with
// SIGXFSZ ignored as the programs do, until it goes.
class ProbeSetting {
  public:
    explicit ProbeSetting(HostileCase::Setting setting) {
        ::getrlimit(RLIMIT_FSIZE, &limit_);
        if (setting == HostileCase::kAsNobody &&
            (::setresgid(kNobody, kNobody, 0) != 0 || ::setresuid(kNobody, kNobody, 0) != 0)) {
            throw std::runtime_error("cannot act as nobody: the tests must run as root");
        }
        if (setting == HostileCase::kFileSizeLimit) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit small{16, limit_.rlim_max};
            ::setrlimit(RLIMIT_FSIZE, &small);
        }
    }
    ~ProbeSetting() {
        ::setrlimit(RLIMIT_FSIZE, &limit_);
        std::signal(SIGXFSZ, SIG_DFL);
        if (::setresuid(0, 0, 0) != 0 || ::setresgid(0, 0, 0) != 0) std::abort();
    }

  private:
    rlimit limit_{};
};

// Opens the key and writes a choice, twice; all that was told or thrown.
std::vector<std::string> TwoAttempts(const HostileCase& row, const fs::path& shared, bool& opened) {
    HiveLocations locations{
        shared / "HKEY_LOCAL_MACHINE.reg", shared / "HKEY_CURRENT_USER.reg", {}};
    if (row.setting == HostileCase::kAsNobody) {
        locations.machineOverlay = shared / "state" / "HKEY_LOCAL_MACHINE.reg";
    }
    std::vector<std::string> said;
    std::ostringstream diagnostics;
    RegHiveStoreOptions options;
    options.diagnostics = &diagnostics;
    options.lockTimeout = std::chrono::milliseconds(50);
    options.translate = Marked;
    options.tellUser = [&](const std::string& message) { said.push_back(message); };
    RegHiveStore store(locations, options);
    for (int attempt = 0; attempt < 2; ++attempt) {
        auto key = store.CreateKey(row.root, kSettingsKey);
        if (attempt == 0) opened = key != nullptr;
        try {
            if (key) key->WriteValue("AppDefaultsRec", RegistryValue::MakeBinary({2, 0, 0, 0}));
        } catch (const RegistryError& error) {
            said.push_back(error.what());
        }
    }
    return said;
}

void Chown(const fs::path& path) {
    if (::lchown(path.c_str(), kNobody, kNobody) != 0) throw std::runtime_error("lchown failed");
}

const HostileCase kHostileCases[] = {
    {"HiveIsAFifo",
     [](const fs::path& shared, const fs::path&) {
         ::mkfifo((shared / "HKEY_LOCAL_MACHINE.reg").c_str(), 0600);
         return FileDescriptor();
     },
     false, 1, "/HKEY_LOCAL_MACHINE.reg", "it is a named pipe"},
    {"HiveIsAFolder",
     [](const fs::path& shared, const fs::path&) {
         fs::create_directory(shared / "HKEY_LOCAL_MACHINE.reg");
         return FileDescriptor();
     },
     false, 1, "/HKEY_LOCAL_MACHINE.reg", "it is a folder"},
    {"UserHiveIsAFolder",
     [](const fs::path& shared, const fs::path&) {
         fs::create_directory(shared / "HKEY_CURRENT_USER.reg");
         return FileDescriptor();
     },
     false, 1, "/HKEY_CURRENT_USER.reg", "it is a folder", HostileCase::kAsRoot,
     RegistryRoot::CurrentUser},
    {"HiveIsADanglingLink",
     [](const fs::path& shared, const fs::path&) {
         fs::create_symlink(shared / "gone" / "x.reg", shared / "HKEY_LOCAL_MACHINE.reg");
         return FileDescriptor();
     },
     false, 1, "/HKEY_LOCAL_MACHINE.reg", "it is a symbolic link that leads nowhere"},
    {"HiveIsALoopingLink",
     [](const fs::path& shared, const fs::path&) {
         fs::create_symlink(shared / "HKEY_LOCAL_MACHINE.reg", shared / "HKEY_LOCAL_MACHINE.reg");
         return FileDescriptor();
     },
     false, 1, "/HKEY_LOCAL_MACHINE.reg", "it is a symbolic link that leads round in a loop"},
    {"HiveLinksToADevice",
     [](const fs::path& shared, const fs::path&) {
         fs::create_symlink("/dev/null", shared / "HKEY_LOCAL_MACHINE.reg");
         return FileDescriptor();
     },
     false, 1, "/HKEY_LOCAL_MACHINE.reg \xE2\x86\x92 /dev/null", "it is a device"},
    // Installed use: the user writes a stand-in, and still hears of the file.
    {"HiveUnreadableToThisUser",
     [](const fs::path& shared, const fs::path&) {
         WriteBytes(shared / "HKEY_LOCAL_MACHINE.reg", kLinkedHive);
         fs::permissions(shared / "HKEY_LOCAL_MACHINE.reg", fs::perms::owner_write);
         return FileDescriptor();
     },
     true, 1, "/HKEY_LOCAL_MACHINE.reg", "permission denied", HostileCase::kAsNobody},
    {"HiveLinkPlantedByAnotherUser",
     [](const fs::path& shared, const fs::path& home) {
         fs::create_symlink(home / "victim", shared / "HKEY_LOCAL_MACHINE.reg");
         Chown(shared / "HKEY_LOCAL_MACHINE.reg");
         return FileDescriptor();
     },
     false, 1, "/HKEY_LOCAL_MACHINE.reg", "it belongs to another user"},
    {"HiveOfAnotherUser",
     [](const fs::path& shared, const fs::path&) {
         WriteBytes(shared / "HKEY_LOCAL_MACHINE.reg", kLinkedHive);
         Chown(shared / "HKEY_LOCAL_MACHINE.reg");
         return FileDescriptor();
     },
     false, 1, "/HKEY_LOCAL_MACHINE.reg", "it belongs to another user"},
    {"WorldWritableLockOfAnotherUser",
     [](const fs::path& shared, const fs::path&) {
         WriteBytes(shared / "HKEY_LOCAL_MACHINE.reg.lock", "");
         fs::permissions(shared / "HKEY_LOCAL_MACHINE.reg.lock", fs::perms::all);
         Chown(shared / "HKEY_LOCAL_MACHINE.reg.lock");
         return FileDescriptor();
     },
     true, 2, "/HKEY_LOCAL_MACHINE.reg.lock", "it belongs to another user"},
    {"LockHeldAndKeyNotYetWritten",
     [](const fs::path& shared, const fs::path&) {
         FileDescriptor held(::open((shared / "HKEY_LOCAL_MACHINE.reg.lock").c_str(),
                                    O_RDWR | O_CREAT | O_CLOEXEC, 0600));
         if (::flock(held.get(), LOCK_EX) != 0) throw std::runtime_error("flock failed");
         return held;
     },
     true, 2, "/HKEY_LOCAL_MACHINE.reg", "another program has kept it locked for too long"},
    {"FileSizeLimit",
     [](const fs::path& shared, const fs::path&) {
         WriteBytes(shared / "HKEY_LOCAL_MACHINE.reg", kLinkedHive);
         return FileDescriptor();
     },
     true, 2, "/HKEY_LOCAL_MACHINE.reg", "it would exceed the file size limit",
     HostileCase::kFileSizeLimit},
};

class RegHiveStoreHostileStateTest : public RegHiveStoreTest,
                                     public ::testing::WithParamInterface<HostileCase> {};

// Told with the file and the cause, in the user's words: once where nothing
// can be done, at every failed save otherwise. The victim's files stay as
// they were.
TEST_P(RegHiveStoreHostileStateTest, IsToldNamingTheFileAndTheCause) {
    const HostileCase& row = GetParam();
    const fs::path shared = dir_ / "shared";
    const fs::path home = dir_ / "home";
    WriteBytes(home / "victim", kVictimBytes);
    fs::create_directories(shared);
    fs::permissions(dir_, fs::perms::owner_all | fs::perms::others_exec);
    fs::permissions(shared, fs::perms::all | fs::perms::sticky_bit);
    const FileDescriptor held = row.arrange(shared, home);

    bool opened = false;
    std::vector<std::string> said;
    {
        const ProbeSetting setting(row.setting);
        said = TwoAttempts(row, shared, opened);
    }
    EXPECT_EQ(opened, row.opens);
    ASSERT_EQ(said.size(), static_cast<std::size_t>(row.times)) << ::testing::PrintToString(said);
    for (const std::string& message : said) {
        EXPECT_EQ(
            message.rfind("\xC2\xABThe settings file " + shared.string() + row.named + " ", 0), 0u)
            << message;
        EXPECT_NE(message.find(Marked("", row.cause)), std::string::npos) << message;
    }
    EXPECT_EQ(FilesStartingWith(home, ""), std::vector<fs::path>{home / "victim"});
    EXPECT_EQ(ReadBytes(home / "victim"), kVictimBytes);
}

INSTANTIATE_TEST_SUITE_P(States, RegHiveStoreHostileStateTest, ::testing::ValuesIn(kHostileCases),
                         [](const auto& info) { return std::string(info.param.label); });

// Another program's write is seen, although the parsed hive is kept.
TEST_F(RegHiveStoreHostileTest, AChangeByAnotherStoreIsSeenByAReaderThatCachedTheHive) {
    RegHiveStore reader(Locations(), Quiet());
    RegHiveStore writer(Locations(), Quiet());
    auto mine = Open(reader);
    auto theirs = Open(writer);
    for (std::uint32_t n = 1; n <= 3; ++n) {
        theirs->WriteValue("x", RegistryValue::MakeNumber32(n));
        EXPECT_EQ(mine->ReadValue("x")->AsNumber32(), n);
    }
}

}  // namespace
}  // namespace tessarine
