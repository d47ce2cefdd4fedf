// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/registry.h"

#include <span>

#include "platform/utf.h"

namespace tessarine {

std::string_view RegistryRootName(RegistryRoot root) {
    switch (root) {
        case RegistryRoot::LocalMachine:
            return "HKEY_LOCAL_MACHINE";
        case RegistryRoot::CurrentUser:
            return "HKEY_CURRENT_USER";
    }
    return "HKEY_CURRENT_USER";
}

RegistryValue RegistryValue::MakeBinary(std::vector<std::uint8_t> bytes) {
    return RegistryValue{RegistryValueType::Binary, std::move(bytes)};
}

RegistryValue RegistryValue::MakeNumber32(std::uint32_t number) {
    return RegistryValue{
        RegistryValueType::Number32,
        {static_cast<std::uint8_t>(number & 0xFF), static_cast<std::uint8_t>((number >> 8) & 0xFF),
         static_cast<std::uint8_t>((number >> 16) & 0xFF),
         static_cast<std::uint8_t>((number >> 24) & 0xFF)}};
}

RegistryValue RegistryValue::MakeText(std::string_view utf8) {
    std::vector<std::uint8_t> bytes = EncodeUtf16Le(utf8);
    bytes.push_back(0);
    bytes.push_back(0);
    return RegistryValue{RegistryValueType::Text, std::move(bytes)};
}

RegistryValue RegistryValue::MakeExpandableText(std::string_view utf8) {
    RegistryValue value = MakeText(utf8);
    value.type = RegistryValueType::ExpandableText;
    return value;
}

RegistryValue RegistryValue::MakeMultiText(const std::vector<std::string>& utf8Texts) {
    std::vector<std::uint8_t> bytes;
    for (const std::string& text : utf8Texts) {
        if (text.empty()) continue;
        const std::vector<std::uint8_t> encoded = EncodeUtf16Le(text);
        bytes.insert(bytes.end(), encoded.begin(), encoded.end());
        bytes.insert(bytes.end(), {0, 0});
    }
    bytes.insert(bytes.end(), {0, 0});
    return RegistryValue{RegistryValueType::MultiText, std::move(bytes)};
}

RegistryValue RegistryValue::MakeRaw(std::uint32_t type, std::vector<std::uint8_t> bytes) {
    return RegistryValue{static_cast<RegistryValueType>(type), std::move(bytes)};
}

std::optional<std::uint32_t> RegistryValue::AsNumber32() const {
    if (type != RegistryValueType::Number32 || data.size() != 4) return std::nullopt;
    return static_cast<std::uint32_t>(data[0]) | (static_cast<std::uint32_t>(data[1]) << 8) |
           (static_cast<std::uint32_t>(data[2]) << 16) |
           (static_cast<std::uint32_t>(data[3]) << 24);
}

std::optional<std::string> RegistryValue::AsText() const {
    if (type != RegistryValueType::Text && type != RegistryValueType::ExpandableText) {
        return std::nullopt;
    }
    // Up to the first NUL code unit.
    std::size_t end = 0;
    while (end + 1 < data.size() && (data[end] != 0 || data[end + 1] != 0)) end += 2;
    return DecodeUtf16LeReplacing(std::span<const std::uint8_t>(data.data(), end));
}

std::optional<std::vector<std::string>> RegistryValue::AsMultiText() const {
    // A last text without its NUL is left out, as a half-written one.
    if (type != RegistryValueType::MultiText) return std::nullopt;
    std::vector<std::string> texts;
    std::size_t start = 0;
    for (std::size_t at = 0; at + 1 < data.size(); at += 2) {
        if (data[at] != 0 || data[at + 1] != 0) continue;
        if (at == start) break;  // the empty text that ends the list
        texts.push_back(
            DecodeUtf16LeReplacing(std::span<const std::uint8_t>(data.data() + start, at - start)));
        start = at + 2;
    }
    return texts;
}

}  // namespace tessarine
