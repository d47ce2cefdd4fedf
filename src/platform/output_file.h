// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "calendar/text_catalog.h"

namespace tessarine {

// A file a tool was asked to write could not be written; `what()` says which
// and why, in words for the user.
class OutputFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The name that stands for standard output.
inline constexpr std::string_view kStandardOutputName = "-";

// Writes `content` as the whole of the output named `path`:
// - "-": standard output;
// - a regular file, or nothing yet: replaced atomically, so an existing file
//   only ever gives way to a complete new one (a link is written through to
//   its target and stays a link);
// - a FIFO or a character device: written directly, never replaced, so
//   "/dev/null" stays a device even for root;
// - anything else (directory, block device, socket, a link to nowhere):
//   refused.
// Throws OutputFileError, leaving an existing file as it was, its message in
// the words of `translate` (English when empty).
void WriteOutputFile(const std::string& path, std::string_view content,
                     const TextTranslator& translate = {});

}  // namespace tessarine
