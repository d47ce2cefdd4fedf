// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/contrast.h"

#include <algorithm>
#include <array>

namespace tessarine {

namespace {

// x to the power 1/5 for 0 < x <= 1, by Newton's method from 1: it falls
// towards the root and then doubles its correct digits each step.
constexpr double FifthRoot(double x) {
    double root = 1.0;
    for (int step = 0; step < 64; ++step) {
        root = (4 * root + x / (root * root * root * root)) / 5;
    }
    return root;
}

// The sRGB channel's linear light. The power 2.4 is the square times the
// fifth root of the square, so the table is built while compiling and the
// program needs no power function at start-up.
constexpr double LinearLight(int channel) {
    const double c = channel / 255.0;
    if (c <= 0.04045) return c / 12.92;
    const double squared = ((c + 0.055) / 1.055) * ((c + 0.055) / 1.055);
    return squared * FifthRoot(squared);
}

constexpr std::array<double, 256> kLinearLight = [] {
    std::array<double, 256> table{};
    for (int channel = 0; channel < 256; ++channel) table[channel] = LinearLight(channel);
    return table;
}();

double Linear(std::uint8_t channel) {
    return kLinearLight[channel];
}

// `from` moved step/255 of the way to `to`, channel by channel.
Color Mix(Color from, Color to, int step) {
    const auto channel = [step](std::uint8_t a, std::uint8_t b) {
        return static_cast<std::uint8_t>(a + (b - a) * step / 255);
    };
    return RgbColor(channel(RedOf(from), RedOf(to)), channel(GreenOf(from), GreenOf(to)),
                    channel(BlueOf(from), BlueOf(to)));
}

}  // namespace

double RelativeLuminance(Color color) {
    return 0.2126 * Linear(RedOf(color)) + 0.7152 * Linear(GreenOf(color)) +
           0.0722 * Linear(BlueOf(color));
}

double ContrastRatio(Color a, Color b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Color ReadableTextColor(Color background, Color preferred) {
    if (ContrastRatio(background, preferred) >= kReadableContrast) return preferred;
    return ContrastRatio(background, kBlack) >= ContrastRatio(background, kWhite) ? kBlack : kWhite;
}

Color ReadableTint(Color background, Color preferred) {
    // No colour reads on itself: this is the better of black and white.
    const Color extreme = ReadableTextColor(background, background);
    // The last step is the extreme itself, which reads on every background.
    for (int step = 0; step < 255; ++step) {
        const Color tint = Mix(preferred, extreme, step);
        if (ContrastRatio(background, tint) >= kReadableContrast) return tint;
    }
    return extreme;
}

}  // namespace tessarine
