// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "calendar/text_catalog.h"
#include "platform/registry.h"

namespace tessarine {

// The persisted settings: the chosen colour set and day-number display mode,
// stored as one 8-byte binary registry value, little-endian.
struct AppDefaultsRec {
    static constexpr std::size_t kSize = 8;
    using Bytes = std::array<std::uint8_t, kSize>;

    std::int32_t ColorSetCode = 0;         // bytes 0-3: 0, 1, 2; anything else reads as 0
    std::uint8_t Reserved4 = 0;            // byte 4: zeroed before a read, else carried
    std::uint8_t ShowJulianDayNumber = 0;  // byte 5
    std::uint8_t ShowNone = 0;             // byte 6
    std::uint8_t Reserved7 = 0;            // byte 7: never reset, carried unchanged

    Bytes ToBytes() const;
    static AppDefaultsRec FromBytes(const Bytes& bytes);
    // Copies `bytes` (at most kSize of them are used) over the start of the
    // record, leaving the rest as it was.
    void CopyOverStart(std::span<const std::uint8_t> bytes);

    bool operator==(const AppDefaultsRec&) const = default;
};

// Where the record lives: HKEY_LOCAL_MACHINE, this key, this value.
inline constexpr std::string_view kSettingsKeyPath = "\\Software\\Tessarine";
inline constexpr std::string_view kSettingsValueName = "AppDefaultsRec";

// Loads the stored record into `rec`. The colour-set code and bytes 4 to 6
// are zeroed first; byte 7 is left as it is. When the key cannot be opened
// the zeroed record stands and nothing is reported. A stored value of at
// most 8 bytes is copied over the start of the record unless it is text,
// expandable text or a 32-bit number; those, and longer values, throw
// RegistryError "Invalid data type for 'AppDefaultsRec'" (the record then
// stays zeroed). A store that cannot be read throws
// "Failed to get data for 'AppDefaultsRec'" with the store's message on a
// second line. The texts are put into the user's language by `translate`.
void ReadSettings(Registry& registry, AppDefaultsRec& rec, const TextTranslator& translate = {});

// Stores the whole record as a binary value. When the key cannot be opened,
// or this user may only read it, nothing happens (the choice lasts for this
// run only); when the value cannot be written, throws RegistryError
// "Failed to set data for 'AppDefaultsRec'" with the store's message on a
// second line.
void WriteSettings(Registry& registry, const AppDefaultsRec& rec,
                   const TextTranslator& translate = {});

// The colour set a record selects: 1 or 2 by its code, otherwise 0.
std::size_t ColorSetIndexOf(const AppDefaultsRec& rec);

// What day cells show beside the day of the month.
enum class DayNumberMode { DayOfYear, JulianDayNumber, None };

// The grid's two flags for a mode.
struct DayNumberFlags {
    bool showJulianDayNumber = false;
    bool showNone = false;
};
DayNumberFlags FlagsOf(DayNumberMode mode);

// The mode a record (or the grid's flags) stands for: none wins, then the
// Julian Day Number, else day of year. Any non-zero byte counts as set.
DayNumberMode DayNumberModeOf(const AppDefaultsRec& rec);
DayNumberMode DayNumberModeOf(bool showJulianDayNumber, bool showNone);

// Records the grid's flags in bytes 5 and 6 (1 or 0).
void StoreDayNumberFlags(AppDefaultsRec& rec, bool showJulianDayNumber, bool showNone);

}  // namespace tessarine
