// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tessarine {

// Show command asking the opened document's window to appear in its normal
// size and place.
inline constexpr int kShowNormal = 5;

// The desktop shell: opens a document or a web address with its default
// action. Callers do not learn whether anything opened.
class Shell {
  public:
    virtual ~Shell() = default;

    // file: a document name (relative names count from directory, or from
    // the current directory when directory is empty) or a web address.
    // parameters are handed to programs only, never to documents.
    virtual void Open(const std::string& file, const std::string& parameters, int showCommand,
                      const std::string& directory) = 0;
};

}  // namespace tessarine
