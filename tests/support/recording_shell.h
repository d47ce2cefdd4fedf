// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "platform/shell.h"

namespace tessarine {

// Keeps every request instead of opening anything.
class RecordingShell : public Shell {
  public:
    struct Request {
        std::string file;
        std::string parameters;
        int showCommand = 0;
        std::string directory;
    };

    void Open(const std::string& file, const std::string& parameters, int showCommand,
              const std::string& directory) override {
        requests.push_back({file, parameters, showCommand, directory});
    }

    std::vector<Request> requests;
};

}  // namespace tessarine
