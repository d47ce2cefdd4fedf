// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>
#include <string>

#include "platform/shell.h"

namespace tessarine {

// What the shell would open for a file name: a web address as it stands, a
// document as a file address made absolute against directory (or the
// current directory). Empty when there is nothing to open: no name, or a
// document that does not exist.
QUrl ShellTarget(const std::string& file, const std::string& directory);

// Opens through the desktop's default handler. The show command is the
// desktop's business and the outcome is not reported.
class QtShell : public Shell {
  public:
    void Open(const std::string& file, const std::string& parameters, int showCommand,
              const std::string& directory) override;
};

}  // namespace tessarine
