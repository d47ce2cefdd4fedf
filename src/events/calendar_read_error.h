// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

#include "calendar/text_catalog.h"

namespace tessarine {

// A calendar that cannot be read: the source is named, and the line where
// the fault lies when it can be told (0 when not).
class CalendarReadError : public std::runtime_error {
  public:
    // reason: an English text of the "Errors" translation context.
    CalendarReadError(std::string source, int line, const char* reason);

    const std::string& Source() const { return source_; }
    int Line() const { return line_; }
    const char* Reason() const { return reason_; }
    // "<source>, line <n>: <reason>" (or without the line) in the user's
    // language; what() is the same in English.
    std::string Message(const TextTranslator& translate) const;

  private:
    std::string source_;
    int line_;
    const char* reason_;
};

}  // namespace tessarine
