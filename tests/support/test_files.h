// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace tessarine {

// A fixture file under tests/<area>/data, found through TESSARINE_TEST_DATA
// (set by CTest) or next to the test's source when run by hand.
inline std::filesystem::path TestDataFile(const std::string& area, const std::string& name,
                                          const std::filesystem::path& sourceDir) {
    if (const char* root = std::getenv("TESSARINE_TEST_DATA")) {
        return std::filesystem::path(root) / area / "data" / name;
    }
    return sourceDir / "data" / name;
}

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

}  // namespace tessarine
