// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/color_sets.h"

#include "calendar/fixed_color_sets.h"
#include "calendar/text_catalog.h"

namespace tessarine {

std::string_view ColorSetCaption(std::size_t index) {
    switch (index) {
        case kGreenAndYellowIndex:
            return TESSARINE_TRANSLATE_NOOP("tessarine::TjulCalMainForm", "Green and Yellow");
        case kSilverAndTealIndex:
            return TESSARINE_TRANSLATE_NOOP("tessarine::TjulCalMainForm", "Silver and Teal");
        default:
            return TESSARINE_TRANSLATE_NOOP("tessarine::TjulCalMainForm", "Standard Colors");
    }
}

std::array<ColorSet, kColorSetCount> MakeColorSets() {
    return {kStandardColors, kGreenAndYellowColors, kSilverAndTealColors};
}

}  // namespace tessarine
