// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop_alert.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

namespace tessarine {
namespace {

TEST(DesktopAlert, ThemeBellFirstDisplayBellInsteadAndAlwaysACue) {
    struct Case {
        const char* name;
        // What the theme answers at each alert; nullopt: no theme library.
        std::optional<std::vector<bool>> themeAnswers;
        int expectedThemeTries;
        int expectedDisplayBells;
    };
    const std::vector<Case> cases = {
        {"the theme plays", std::vector<bool>{true, true}, 2, 0},
        {"no theme plays", std::vector<bool>{false, false}, 2, 2},
        {"asked again at each alert", std::vector<bool>{false, true}, 2, 1},
        {"built without a theme library", std::nullopt, 0, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int themeTries = 0;
        int displayBells = 0;
        int cues = 0;
        DesktopAlert::Channels channels;
        if (c.themeAnswers) {
            channels.playThemeBell = [&] {
                return (*c.themeAnswers)[static_cast<std::size_t>(themeTries++)];
            };
        }
        channels.ringDisplayBell = [&] { ++displayBells; };
        channels.showVisualCue = [&] { ++cues; };
        DesktopAlert alert(std::move(channels));
        alert.Beep();
        alert.Beep();
        EXPECT_EQ(themeTries, c.expectedThemeTries);
        EXPECT_EQ(displayBells, c.expectedDisplayBells);
        EXPECT_EQ(cues, 2);
    }
}

}  // namespace
}  // namespace tessarine
