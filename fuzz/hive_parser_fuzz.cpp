// SPDX-License-Identifier: GPL-3.0-or-later
// The hive parser on arbitrary bytes: it either refuses them with
// HiveFormatError or gives a hive that every look-up finds again and that
// survives writing and reading back unchanged.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/reg_file_format.h"

namespace {

using namespace tessarine;

void Require(bool condition) {
    if (!condition) std::abort();
}

// The hashed look-ups agree with the entries the hive holds.
void CheckLookUps(const Hive& hive) {
    for (const HiveKey& key : hive.keys) {
        Require(hive.FindKey(key.path) == &key);
        Require(hive.KeyExists(key.path));
        for (const HiveValue& value : key.values) Require(key.FindValue(value.name) == &value);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Hive hive;
    try {
        hive = ParseHive(bytes);
    } catch (const HiveFormatError&) {
        return 0;
    }
    CheckLookUps(hive);
    const std::string written = SerializeHive(hive);
    if (written.size() > kMaxHiveFileSize) return 0;
    try {
        const Hive again = ParseHive(written);
        CheckLookUps(again);
        Require(SerializeHive(again) == written);
    } catch (const HiveFormatError&) {
        std::abort();  // what we write must read back
    }
    return 0;
}
