// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/standard_font_pdf.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <optional>
#include <regex>
#include <string>

#include "print/win_ansi_text.h"
#include "support/scoped_locale.h"

namespace tessarine {
namespace {

TEST(WinAnsiTextTest, EncodesLatinTextAndRefusesTheRest) {
    const struct {
        const char* utf8;
        std::optional<std::string> winAnsi;
    } cases[] = {
        {"Mai 2024", "Mai 2024"},
        {"M\u00e4rz \u00bd \u00ff", "M\xe4rz \xbd \xff"},
        {"\u20ac \u2013 \u2014 \u0152 \u0178", "\x80 \x96 \x97 \x8c \x9f"},
        {"", ""},
        {"\u043c\u0430\u0440\u0442", std::nullopt},  // Cyrillic
        {"\u2028", std::nullopt},                    // beyond Latin-1, no mark for it
        {"a\tb", std::nullopt},                      // control characters
        {"\x7f", std::nullopt},
        {"\xc3", std::nullopt},              // cut short
        {"\xc0\x80", std::nullopt},          // overlong
        {"\xed\xa0\x80", std::nullopt},      // a surrogate
        {"\xf4\x90\x80\x80", std::nullopt},  // beyond U+10FFFF
        {"\xa9", std::nullopt},              // a lone continuation byte
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToWinAnsi(c.utf8), c.winAnsi) << c.utf8;
    }
}

std::string Inflated(const std::string& packed) {
    std::string data(1 << 20, '\0');
    uLongf size = data.size();
    EXPECT_EQ(uncompress(reinterpret_cast<Bytef*>(data.data()), &size,
                         reinterpret_cast<const Bytef*>(packed.data()), packed.size()),
              Z_OK);
    data.resize(size);
    return data;
}

// Two print documents, the second in landscape with two sheets.
std::string TwoDocuments() {
    StandardFontPdf document("unused.pdf", Paper::A4);
    const auto portrait = document.Factory()();
    portrait->BeginDocument();
    portrait->SetFont(PrintFont{"Arial", 14, kFontBold});
    portrait->TextOutOpaque(600, 600, "M\u00e4rz (1)");
    portrait->EndDocument();
    const auto landscape = document.Factory()();
    landscape->SetOrientation(PageOrientation::Landscape);
    EXPECT_EQ(landscape->PhysicalSize(), (DeviceSize{7017, 4958}));
    landscape->BeginDocument();
    landscape->Rectangle(450, 450, 900, 900, 4, 192);
    landscape->NewPage();
    landscape->Rectangle(900, 900, 450, 450, 0, 255);
    landscape->EndDocument();
    EXPECT_EQ(document.PageCount(), 3);
    return document.Serialized();
}

// Every object the cross-reference table names starts where it says, and
// every stream inflates to the drawing asked for.
TEST(StandardFontPdfTest, WritesAFileReadersCanIndex) {
    const std::string pdf = TwoDocuments();
    ASSERT_EQ(pdf.rfind("%PDF-1.4\n", 0), 0u);
    std::smatch match;
    ASSERT_TRUE(std::regex_search(pdf, match, std::regex("startxref\n(\\d+)\n%%EOF\n$")));
    const std::size_t table = std::stoul(match[1]);
    ASSERT_EQ(pdf.compare(table, 5, "xref\n"), 0);
    std::smatch header;
    const std::string fromTable = pdf.substr(table);
    ASSERT_TRUE(std::regex_search(fromTable, header, std::regex("^xref\n0 (\\d+)\n")));
    const int objects = std::stoi(header[1]);
    std::size_t entry = table + static_cast<std::size_t>(header.length(0)) + 20;
    for (int number = 1; number < objects; ++number, entry += 20) {
        const std::size_t offset = std::stoul(pdf.substr(entry, 10));
        EXPECT_EQ(pdf.compare(offset, std::to_string(number).size() + 6,
                              std::to_string(number) + " 0 obj"),
                  0)
            << "object " << number;
    }
    EXPECT_NE(pdf.find("/Count 3>>"), std::string::npos);
    EXPECT_NE(pdf.find("/MediaBox[0 0 595 842]"), std::string::npos);
    std::string drawn;
    const std::regex stream("/Length (\\d+)/Filter/FlateDecode>>\nstream\n");
    for (auto it = std::sregex_iterator(pdf.begin(), pdf.end(), stream);
         it != std::sregex_iterator(); ++it) {
        const std::size_t start = static_cast<std::size_t>(it->position(0) + it->length(0));
        const std::size_t length = std::stoul((*it)[1]);
        EXPECT_EQ(pdf.compare(start + length, 10, "\nendstream"), 0);
        drawn += Inflated(pdf.substr(start, length)) + "|";
    }
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), '|'), 3);
    // Upwards from the bottom of a sheet 7017 pixels high (4958 in
    // landscape). The bold face at 14 points of 600 dpi, its baseline 106
    // pixels down; the parentheses escaped.
    EXPECT_NE(drawn.find("/F1 117 Tf 600 6311 Td (M\xe4rz \\(1\\))Tj"), std::string::npos);
    EXPECT_NE(drawn.find("0.753 g 4 w 450 4058 450 450 re B"), std::string::npos);
    EXPECT_NE(drawn.find("1 g 1 w 450 4058 450 450 re B"), std::string::npos);
    // A4 is 842 points, 7017 pixels of 0.12 points: the sheet starts 0.04 down.
    EXPECT_NE(drawn.find("0.12 0 0 0.12 0 -0.04 cm"), std::string::npos);
    EXPECT_NE(pdf.find("/Widths[277.83 277.83 354.98 "), std::string::npos);
}

// The toolkit switches the process to the user's locale; the file must not
// pick up its decimal comma.
TEST(StandardFontPdfTest, WritesTheSameFileInEveryLocale) {
    const std::string inC = TwoDocuments();
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "es_ES.UTF-8"}) {
        testing::ScopedLocale locale(name);
        ASSERT_TRUE(locale.installed()) << name << " is missing: run scripts/setup-debian.sh";
        EXPECT_TRUE(TwoDocuments() == inC) << name;
    }
}

TEST(StandardFontPdfTest, LeavesWhatItCannotDrawToEmbeddedFonts) {
    StandardFontPdf document("unused.pdf", Paper::Letter);
    const auto device = document.Factory()();
    EXPECT_THROW(device->Rectangle(0, 0, 10, 10, 1, 0), PrintError);  // no document open
    device->BeginDocument();
    EXPECT_THROW(device->SetOrientation(PageOrientation::Landscape), PrintError);
    EXPECT_THROW(device->TextExtent("\u043c\u0430\u0440\u0442"), NeedsEmbeddedFonts);
    EXPECT_THROW(device->TextOutOpaque(0, 0, "\u03bc"), NeedsEmbeddedFonts);
    EXPECT_THROW(device->SetFont(PrintFont{"Courier New", 10, kFontPlain}), NeedsEmbeddedFonts);
    EXPECT_THROW(device->SetFont(PrintFont{"Arial", 10, kFontItalic}), NeedsEmbeddedFonts);
    EXPECT_THROW(device->SetFont(PrintFont{"Arial", 10, kFontUnderline}), NeedsEmbeddedFonts);
    device->AbortDocument();

    StandardFontPdf empty("unused.pdf", Paper::Letter);
    EXPECT_THROW(empty.Commit(), PrintError);
}

}  // namespace
}  // namespace tessarine
