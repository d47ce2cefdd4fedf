// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/reg_file_format.h"

#include <cstdint>
#include <optional>
#include <span>

#include "platform/utf.h"

namespace tessarine {
namespace {

constexpr char kDigits[] = "0123456789abcdef";

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           RegistryNamesEqual(text.substr(0, prefix.size()), prefix);
}

// CR counts as blank: the writer ends lines with LF alone, so a CR kept at
// the end of a comment would be taken for part of a CRLF on the next read,
// and every rewrite would lose one.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view TrimLeft(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    return s;
}

std::string_view TrimRight(std::string_view s) {
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::string_view Trim(std::string_view s) {
    return TrimLeft(TrimRight(s));
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = AsciiLower(c);
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Parses 1..8 hex digits, the whole of `text`.
std::optional<std::uint32_t> ParseHexNumber(std::string_view text) {
    if (text.empty() || text.size() > 8) return std::nullopt;
    std::uint32_t value = 0;
    for (char c : text) {
        const int digit = HexDigit(c);
        if (digit < 0) return std::nullopt;
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return value;
}

// Turns the file's bytes into UTF-8 text.
std::string DecodeFile(std::string_view bytes) {
    std::string text;
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
        if (!DecodeUtf16Le(std::span<const std::uint8_t>(data + 2, bytes.size() - 2), text)) {
            throw HiveFormatError("not valid UTF-16LE text", 0);
        }
    } else {
        if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
        if (!IsValidUtf8(bytes)) throw HiveFormatError("not valid UTF-8 text", 0);
        text.assign(bytes);
    }
    if (text.find('\0') != std::string::npos) {
        throw HiveFormatError("contains NUL characters", 0);
    }
    return text;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// Reads a quoted string at the start of `text` (which begins with '"'),
// undoing the \\ and \" escapes; returns the rest after the closing quote.
std::optional<std::string> ParseQuoted(std::string_view text, std::string_view& rest) {
    std::string out;
    std::size_t i = 1;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '"') {
            rest = text.substr(i + 1);
            return out;
        }
        if (c == '\\' && i + 1 < text.size() && (text[i + 1] == '\\' || text[i + 1] == '"')) {
            out.push_back(text[i + 1]);
            i += 2;
            continue;
        }
        out.push_back(c);
        ++i;
    }
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> ParseHexBytes(std::string_view list) {
    std::vector<std::uint8_t> bytes;
    list = Trim(list);
    if (list.empty()) return bytes;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = list.find(',', start);
        const std::string_view token = Trim(list.substr(
            start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (token.empty() || token.size() > 2) return std::nullopt;
        const auto value = ParseHexNumber(token);
        if (!value) return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(*value));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return bytes;
}

class Parser {
  public:
    explicit Parser(std::vector<std::string_view> lines) : lines_(std::move(lines)) {}

    Hive Run() {
        // The header is the first line that is not blank.
        while (index_ < lines_.size() && Trim(lines_[index_]).empty()) ++index_;
        if (index_ >= lines_.size() || Trim(lines_[index_]) != kHiveHeader) {
            Fail("the header line is missing");
        }
        ++index_;
        for (; index_ < lines_.size(); ++index_) {
            const std::string_view line = Trim(lines_[index_]);
            if (line.empty()) continue;
            if (line.front() == ';') {
                pendingComments_.emplace_back(line);
            } else if (line.front() == '[') {
                ParseKeyLine(line);
            } else if (line.front() == '"' || line.front() == '@') {
                ParseValueLine(line);
            } else {
                Fail("unexpected line");
            }
        }
        hive_.trailingComments = std::move(pendingComments_);
        return std::move(hive_);
    }

  private:
    [[noreturn]] void Fail(const std::string& reason) const {
        throw HiveFormatError(reason, index_ + 1);
    }

    void ParseKeyLine(std::string_view line) {
        if (line.size() < 3 || line.back() != ']') Fail("key line without closing bracket");
        const std::string_view path = line.substr(1, line.size() - 2);
        if (FoldRegistryKeyPath(path).empty()) Fail("empty key path");
        // A repeated section continues the first one.
        HiveKey& key = hive_.FindOrAddKey(path);
        for (auto& comment : pendingComments_) key.comments.push_back(std::move(comment));
        pendingComments_.clear();
        currentKey_ = static_cast<std::ptrdiff_t>(&key - hive_.keys.data());
    }

    void ParseValueLine(std::string_view line) {
        if (currentKey_ < 0) Fail("value outside any key");
        std::string name;
        std::string_view rest;
        if (line.front() == '@') {
            rest = line.substr(1);
        } else {
            auto quoted = ParseQuoted(line, rest);
            if (!quoted) Fail("unterminated value name");
            name = std::move(*quoted);
        }
        rest = TrimLeft(rest);
        if (rest.empty() || rest.front() != '=') Fail("'=' expected after the value name");
        rest = TrimLeft(rest.substr(1));

        RegistryValue value = ParseData(rest);
        HiveKey& key = hive_.keys[static_cast<std::size_t>(currentKey_)];
        key.SetValue(name, value);
        HiveValue& entry = *key.FindValue(name);
        for (auto& comment : pendingComments_) entry.comments.push_back(std::move(comment));
        pendingComments_.clear();
    }

    RegistryValue ParseData(std::string_view data) {
        if (!data.empty() && data.front() == '"') {
            std::string_view after;
            auto text = ParseQuoted(data, after);
            if (!text) Fail("unterminated text value");
            if (!Trim(after).empty()) Fail("unexpected characters after a text value");
            return RegistryValue::MakeText(*text);
        }
        if (StartsWithNoCase(data, "dword:")) {
            const auto number = ParseHexNumber(Trim(data.substr(6)));
            if (!number) Fail("malformed dword value");
            return RegistryValue::MakeNumber32(*number);
        }
        std::uint32_t type = static_cast<std::uint32_t>(RegistryValueType::Binary);
        std::string_view list;
        if (StartsWithNoCase(data, "hex:")) {
            list = data.substr(4);
        } else if (StartsWithNoCase(data, "hex(")) {
            const std::size_t close = data.find("):");
            if (close == std::string_view::npos) Fail("malformed hex type");
            const auto number = ParseHexNumber(data.substr(4, close - 4));
            if (!number) Fail("malformed hex type");
            type = *number;
            list = data.substr(close + 2);
        } else {
            Fail("unknown value data");
        }
        std::string joined(TrimRight(list));
        while (!joined.empty() && joined.back() == '\\') {
            joined.pop_back();
            if (++index_ >= lines_.size()) Fail("file ends inside a continued value");
            joined += TrimRight(TrimLeft(lines_[index_]));
        }
        auto bytes = ParseHexBytes(joined);
        if (!bytes) Fail("malformed hex data");
        return RegistryValue::MakeRaw(type, std::move(*bytes));
    }

    std::vector<std::string_view> lines_;
    std::size_t index_ = 0;
    Hive hive_;
    std::ptrdiff_t currentKey_ = -1;
    std::vector<std::string> pendingComments_;
};

void AppendEscaped(std::string& out, std::string_view text) {
    out.push_back('"');
    for (char c : text) {
        if (c == '\\' || c == '"') out.push_back('\\');
        out.push_back(c);
    }
    out.push_back('"');
}

// The text of a Text value when quoted text reproduces its bytes exactly:
// well-formed UTF-16LE ending in the one NUL, and no line-breaking controls.
std::optional<std::string> QuotableText(const RegistryValue& value) {
    const auto& data = value.data;
    if (value.type != RegistryValueType::Text || data.size() < 2 || data.size() % 2 != 0) {
        return std::nullopt;
    }
    if (data[data.size() - 2] != 0 || data[data.size() - 1] != 0) return std::nullopt;
    std::string text;
    if (!DecodeUtf16Le(std::span<const std::uint8_t>(data.data(), data.size() - 2), text)) {
        return std::nullopt;
    }
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\t') || u == 0x7F) return std::nullopt;
    }
    return text;
}

void AppendValue(std::string& out, const HiveValue& entry) {
    std::string line;
    if (entry.name.empty()) {
        line = "@";
    } else {
        AppendEscaped(line, entry.name);
    }
    line.push_back('=');

    const RegistryValue& value = entry.value;
    if (auto text = QuotableText(value)) {
        AppendEscaped(line, *text);
        out += line;
        out.push_back('\n');
        return;
    }
    if (auto number = value.AsNumber32()) {
        line += "dword:";
        for (int shift = 28; shift >= 0; shift -= 4)
            line.push_back(kDigits[(*number >> shift) & 0xF]);
        out += line;
        out.push_back('\n');
        return;
    }
    if (value.type == RegistryValueType::Binary) {
        line += "hex:";
    } else {
        std::string type;
        std::uint32_t number = value.TypeNumber();
        do {
            type.insert(type.begin(), kDigits[number & 0xF]);
            number >>= 4;
        } while (number != 0);
        line += "hex(" + type + "):";
    }
    for (std::size_t i = 0; i < value.data.size(); ++i) {
        std::string piece{kDigits[value.data[i] >> 4], kDigits[value.data[i] & 0xF]};
        if (i + 1 < value.data.size()) piece.push_back(',');
        // Lines stay within 80 columns, the backslash included.
        if (i > 0 && line.size() + piece.size() > 78) {
            out += line;
            out += "\\\n";
            line = "  ";
        }
        line += piece;
    }
    out += line;
    out.push_back('\n');
}

}  // namespace

HiveFormatError::HiveFormatError(const std::string& reason, std::size_t line)
    : std::runtime_error(line > 0 ? reason + " (line " + std::to_string(line) + ")" : reason),
      line_(line) {}

bool RegistryNamesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

bool RegistryKeyPathsEqual(std::string_view a, std::string_view b) {
    return FoldRegistryKeyPath(a) == FoldRegistryKeyPath(b);
}

std::string FoldRegistryName(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) c = AsciiLower(c);
    return folded;
}

std::string FoldRegistryKeyPath(std::string_view path) {
    std::string folded;
    folded.reserve(path.size());
    for (char c : path) {
        if (c != '\\') {
            folded.push_back(AsciiLower(c));
        } else if (!folded.empty() && folded.back() != '\\') {
            folded.push_back('\\');
        }
    }
    if (!folded.empty() && folded.back() == '\\') folded.pop_back();
    return folded;
}

namespace {

std::string FoldedNameOf(const HiveValue& value) {
    return FoldRegistryName(value.name);
}

std::string FoldedPathOf(const HiveKey& key) {
    return FoldRegistryKeyPath(key.path);
}

}  // namespace

HiveValue* HiveKey::FindValue(std::string_view name) {
    const std::size_t at = index_.Find(FoldRegistryName(name), values, FoldedNameOf);
    return at == HiveNameIndex::kMissing ? nullptr : &values[at];
}

const HiveValue* HiveKey::FindValue(std::string_view name) const {
    return const_cast<HiveKey*>(this)->FindValue(name);
}

void HiveKey::SetValue(std::string_view name, const RegistryValue& value) {
    if (HiveValue* existing = FindValue(name)) {
        existing->value = value;
    } else {
        values.push_back(HiveValue{std::string(name), value, {}});
    }
}

HiveKey* Hive::FindKey(std::string_view path) {
    const std::size_t at = index_.Find(FoldRegistryKeyPath(path), keys, FoldedPathOf);
    return at == HiveNameIndex::kMissing ? nullptr : &keys[at];
}

const HiveKey* Hive::FindKey(std::string_view path) const {
    return const_cast<Hive*>(this)->FindKey(path);
}

HiveKey& Hive::FindOrAddKey(std::string_view path) {
    if (HiveKey* existing = FindKey(path)) return *existing;
    keys.emplace_back().path = path;
    return keys.back();
}

bool Hive::KeyExists(std::string_view path) const {
    const std::string wanted = FoldRegistryKeyPath(path);
    if (wanted.empty()) return !keys.empty();
    return index_.Any(keys, FoldedPathOf, [&wanted](std::string_view have) {
        return have.starts_with(wanted) &&
               (have.size() == wanted.size() || have[wanted.size()] == '\\');
    });
}

Hive ParseHive(std::string_view fileBytes) {
    if (fileBytes.size() > kMaxHiveFileSize) throw HiveFormatError("larger than 16 MiB", 0);
    const std::string text = DecodeFile(fileBytes);
    return Parser(SplitLines(text)).Run();
}

std::string SerializeHive(const Hive& hive) {
    std::string out(kHiveHeader);
    out += "\n";
    for (const auto& key : hive.keys) {
        out += "\n";
        for (const auto& comment : key.comments) out += comment + "\n";
        out += "[" + key.path + "]\n";
        for (const auto& value : key.values) {
            for (const auto& comment : value.comments) out += comment + "\n";
            AppendValue(out, value);
        }
    }
    if (!hive.trailingComments.empty()) {
        out += "\n";
        for (const auto& comment : hive.trailingComments) out += comment + "\n";
    }
    return out;
}

}  // namespace tessarine
