// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_defaults.h"

#include <algorithm>
#include <string>

namespace tessarine {
namespace {

constexpr const char* kFailedToGet =
    TESSARINE_TRANSLATE_NOOP("Errors", "Failed to get data for '%1'");
constexpr const char* kInvalidType =
    TESSARINE_TRANSLATE_NOOP("Errors", "Invalid data type for '%1'");
constexpr const char* kFailedToSet =
    TESSARINE_TRANSLATE_NOOP("Errors", "Failed to set data for '%1'");

std::string ValueMessage(const char* pattern, const TextTranslator& translate) {
    return FillPlaceholders(Translate(translate, "Errors", pattern), {kSettingsValueName});
}

// The store's own words say which file failed and why.
std::string ValueMessage(const char* pattern, const RegistryError& cause,
                         const TextTranslator& translate) {
    return ValueMessage(pattern, translate) + "\n" + cause.what();
}

bool IsRefusedType(RegistryValueType type) {
    return type == RegistryValueType::Text || type == RegistryValueType::ExpandableText ||
           type == RegistryValueType::Number32;
}

}  // namespace

AppDefaultsRec::Bytes AppDefaultsRec::ToBytes() const {
    const auto code = static_cast<std::uint32_t>(ColorSetCode);
    return Bytes{static_cast<std::uint8_t>(code & 0xFF),
                 static_cast<std::uint8_t>((code >> 8) & 0xFF),
                 static_cast<std::uint8_t>((code >> 16) & 0xFF),
                 static_cast<std::uint8_t>((code >> 24) & 0xFF),
                 Reserved4,
                 ShowJulianDayNumber,
                 ShowNone,
                 Reserved7};
}

AppDefaultsRec AppDefaultsRec::FromBytes(const Bytes& bytes) {
    const std::uint32_t code =
        static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
        (static_cast<std::uint32_t>(bytes[2]) << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
    AppDefaultsRec rec;
    rec.ColorSetCode = static_cast<std::int32_t>(code);
    rec.Reserved4 = bytes[4];
    rec.ShowJulianDayNumber = bytes[5];
    rec.ShowNone = bytes[6];
    rec.Reserved7 = bytes[7];
    return rec;
}

void AppDefaultsRec::CopyOverStart(std::span<const std::uint8_t> bytes) {
    Bytes current = ToBytes();
    std::copy_n(bytes.begin(), std::min(bytes.size(), kSize), current.begin());
    *this = FromBytes(current);
}

void ReadSettings(Registry& registry, AppDefaultsRec& rec, const TextTranslator& translate) {
    rec.ColorSetCode = 0;
    rec.Reserved4 = 0;
    rec.ShowJulianDayNumber = 0;
    rec.ShowNone = 0;

    const auto key = registry.CreateKey(RegistryRoot::LocalMachine, kSettingsKeyPath);
    if (!key) return;
    std::optional<RegistryValue> value;
    try {
        value = key->ReadValue(kSettingsValueName);
    } catch (const RegistryError& error) {
        throw RegistryError(ValueMessage(kFailedToGet, error, translate));
    }
    key->Close();
    if (!value) return;
    if (IsRefusedType(value->type) || value->data.size() > AppDefaultsRec::kSize) {
        throw RegistryError(ValueMessage(kInvalidType, translate));
    }
    rec.CopyOverStart(value->data);
}

void WriteSettings(Registry& registry, const AppDefaultsRec& rec, const TextTranslator& translate) {
    const auto key = registry.CreateKey(RegistryRoot::LocalMachine, kSettingsKeyPath);
    if (!key) return;
    const AppDefaultsRec::Bytes bytes = rec.ToBytes();
    try {
        key->WriteValue(kSettingsValueName,
                        RegistryValue::MakeBinary({bytes.begin(), bytes.end()}));
    } catch (const RegistryAccessDenied&) {
        // A store this user may only read is one whose key cannot be opened
        // for writing: the choice lasts for this run only.
    } catch (const RegistryError& error) {
        throw RegistryError(ValueMessage(kFailedToSet, error, translate));
    }
    key->Close();
}

std::size_t ColorSetIndexOf(const AppDefaultsRec& rec) {
    if (rec.ColorSetCode == 1) return 1;
    if (rec.ColorSetCode == 2) return 2;
    return 0;
}

DayNumberFlags FlagsOf(DayNumberMode mode) {
    return DayNumberFlags{mode == DayNumberMode::JulianDayNumber, mode == DayNumberMode::None};
}

DayNumberMode DayNumberModeOf(bool showJulianDayNumber, bool showNone) {
    if (showNone) return DayNumberMode::None;
    if (showJulianDayNumber) return DayNumberMode::JulianDayNumber;
    return DayNumberMode::DayOfYear;
}

DayNumberMode DayNumberModeOf(const AppDefaultsRec& rec) {
    return DayNumberModeOf(rec.ShowJulianDayNumber != 0, rec.ShowNone != 0);
}

void StoreDayNumberFlags(AppDefaultsRec& rec, bool showJulianDayNumber, bool showNone) {
    rec.ShowJulianDayNumber = showJulianDayNumber ? 1 : 0;
    rec.ShowNone = showNone ? 1 : 0;
}

}  // namespace tessarine
