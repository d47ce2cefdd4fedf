// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

namespace tessarine {

// A colour as 0x00BBGGRR: red in the lowest byte.
using Color = std::uint32_t;

inline constexpr Color RgbColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return static_cast<Color>(red) | (static_cast<Color>(green) << 8) |
           (static_cast<Color>(blue) << 16);
}
inline constexpr std::uint8_t RedOf(Color c) {
    return static_cast<std::uint8_t>(c & 0xFF);
}
inline constexpr std::uint8_t GreenOf(Color c) {
    return static_cast<std::uint8_t>((c >> 8) & 0xFF);
}
inline constexpr std::uint8_t BlueOf(Color c) {
    return static_cast<std::uint8_t>((c >> 16) & 0xFF);
}

inline constexpr Color kWhite = 0xFFFFFF;
inline constexpr Color kBlack = 0x000000;
inline constexpr Color kRed = 0x0000FF;

// The palette's other named colours: what the fixed colour sets and the
// grid's first colours are made of.
inline constexpr Color kSkyBlue = 0xF0CAA6;
inline constexpr Color kNavy = 0x800000;
inline constexpr Color kTeal = 0x808000;
inline constexpr Color kSilver = 0xC0C0C0;
inline constexpr Color kYellow = 0x00FFFF;
inline constexpr Color kPaleYellow = 0xCCFFFF;   // (255, 255, 204)
inline constexpr Color kLightYellow = 0x80FFFF;  // (255, 255, 128)
inline constexpr Color kLightGreen = 0x99FFCC;   // (204, 255, 153)
inline constexpr Color kDarkSlateBlue = 0x804040;
inline constexpr Color kLightGrey = 0xE8E8E8;

// Eleven colours, slots 0..10. Slots 6 to 8 are reserved: carried and copied
// with the set, read by nothing.
struct ColorSet {
    enum Slot : std::size_t {
        BackgroundColor = 0,
        SelectedDayColor = 1,
        DayColor = 2,
        TitleBandColor = 3,
        HeaderFaceColor = 4,
        OutlineColor = 5,
        Reserved6 = 6,
        Reserved7 = 7,
        Reserved8 = 8,
        BevelTopLeftColor = 9,
        BevelBottomRightColor = 10,
    };
    static constexpr std::size_t kSlotCount = 11;

    // Named "colors", not "slots": Qt defines slots as a macro.
    std::array<Color, kSlotCount> colors{};

    Color operator[](Slot slot) const { return colors[slot]; }
    Color& operator[](Slot slot) { return colors[slot]; }
    bool operator==(const ColorSet&) const = default;
};

}  // namespace tessarine
