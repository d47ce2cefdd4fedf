// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tessarine {

// The program's persisted settings live in a registry of keys and typed
// values. This interface is deliberately the shape of the Windows registry
// API (roots, create-if-missing keys, typed byte values) so that a native
// implementation could stand in for the hive-file store.

// A failure of the store or a refused value. `what()` is the text shown to
// the user, so callers that have their own wording rethrow with it.
class RegistryError : public std::runtime_error {
  public:
    explicit RegistryError(const std::string& message) : std::runtime_error(message) {}
};

// A value that may be read but not written by this user, as a protected
// key's is; the value stays as it was.
class RegistryAccessDenied : public RegistryError {
  public:
    using RegistryError::RegistryError;
};

enum class RegistryRoot {
    LocalMachine,  // "HKEY_LOCAL_MACHINE": shared by every user of the machine
    CurrentUser,   // "HKEY_CURRENT_USER": this user's own
};

// "HKEY_LOCAL_MACHINE" or "HKEY_CURRENT_USER".
std::string_view RegistryRootName(RegistryRoot root);

// The registry's type numbers. Any other number is valid too and is kept as
// raw bytes; only these have meaning to the program.
enum class RegistryValueType : std::uint32_t {
    None = 0,
    Text = 1,            // UTF-16LE, terminated by a NUL code unit
    ExpandableText = 2,  // as Text; may hold %VARIABLE% references
    Binary = 3,
    Number32 = 4,   // 32 bits, little-endian
    MultiText = 7,  // UTF-16LE texts, each NUL-terminated, then one more NUL
};

struct RegistryValue {
    RegistryValueType type = RegistryValueType::Binary;
    std::vector<std::uint8_t> data;

    static RegistryValue MakeBinary(std::vector<std::uint8_t> bytes);
    static RegistryValue MakeNumber32(std::uint32_t number);
    // Text is given as UTF-8 and stored as UTF-16LE with its terminating NUL.
    static RegistryValue MakeText(std::string_view utf8);
    static RegistryValue MakeExpandableText(std::string_view utf8);
    // Each text given as UTF-8; empty texts cannot be told from the end of
    // the list, so they are left out.
    static RegistryValue MakeMultiText(const std::vector<std::string>& utf8Texts);
    static RegistryValue MakeRaw(std::uint32_t type, std::vector<std::uint8_t> bytes);

    std::uint32_t TypeNumber() const { return static_cast<std::uint32_t>(type); }
    // The number of a 4-byte Number32 value; nothing for any other value.
    std::optional<std::uint32_t> AsNumber32() const;
    // The text of a Text or ExpandableText value as UTF-8, up to its first
    // NUL; unpaired surrogates read as U+FFFD. Nothing for other types.
    std::optional<std::string> AsText() const;
    // The texts of a MultiText value as UTF-8, up to the empty text that ends
    // the list (or the end of the data). Nothing for other types.
    std::optional<std::vector<std::string>> AsMultiText() const;

    bool operator==(const RegistryValue&) const = default;
};

// An open key. Values are looked up by name without regard to ASCII case;
// the empty name is the key's default value. Closing is idempotent and also
// happens on destruction; a closed key refuses reads and writes.
class RegistryKey {
  public:
    virtual ~RegistryKey() = default;

    // The value, or nothing when it does not exist. Throws RegistryError
    // when the store cannot be read.
    virtual std::optional<RegistryValue> ReadValue(std::string_view name) = 0;
    // Creates or replaces the value. Throws RegistryError when it cannot be
    // stored (RegistryAccessDenied when this user may only read the key);
    // the previous contents are then unchanged.
    virtual void WriteValue(std::string_view name, const RegistryValue& value) = 0;
    virtual void Close() = 0;
};

class Registry {
  public:
    virtual ~Registry() = default;

    // Opens `path` (components separated by backslashes; leading, trailing
    // and doubled separators ignored, so "\Software\Tessarine" and
    // "Software\Tessarine" are one key) below `root` for reading and
    // writing, creating the key when it is missing. Returns null when the
    // key can be neither opened nor created, e.g. because it is missing from
    // a store this user may not write.
    virtual std::unique_ptr<RegistryKey> CreateKey(RegistryRoot root, std::string_view path) = 0;
};

}  // namespace tessarine
