// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/reg_file_format.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/utf.h"
#include "support/test_files.h"

namespace tessarine {
namespace {

namespace fs = std::filesystem;

fs::path DataFile(const std::string& name) {
    return TestDataFile("platform", name, fs::path(__FILE__).parent_path());
}

std::vector<std::uint8_t> Bytes(std::initializer_list<int> values) {
    std::vector<std::uint8_t> out;
    for (int v : values) out.push_back(static_cast<std::uint8_t>(v));
    return out;
}

const RegistryValue& ValueAt(const Hive& hive, std::string_view key, std::string_view name) {
    const HiveKey* found = hive.FindKey(key);
    if (found == nullptr) throw std::runtime_error("missing key " + std::string(key));
    const HiveValue* value = found->FindValue(name);
    if (value == nullptr) throw std::runtime_error("missing value " + std::string(name));
    return value->value;
}

// Every kind of value, including the awkward ones, comes back with the same
// type and bytes after a write and a read.
TEST(RegFileFormatTest, EveryValueKindRoundTrips) {
    std::vector<std::uint8_t> long_blob;
    for (int i = 0; i < 300; ++i) long_blob.push_back(static_cast<std::uint8_t>(i * 7));
    const std::vector<std::pair<std::string, RegistryValue>> values = {
        {"Binary", RegistryValue::MakeBinary(Bytes({1, 2, 0xFF}))},
        {"EmptyBinary", RegistryValue::MakeBinary({})},
        {"LongBinary", RegistryValue::MakeBinary(long_blob)},
        {"Number", RegistryValue::MakeNumber32(0xDEADBEEF)},
        {"Zero", RegistryValue::MakeNumber32(0)},
        {"Text", RegistryValue::MakeText("C:\\dir \"quoted\" \xC3\xBC \xF0\x9F\x99\x82")},
        {"EmptyText", RegistryValue::MakeText("")},
        {"Expand", RegistryValue::MakeExpandableText("%HOME%\\cal")},
        {"Multi", RegistryValue::MakeMultiText({"/home/u/a b.ics", "webcal://h/\xC3\xBC"})},
        {"EmptyMulti", RegistryValue::MakeMultiText({})},
        {"MultiNoFinalNul", RegistryValue::MakeRaw(7, Bytes({'a', 0, 0, 0}))},
        {"Qword", RegistryValue::MakeRaw(11, Bytes({1, 2, 3, 4, 5, 6, 7, 8}))},
        {"BigType", RegistryValue::MakeRaw(0xFFFF0123, Bytes({9}))},
        {"NoneType", RegistryValue::MakeRaw(0, {})},
        // Not expressible as quoted text: kept as hex of the same type.
        {"TextLineBreak", RegistryValue::MakeText("one\ntwo")},
        {"TextEmbeddedNul", RegistryValue::MakeRaw(1, Bytes({'a', 0, 0, 0, 'b', 0, 0, 0}))},
        {"TextNoTerminator", RegistryValue::MakeRaw(1, Bytes({'a', 0}))},
        {"TextLoneSurrogate", RegistryValue::MakeRaw(1, Bytes({0x00, 0xD8, 0, 0}))},
        {"TextOddLength", RegistryValue::MakeRaw(1, Bytes({'a', 0, 0}))},
        {"ShortDword", RegistryValue::MakeRaw(4, Bytes({1, 2}))},
        {"", RegistryValue::MakeText("default value")},
        {"Name \\ with \"quotes\"", RegistryValue::MakeNumber32(1)},
    };
    Hive hive;
    HiveKey& key = hive.FindOrAddKey("HKEY_LOCAL_MACHINE\\Software\\Tessarine");
    for (const auto& [name, value] : values) key.SetValue(name, value);

    const std::string text = SerializeHive(hive);
    const Hive back = ParseHive(text);
    for (const auto& [name, value] : values) {
        SCOPED_TRACE(name);
        EXPECT_EQ(ValueAt(back, "HKEY_LOCAL_MACHINE\\Software\\Tessarine", name), value);
    }
    EXPECT_EQ(SerializeHive(back), text);
}

TEST(RegFileFormatTest, WritesTheExportNotation) {
    Hive hive;
    HiveKey& key = hive.FindOrAddKey("HKEY_LOCAL_MACHINE\\Software\\Tessarine");
    key.SetValue("AppDefaultsRec", RegistryValue::MakeBinary(Bytes({2, 0, 0, 0, 0, 1, 0, 0})));
    key.SetValue("Count", RegistryValue::MakeNumber32(10));
    key.SetValue("Path", RegistryValue::MakeText("a\\b\"c"));
    key.SetValue("Expand", RegistryValue::MakeExpandableText("%A%"));
    key.SetValue("Odd", RegistryValue::MakeRaw(0x1b, Bytes({0xAB})));
    key.SetValue("List", RegistryValue::MakeMultiText({"a", "", "\xE2\x82\xAC"}));
    key.SetValue("", RegistryValue::MakeText("d"));

    EXPECT_EQ(SerializeHive(hive),
              "Windows Registry Editor Version 5.00\n"
              "\n"
              "[HKEY_LOCAL_MACHINE\\Software\\Tessarine]\n"
              "\"AppDefaultsRec\"=hex:02,00,00,00,00,01,00,00\n"
              "\"Count\"=dword:0000000a\n"
              "\"Path\"=\"a\\\\b\\\"c\"\n"
              "\"Expand\"=hex(2):25,00,41,00,25,00,00,00\n"
              "\"Odd\"=hex(1b):ab\n"
              "\"List\"=hex(7):61,00,00,00,ac,20,00,00,00,00\n"
              "@=\"d\"\n");
    EXPECT_EQ(ValueAt(ParseHive(SerializeHive(hive)), key.path, "List").AsMultiText(),
              (std::vector<std::string>{"a", "\xE2\x82\xAC"}));
    EXPECT_EQ(RegistryValue::MakeRaw(7, Bytes({'a', 0, 0, 0, 'b', 0})).AsMultiText(),
              (std::vector<std::string>{"a"}));
    EXPECT_EQ(RegistryValue::MakeText("a").AsMultiText(), std::nullopt);
}

TEST(RegFileFormatTest, LongHexDataWrapsWithinEightyColumns) {
    Hive hive;
    HiveKey& key = hive.FindOrAddKey("HKEY_CURRENT_USER\\Software\\Tessarine");
    key.SetValue("Blob", RegistryValue::MakeBinary(std::vector<std::uint8_t>(200, 0x5A)));
    const std::string text = SerializeHive(hive);

    std::istringstream lines(text);
    std::string line;
    int continued = 0;
    while (std::getline(lines, line)) {
        EXPECT_LE(line.size(), 80u) << line;
        if (!line.empty() && line.back() == '\\') {
            ++continued;
            EXPECT_EQ(line[line.size() - 2], ',') << "breaks only after a comma";
        }
    }
    EXPECT_GE(continued, 2);
    EXPECT_EQ(ParseHive(text).keys[0].values[0].value.data.size(), 200u);
}

TEST(RegFileFormatTest, ReadsAHandWrittenUtf8File) {
    const Hive hive = ParseHive(ReadBytes(DataFile("hand_written.reg")));
    // Key and value names match without regard to case.
    const std::string key = "HKEY_LOCAL_MACHINE\\Software\\Tessarine";
    EXPECT_EQ(ValueAt(hive, key, "appdefaultsrec"),
              RegistryValue::MakeBinary(Bytes({2, 0, 0, 0, 0, 1, 0, 0})));
    EXPECT_EQ(ValueAt(hive, key, "Count").AsNumber32(), 42u);
    EXPECT_EQ(ValueAt(hive, key, "Path").AsText(), "C:\\Program Files\\Tessarine \"4\"");
    EXPECT_EQ(ValueAt(hive, key, "Greeting").AsText(),
              "Gr\xC3\xBC\xC3\x9F"
              "e, \xE6\x97\xA5\xE6\x9C\xAC");
    EXPECT_EQ(ValueAt(hive, key, "Expand"), RegistryValue::MakeExpandableText("%HOME%\\cal"));
    std::vector<std::uint8_t> counting;
    for (int i = 0; i <= 0x2f; ++i) counting.push_back(static_cast<std::uint8_t>(i));
    EXPECT_EQ(ValueAt(hive, key, "Long"), RegistryValue::MakeBinary(counting));
    EXPECT_EQ(ValueAt(hive, key, "Multi"),
              RegistryValue::MakeRaw(7, Bytes({'a', 0, 0, 0, 'b', 0, 0, 0, 0, 0})));
    EXPECT_EQ(ValueAt(hive, key, "Wide").TypeNumber(), 11u);
    EXPECT_EQ(ValueAt(hive, key, "").AsText(), "default");

    const std::string other = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Other Vendor\\Product";
    EXPECT_EQ(ValueAt(hive, other, "Empty"), RegistryValue::MakeBinary({}));
    EXPECT_EQ(ValueAt(hive, other, "NoneType"), RegistryValue::MakeRaw(0, Bytes({0xFF})));
    ASSERT_EQ(hive.keys[0].comments.size(), 1u);
    EXPECT_EQ(hive.trailingComments, std::vector<std::string>{"; trailing remark"});
}

TEST(RegFileFormatTest, ReadsAUtf16FileWithByteOrderMarkAndCrLf) {
    const Hive hive = ParseHive(ReadBytes(DataFile("hand_written_utf16.reg")));
    const std::string key = "HKEY_CURRENT_USER\\Software\\Tessarine\\DonateForm";
    EXPECT_EQ(ValueAt(hive, key, "DonateStatus").AsNumber32(), 1u);
    EXPECT_EQ(ValueAt(hive, key, "DonateLastPrompt").AsNumber32(), 45331u);
    EXPECT_EQ(ValueAt(hive, key, "Note").AsText(),
              "\xC3\x9Cn\xC3\xAF"
              "code \xE2\x9C\x93");
    EXPECT_EQ(ValueAt(hive, key, "Blob").data.size(), 24u);
    EXPECT_EQ(ValueAt(hive, key, "Blob").data.back(), 0x13);
}

TEST(RegFileFormatTest, RewritingKeepsEverythingItDoesNotTouch) {
    const std::string original = ReadBytes(DataFile("hand_written.reg"));
    Hive hive = ParseHive(original);
    hive.FindOrAddKey("HKEY_LOCAL_MACHINE\\Software\\Tessarine")
        .SetValue("Count", RegistryValue::MakeNumber32(43));

    const Hive before = ParseHive(original);
    const Hive after = ParseHive(SerializeHive(hive));
    ASSERT_EQ(after.keys.size(), before.keys.size());
    for (std::size_t k = 0; k < before.keys.size(); ++k) {
        EXPECT_EQ(after.keys[k].path, before.keys[k].path);
        EXPECT_EQ(after.keys[k].comments, before.keys[k].comments);
        ASSERT_EQ(after.keys[k].values.size(), before.keys[k].values.size());
        for (std::size_t v = 0; v < before.keys[k].values.size(); ++v) {
            const auto& was = before.keys[k].values[v];
            const auto& now = after.keys[k].values[v];
            EXPECT_EQ(now.name, was.name);
            if (was.name == "Count") {
                EXPECT_EQ(now.value.AsNumber32(), 43u);
            } else {
                EXPECT_EQ(now.value, was.value) << was.name;
            }
        }
    }
    EXPECT_EQ(after.trailingComments, before.trailingComments);
}

TEST(RegFileFormatTest, LaterDuplicatesReplaceEarlierOnes) {
    const Hive hive = ParseHive(
        "Windows Registry Editor Version 5.00\n\n"
        "[HKEY_CURRENT_USER\\A]\n\"x\"=dword:00000001\n"
        "[HKEY_CURRENT_USER\\B]\n"
        "[hkey_current_user\\a]\n\"X\"=dword:00000002\n\"y\"=dword:00000003\n");
    ASSERT_EQ(hive.keys.size(), 2u);
    ASSERT_EQ(hive.keys[0].values.size(), 2u);
    EXPECT_EQ(hive.keys[0].values[0].value.AsNumber32(), 2u);
}

TEST(RegFileFormatTest, KeyLookupIgnoresCaseAndStraySeparators) {
    Hive hive;
    hive.FindOrAddKey("HKEY_LOCAL_MACHINE\\SOFTWARE\\Tessarine\\Sub");
    EXPECT_NE(hive.FindKey("hkey_local_machine\\\\software\\tessarine\\sub\\"), nullptr);
    EXPECT_EQ(hive.FindKey("HKEY_LOCAL_MACHINE\\SOFTWARE\\Tessarine"), nullptr);
    EXPECT_TRUE(hive.KeyExists("HKEY_LOCAL_MACHINE\\Software\\Tessarine"));
    EXPECT_FALSE(hive.KeyExists("HKEY_LOCAL_MACHINE\\Software\\Tess"));
}

struct DamagedCase {
    const char* label;
    std::string bytes;
};

class RegFileFormatDamagedTest : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(RegFileFormatDamagedTest, IsRefused) {
    EXPECT_THROW(ParseHive(GetParam().bytes), HiveFormatError);
}

const std::string kHeader = "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\K]\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, RegFileFormatDamagedTest,
    ::testing::Values(
        DamagedCase{"TruncatedHeader", "Windows Registry Ed"},
        DamagedCase{"OtherText", "[section]\nkey=value\n"},
        DamagedCase{"BinaryJunk", std::string("\x7f"
                                              "ELF\x02\x01\x01\x00\x00",
                                              9)},
        DamagedCase{"InvalidUtf8", kHeader + "\"a\"=\"\xC3\x28\"\n"},
        DamagedCase{"Utf16LoneSurrogate", std::string("\xFF\xFEW\x00\x00\xD8", 6)},
        DamagedCase{"Utf16OddLength", std::string("\xFF\xFEW\x00i", 5)},
        DamagedCase{"Utf16WithoutBom", std::string("W\x00i\x00n\x00", 6)},
        DamagedCase{"TruncatedInContinuation", kHeader + "\"a\"=hex:01,02,\\\n"},
        DamagedCase{"TruncatedInText", kHeader + "\"a\"=\"abc"},
        DamagedCase{"TrailingComma", kHeader + "\"a\"=hex:01,02,\n"},
        DamagedCase{"BadDword", kHeader + "\"a\"=dword:zz\n"},
        DamagedCase{"DwordTooLong", kHeader + "\"a\"=dword:123456789\n"},
        DamagedCase{"BadHexByte", kHeader + "\"a\"=hex:1g\n"},
        DamagedCase{"HexByteTooWide", kHeader + "\"a\"=hex:123\n"},
        DamagedCase{"BadHexType", kHeader + "\"a\"=hex(zz):00\n"},
        DamagedCase{"UnknownData", kHeader + "\"a\"=qword:00\n"},
        DamagedCase{"DeletionMarker", kHeader + "\"a\"=-\n"},
        DamagedCase{"NoEquals", kHeader + "\"a\" hex:00\n"},
        DamagedCase{"ValueBeforeAnyKey", "Windows Registry Editor Version 5.00\n\"a\"=hex:00\n"},
        DamagedCase{"UnclosedKey", "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\n"},
        DamagedCase{"StrayLine", kHeader + "hello\n"},
        DamagedCase{"JunkAfterText", kHeader + "\"a\"=\"x\"y\n"},
        DamagedCase{"TooLarge", kHeader + std::string(kMaxHiveFileSize, ';')}),
    [](const auto& info) { return std::string(info.param.label); });

// Whatever a first rewrite makes of a file, later rewrites keep it byte for byte.
class RegFileFormatRewriteTest : public ::testing::TestWithParam<std::string> {};

TEST_P(RegFileFormatRewriteTest, IsStableFromTheFirstRewriteOn) {
    const std::string once = SerializeHive(ParseHive(GetParam()));
    const std::string twice = SerializeHive(ParseHive(once));
    EXPECT_EQ(twice, once);
    EXPECT_EQ(SerializeHive(ParseHive(twice)), once);
}

INSTANTIATE_TEST_SUITE_P(Cases, RegFileFormatRewriteTest,
                         ::testing::Values(kHeader + "; runs of CRs\r\r\r\n\"a\"=dword:1\r\r\n",
                                           kHeader + "\"a\"=hex:01,\\\r\r\n  02\r\n; end\r\r",
                                           kHeader + "; mid\rline\n[HKEY_CURRENT_USER\\k]\n",
                                           kHeader + ";\r \n"));

TEST(RegFileFormatTest, AcceptsHeaderOnlyAndUtf8ByteOrderMark) {
    EXPECT_TRUE(ParseHive("Windows Registry Editor Version 5.00\n").keys.empty());
    const Hive hive = ParseHive(
        "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_CURRENT_USER\\K]\r\n\"a\"=dword:7\r\n");
    EXPECT_EQ(ValueAt(hive, "HKEY_CURRENT_USER\\K", "a").AsNumber32(), 7u);
}

TEST(Utf16Test, ConvertsBothWaysAndRefusesMalformedInput) {
    const std::string text = "a\xC3\xBC\xE2\x82\xAC\xF0\x9F\x99\x82";
    std::string back;
    ASSERT_TRUE(DecodeUtf16Le(EncodeUtf16Le(text), back));
    EXPECT_EQ(back, text);
    EXPECT_EQ(EncodeUtf16Le("\xF0\x9F\x99\x82"), Bytes({0x3D, 0xD8, 0x42, 0xDE}));

    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
    EXPECT_FALSE(IsValidUtf8("\xE2\x82"));          // cut short
    EXPECT_EQ(EncodeUtf16Le("\xFF"), Bytes({0xFD, 0xFF}));

    EXPECT_FALSE(DecodeUtf16Le(Bytes({0x00, 0xDC}), back));  // low surrogate alone
    EXPECT_EQ(DecodeUtf16LeReplacing(Bytes({'a', 0, 0x00, 0xD8, 'b', 0})),
              "a\xEF\xBF\xBD"
              "b");
}

TEST(RegistryValueTest, TextAndNumberAccessorsKeepToTheirTypes) {
    EXPECT_EQ(RegistryValue::MakeText("12").data, Bytes({'1', 0, '2', 0, 0, 0}));
    EXPECT_EQ(RegistryValue::MakeRaw(1, Bytes({'4', 0, 0, 0, 'x', 0})).AsText(), "4");
    EXPECT_EQ(RegistryValue::MakeBinary(Bytes({'4', 0})).AsText(), std::nullopt);
    EXPECT_EQ(RegistryValue::MakeNumber32(0xFFFFFFFF).AsNumber32(), 0xFFFFFFFFu);
    EXPECT_EQ(RegistryValue::MakeRaw(4, Bytes({1, 2, 3})).AsNumber32(), std::nullopt);
    EXPECT_EQ(RegistryValue::MakeBinary(Bytes({1, 0, 0, 0})).AsNumber32(), std::nullopt);
}

}  // namespace
}  // namespace tessarine
