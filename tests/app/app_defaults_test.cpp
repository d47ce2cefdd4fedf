// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_defaults.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "platform/reg_hive_store.h"
#include "support/temp_dir.h"

namespace tessarine {
namespace {

namespace fs = std::filesystem;

// An in-memory registry that can be told to fail each step.
class FakeRegistry : public Registry {
  public:
    struct Key : RegistryKey {
        FakeRegistry& owner;
        explicit Key(FakeRegistry& o) : owner(o) {}
        ~Key() override { Close(); }
        std::optional<RegistryValue> ReadValue(std::string_view name) override {
            if (owner.readFails) throw RegistryError("disk on fire");
            auto it = owner.values.find(std::string(name));
            if (it == owner.values.end()) return std::nullopt;
            return it->second;
        }
        void WriteValue(std::string_view name, const RegistryValue& value) override {
            if (owner.writeFails) throw RegistryError("disk full");
            owner.values[std::string(name)] = value;
        }
        void Close() override {
            if (!closed) ++owner.closes;
            closed = true;
        }
        bool closed = false;
    };

    std::unique_ptr<RegistryKey> CreateKey(RegistryRoot root, std::string_view path) override {
        openedRoot = root;
        openedPath = std::string(path);
        if (openFails) return nullptr;
        ++opens;
        return std::make_unique<Key>(*this);
    }

    std::map<std::string, RegistryValue> values;
    bool openFails = false;
    bool readFails = false;
    bool writeFails = false;
    int opens = 0;
    int closes = 0;
    RegistryRoot openedRoot = RegistryRoot::CurrentUser;
    std::string openedPath;
};

AppDefaultsRec Dirty() {
    return AppDefaultsRec{0x11223344, 0x55, 0x66, 0x77, 0x88};
}

std::vector<std::uint8_t> AsVector(const AppDefaultsRec::Bytes& bytes) {
    return {bytes.begin(), bytes.end()};
}

std::string MessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const RegistryError& error) {
        return error.what();
    }
    return "(no error)";
}

TEST(AppDefaultsRecTest, BytesAreLittleEndianInTheirFixedPlaces) {
    const AppDefaultsRec rec{-2, 0xA4, 1, 0, 0xB7};
    EXPECT_EQ(rec.ToBytes(), (AppDefaultsRec::Bytes{0xFE, 0xFF, 0xFF, 0xFF, 0xA4, 1, 0, 0xB7}));
    EXPECT_EQ(AppDefaultsRec::FromBytes(rec.ToBytes()), rec);

    AppDefaultsRec partial = Dirty();
    const std::uint8_t three[] = {1, 2, 3};
    partial.CopyOverStart(three);
    EXPECT_EQ(partial.ToBytes(), (AppDefaultsRec::Bytes{1, 2, 3, 0x11, 0x55, 0x66, 0x77, 0x88}));
}

TEST(ReadSettingsTest, UsesTheMachineKeyAndClosesIt) {
    FakeRegistry registry;
    registry.values["AppDefaultsRec"] = RegistryValue::MakeBinary({2, 0, 0, 0, 9, 1, 0, 5});
    AppDefaultsRec rec;
    ReadSettings(registry, rec);
    EXPECT_EQ(registry.openedRoot, RegistryRoot::LocalMachine);
    EXPECT_EQ(registry.openedPath, "\\Software\\Tessarine");
    EXPECT_EQ(registry.closes, registry.opens);
    EXPECT_EQ(rec, (AppDefaultsRec{2, 9, 1, 0, 5}));
    EXPECT_EQ(ColorSetIndexOf(rec), 2u);
    EXPECT_EQ(DayNumberModeOf(rec), DayNumberMode::JulianDayNumber);
}

TEST(ReadSettingsTest, WithoutAValueOrKeyTheZeroedRecordStandsAndByteSevenIsKept) {
    FakeRegistry registry;
    AppDefaultsRec rec = Dirty();
    ReadSettings(registry, rec);
    EXPECT_EQ(rec, (AppDefaultsRec{0, 0, 0, 0, 0x88}));

    registry.openFails = true;
    registry.values["AppDefaultsRec"] = RegistryValue::MakeBinary({2, 0, 0, 0, 0, 0, 1, 0});
    rec = Dirty();
    EXPECT_NO_THROW(ReadSettings(registry, rec));
    EXPECT_EQ(rec, (AppDefaultsRec{0, 0, 0, 0, 0x88}));
    EXPECT_EQ(ColorSetIndexOf(rec), 0u);
    EXPECT_EQ(DayNumberModeOf(rec), DayNumberMode::DayOfYear);
}

TEST(ReadSettingsTest, ShortValuesCoverOnlyTheStartOfTheRecord) {
    FakeRegistry registry;
    registry.values["AppDefaultsRec"] = RegistryValue::MakeBinary({1, 0, 0, 0, 0x44});
    AppDefaultsRec rec = Dirty();
    ReadSettings(registry, rec);
    EXPECT_EQ(rec, (AppDefaultsRec{1, 0x44, 0, 0, 0x88}));
    EXPECT_EQ(DayNumberModeOf(rec), DayNumberMode::DayOfYear);

    // Types other than text and numbers count as binary; all 8 bytes replace
    // byte 7 too.
    registry.values["AppDefaultsRec"] = RegistryValue::MakeRaw(0, {2, 0, 0, 0, 0, 0, 1, 0x99});
    ReadSettings(registry, rec);
    EXPECT_EQ(rec, (AppDefaultsRec{2, 0, 0, 1, 0x99}));
    registry.values["AppDefaultsRec"] = RegistryValue::MakeRaw(7, {});
    ReadSettings(registry, rec);
    EXPECT_EQ(rec, (AppDefaultsRec{0, 0, 0, 0, 0x99}));
}

TEST(ReadSettingsTest, UnknownColourSetCodesSelectStandardColors) {
    for (std::int32_t code : {7, -1, 3, 0x01000001}) {
        FakeRegistry registry;
        registry.values["AppDefaultsRec"] =
            RegistryValue::MakeBinary(AsVector(AppDefaultsRec{code, 0, 0, 0, 0}.ToBytes()));
        AppDefaultsRec rec;
        ReadSettings(registry, rec);
        EXPECT_EQ(rec.ColorSetCode, code);
        EXPECT_EQ(ColorSetIndexOf(rec), 0u) << code;
    }
}

TEST(ReadSettingsTest, TextNumberAndOversizedValuesAreRefusedByName) {
    const std::vector<RegistryValue> refused = {
        RegistryValue::MakeText("2"),
        RegistryValue::MakeExpandableText(""),
        RegistryValue::MakeNumber32(2),
        RegistryValue::MakeBinary({2, 0, 0, 0, 0, 0, 0, 0, 0}),
        RegistryValue::MakeRaw(11, std::vector<std::uint8_t>(16, 0)),
    };
    for (const auto& value : refused) {
        FakeRegistry registry;
        registry.values["AppDefaultsRec"] = value;
        AppDefaultsRec rec = Dirty();
        EXPECT_EQ(MessageOf([&] { ReadSettings(registry, rec); }),
                  "Invalid data type for 'AppDefaultsRec'")
            << value.TypeNumber();
        EXPECT_EQ(rec, (AppDefaultsRec{0, 0, 0, 0, 0x88}));
        EXPECT_EQ(registry.closes, registry.opens);
    }
}

TEST(ReadSettingsTest, AStoreThatCannotBeReadIsReportedByName) {
    FakeRegistry registry;
    registry.readFails = true;
    AppDefaultsRec rec;
    EXPECT_EQ(MessageOf([&] { ReadSettings(registry, rec); }),
              "Failed to get data for 'AppDefaultsRec'\ndisk on fire");
}

TEST(WriteSettingsTest, StoresTheWholeRecordAsBinary) {
    FakeRegistry registry;
    WriteSettings(registry, AppDefaultsRec{1, 0x44, 0, 1, 0x88});
    EXPECT_EQ(registry.openedRoot, RegistryRoot::LocalMachine);
    EXPECT_EQ(registry.openedPath, "\\Software\\Tessarine");
    EXPECT_EQ(registry.values.at("AppDefaultsRec"),
              RegistryValue::MakeBinary({1, 0, 0, 0, 0x44, 0, 1, 0x88}));
    EXPECT_EQ(registry.closes, registry.opens);
}

TEST(WriteSettingsTest, FailuresAreSilentWhenTheKeyIsUnavailableAndNamedOtherwise) {
    FakeRegistry registry;
    registry.openFails = true;
    EXPECT_NO_THROW(WriteSettings(registry, Dirty()));
    EXPECT_TRUE(registry.values.empty());

    registry.openFails = false;
    registry.writeFails = true;
    EXPECT_EQ(MessageOf([&] { WriteSettings(registry, Dirty()); }),
              "Failed to set data for 'AppDefaultsRec'\ndisk full");
    EXPECT_EQ(registry.closes, registry.opens);
}

TEST(DayNumberModeTest, FlagsAndModesCorrespond) {
    for (DayNumberMode mode :
         {DayNumberMode::DayOfYear, DayNumberMode::JulianDayNumber, DayNumberMode::None}) {
        const DayNumberFlags flags = FlagsOf(mode);
        EXPECT_EQ(DayNumberModeOf(flags.showJulianDayNumber, flags.showNone), mode);
        AppDefaultsRec rec = Dirty();
        StoreDayNumberFlags(rec, flags.showJulianDayNumber, flags.showNone);
        EXPECT_EQ(DayNumberModeOf(rec), mode);
        EXPECT_EQ(rec.ColorSetCode, Dirty().ColorSetCode);
        EXPECT_EQ(rec.Reserved7, 0x88);
    }
    EXPECT_EQ(FlagsOf(DayNumberMode::None).showJulianDayNumber, false);
    // None wins over a Julian Day Number flag left set.
    EXPECT_EQ(DayNumberModeOf(AppDefaultsRec{0, 0, 1, 1, 0}), DayNumberMode::None);
    EXPECT_EQ(DayNumberModeOf(AppDefaultsRec{0, 0, 2, 0, 0}), DayNumberMode::JulianDayNumber);
}

// Through the real hive store: what one run stores the next run reads.
class SettingsStoreTest : public ::testing::Test {
  protected:
    HiveLocations Locations() const {
        return HiveLocations{dir_ / "HKEY_LOCAL_MACHINE.reg", dir_ / "HKEY_CURRENT_USER.reg", {}};
    }
    TempDir temp_{"tessarine-settings"};
    const fs::path dir_ = temp_.path();
};

TEST_F(SettingsStoreTest, AChoiceSurvivesARestart) {
    {
        RegHiveStore firstRun(Locations());
        AppDefaultsRec rec;
        ReadSettings(firstRun, rec);
        rec.ColorSetCode = 2;
        StoreDayNumberFlags(rec, false, true);
        WriteSettings(firstRun, rec);
    }
    RegHiveStore secondRun(Locations());
    AppDefaultsRec rec;
    ReadSettings(secondRun, rec);
    EXPECT_EQ(ColorSetIndexOf(rec), 2u);
    EXPECT_EQ(DayNumberModeOf(rec), DayNumberMode::None);

    std::ifstream in(dir_ / "HKEY_LOCAL_MACHINE.reg");
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("[HKEY_LOCAL_MACHINE\\Software\\Tessarine]\n"
                        "\"AppDefaultsRec\"=hex:02,00,00,00,00,00,01,00\n"),
              std::string::npos)
        << text;
}

TEST_F(SettingsStoreTest, AHandWrittenNumberIsRefusedEvenWhereTheMachineIsReadOnly) {
    {
        std::ofstream out(dir_ / "HKEY_LOCAL_MACHINE.reg");
        out << "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tessarine]\n"
               "\"AppDefaultsRec\"=dword:00000002\n";
    }
    RegHiveStore store(Locations());
    AppDefaultsRec rec;
    EXPECT_EQ(MessageOf([&] { ReadSettings(store, rec); }),
              "Invalid data type for 'AppDefaultsRec'");

    RegHiveStoreOptions readOnly;
    readOnly.canWrite = [](const fs::path&) { return false; };
    RegHiveStore locked(Locations(), readOnly);
    EXPECT_EQ(MessageOf([&] { ReadSettings(locked, rec); }),
              "Invalid data type for 'AppDefaultsRec'");
    // Writing there stays silent and changes nothing.
    EXPECT_NO_THROW(WriteSettings(locked, AppDefaultsRec{1, 0, 0, 0, 0}));
    RegHiveStore again(Locations());
    EXPECT_EQ(MessageOf([&] { ReadSettings(again, rec); }),
              "Invalid data type for 'AppDefaultsRec'");
}

}  // namespace
}  // namespace tessarine
