// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/calendar_read_error.h"

namespace tessarine {

namespace {

std::string Compose(const TextTranslator& translate, const std::string& source, int line,
                    const char* reason) {
    const std::string why = Translate(translate, "Errors", reason);
    if (line <= 0) {
        //: A calendar that cannot be read: %1 its file or address, %2 the reason.
        return FillPlaceholders(
            Translate(translate, "Errors", TESSARINE_TRANSLATE_NOOP("Errors", "%1: %2")),
            {source, why});
    }
    return FillPlaceholders(
        //: A calendar that cannot be read: %1 its file or address, %2 the line, %3 the reason.
        Translate(translate, "Errors", TESSARINE_TRANSLATE_NOOP("Errors", "%1, line %2: %3")),
        {source, std::to_string(line), why});
}

}  // namespace

CalendarReadError::CalendarReadError(std::string source, int line, const char* reason)
    : std::runtime_error(Compose({}, source, line, reason)),
      source_(std::move(source)),
      line_(line),
      reason_(reason) {}

std::string CalendarReadError::Message(const TextTranslator& translate) const {
    return Compose(translate, source_, line_, reason_);
}

}  // namespace tessarine
