// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/hive_name_index.h"
#include "platform/registry.h"

namespace tessarine {

// The registry export format, as one hive file holds it:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_LOCAL_MACHINE\Software\Tessarine]
//   "AppDefaultsRec"=hex:02,00,00,00,00,01,00,00
//   "Count"=dword:0000000a
//   "Name"="C:\\Path \"quoted\""
//   "Expand"=hex(2):25,00,41,00,25,00,00,00
//   "List"=hex(7):61,00,00,00,62,00,00,00,00,00
//   @="the key's default value"
//
// Long hex data continues on the next line after a trailing backslash, the
// continuation indented. Lines starting with ';' are comments. Files are read
// as UTF-8 (with or without BOM) or UTF-16LE with BOM, and written as UTF-8
// without BOM with LF line ends; since text values keep their exact UTF-16LE
// bytes (a value that quoted text cannot express exactly is written as hex),
// nothing is lost by that choice.

inline constexpr std::string_view kHiveHeader = "Windows Registry Editor Version 5.00";

// Larger files are not hives we wrote; reading them would only cost memory.
inline constexpr std::size_t kMaxHiveFileSize = 16u * 1024u * 1024u;

struct HiveValue {
    std::string name;  // UTF-8; empty for the default value "@"
    RegistryValue value;
    std::vector<std::string> comments;  // comment lines just before it, kept on rewrite
};

// Look-ups go through a hash of the folded name, so a hive of many keys
// parses and answers in linear time. Add entries through the members below:
// the index follows appended entries, but not names changed in place.
struct HiveKey {
    std::string path;  // as written between the brackets, root included
    std::vector<std::string> comments;
    std::vector<HiveValue> values;

    HiveValue* FindValue(std::string_view name);
    const HiveValue* FindValue(std::string_view name) const;
    // Replaces the value in place, or appends it.
    void SetValue(std::string_view name, const RegistryValue& value);

  private:
    HiveNameIndex index_;
};

struct Hive {
    std::vector<HiveKey> keys;
    std::vector<std::string> trailingComments;

    HiveKey* FindKey(std::string_view path);
    const HiveKey* FindKey(std::string_view path) const;
    HiveKey& FindOrAddKey(std::string_view path);
    // True when the key, or any key below it, has a section.
    bool KeyExists(std::string_view path) const;

  private:
    HiveNameIndex index_;
};

class HiveFormatError : public std::runtime_error {
  public:
    HiveFormatError(const std::string& reason, std::size_t line);
    // 1-based; 0 when the problem is not tied to one line.
    std::size_t line() const { return line_; }

  private:
    std::size_t line_;
};

// Names compare as the registry does: ignoring ASCII case.
bool RegistryNamesEqual(std::string_view a, std::string_view b);
// Key paths also ignore empty components ("A\\B\" is "A\B").
bool RegistryKeyPathsEqual(std::string_view a, std::string_view b);
// The forms those comparisons reduce to: equal names fold to equal strings.
std::string FoldRegistryName(std::string_view name);
std::string FoldRegistryKeyPath(std::string_view path);

// Throws HiveFormatError when the bytes are not a hive in the format above.
Hive ParseHive(std::string_view fileBytes);
std::string SerializeHive(const Hive& hive);

}  // namespace tessarine
