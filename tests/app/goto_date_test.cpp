// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/goto_date.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <regex>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/marked_dates.h"
#include "support/test_dates.h"

namespace tessarine {
namespace {

namespace chr = std::chrono;

struct EnteredCase {
    std::string text;
    std::optional<DateFields> expected;  // nullopt: the text must be refused
};

void PrintTo(const EnteredCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class EnteredDateTest : public testing::TestWithParam<EnteredCase> {};

TEST_P(EnteredDateTest, ReadsOrRefuses) {
    const EnteredCase& c = GetParam();
    const std::optional<DateSerial> date = ParseEnteredDate(c.text);
    if (!c.expected) {
        EXPECT_FALSE(date.has_value()) << "read as " << FormatDateSerial("yyyy-mm-dd", *date);
        return;
    }
    ASSERT_TRUE(date.has_value());
    EXPECT_EQ(DecodeDateSerial(*date), *c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Typical, EnteredDateTest,
    testing::Values(EnteredCase{"20240229", DateFields{2024, 2, 29}},
                    EnteredCase{"20230229", std::nullopt},
                    EnteredCase{"20240430", DateFields{2024, 4, 30}},
                    EnteredCase{"20240431", std::nullopt}, EnteredCase{"20241301", std::nullopt},
                    EnteredCase{"20240001", std::nullopt}, EnteredCase{"20240100", std::nullopt},
                    EnteredCase{"21000229", std::nullopt},  // century, not leap
                    EnteredCase{"20000229", DateFields{2000, 2, 29}}));

INSTANTIATE_TEST_SUITE_P(YearSpan, EnteredDateTest,
                         testing::Values(EnteredCase{"15821015", DateFields{1582, 10, 15}},
                                         EnteredCase{"15820101", DateFields{1582, 1, 1}},
                                         EnteredCase{"30001231", DateFields{3000, 12, 31}},
                                         EnteredCase{"15811231", std::nullopt},
                                         EnteredCase{"30010101", std::nullopt},
                                         EnteredCase{"00000101", std::nullopt},
                                         EnteredCase{"99991231", std::nullopt}));

// Pieces are cut by position: a short text shortens the day, then the month.
INSTANTIATE_TEST_SUITE_P(
    Length, EnteredDateTest,
    testing::Values(EnteredCase{"2024011", DateFields{2024, 1, 1}},
                    EnteredCase{"202401", std::nullopt}, EnteredCase{"20240", std::nullopt},
                    EnteredCase{"2024", std::nullopt}, EnteredCase{"", std::nullopt},
                    EnteredCase{"      ", std::nullopt}, EnteredCase{"        ", std::nullopt},
                    // Characters past the eighth are never read.
                    EnteredCase{"2024022999", DateFields{2024, 2, 29}},
                    EnteredCase{"20240229xyz", DateFields{2024, 2, 29}}));

INSTANTIATE_TEST_SUITE_P(
    BlanksAndSigns, EnteredDateTest,
    testing::Values(EnteredCase{"2024 1 5", DateFields{2024, 1, 5}},
                    EnteredCase{"2024 115", DateFields{2024, 1, 15}},
                    EnteredCase{"2024-1-5", std::nullopt},  // month -1
                    EnteredCase{"2024+1+5", DateFields{2024, 1, 5}},
                    EnteredCase{"2024+0+1", std::nullopt}, EnteredCase{"202401-1", std::nullopt},
                    EnteredCase{"+2024010", std::nullopt},            // year +202
                    EnteredCase{" 2024010", std::nullopt},            // year 202
                    EnteredCase{"20241 01", std::nullopt},            // trailing blank in the month
                    EnteredCase{"2024 101", DateFields{2024, 1, 1}},  // month " 1", day "01"
                    EnteredCase{"2024  01", std::nullopt},            // month of blanks only
                    EnteredCase{"2024- 10", std::nullopt},            // blank after the sign
                    EnteredCase{"2024\t101", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    Hexadecimal, EnteredDateTest,
    testing::Values(EnteredCase{"$7E8$C$1", DateFields{2024, 12, 1}},
                    EnteredCase{"2024$A$F", DateFields{2024, 10, 15}},
                    EnteredCase{"2024$a$f", DateFields{2024, 10, 15}},
                    EnteredCase{"$7e80101", DateFields{2024, 1, 1}},
                    EnteredCase{"0x7E0101", std::nullopt},  // year 0x7E = 126
                    EnteredCase{"20240x01", std::nullopt},  // "0x" has no digits
                    EnteredCase{"2024$G01", std::nullopt}, EnteredCase{"2024$$01", std::nullopt},
                    EnteredCase{"2024x101", std::nullopt}, EnteredCase{"2024-$101", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(OtherCharacters, EnteredDateTest,
                         testing::Values(EnteredCase{"2024.1.5", std::nullopt},
                                         EnteredCase{"2024ab01", std::nullopt},
                                         EnteredCase{"2024\xC3\xA9"
                                                     "01",
                                                     std::nullopt},  // é as UTF-8
                                         EnteredCase{"\xEF\xBC\x92"
                                                     "0240101",
                                                     std::nullopt},  // full-width 2
                                         EnteredCase{"202401\xFF\xFE", std::nullopt},
                                         EnteredCase{std::string("2024\0"
                                                                 "101",
                                                                 8),
                                                     std::nullopt}));

TEST(StandardIntegerTest, AcceptsTheDocumentedForms) {
    EXPECT_EQ(ParseStandardInteger("0"), 0);
    EXPECT_EQ(ParseStandardInteger("007"), 7);
    EXPECT_EQ(ParseStandardInteger("   42"), 42);
    EXPECT_EQ(ParseStandardInteger("-12"), -12);
    EXPECT_EQ(ParseStandardInteger("  +12"), 12);
    EXPECT_EQ(ParseStandardInteger("-0"), 0);
    EXPECT_EQ(ParseStandardInteger("$1f"), 31);
    EXPECT_EQ(ParseStandardInteger("0X1F"), 31);
    EXPECT_EQ(ParseStandardInteger("0x00"), 0);
    EXPECT_EQ(ParseStandardInteger(" -$10"), -16);
    EXPECT_EQ(ParseStandardInteger("+0x10"), 16);
}

TEST(StandardIntegerTest, RefusesEverythingElse) {
    for (const char* text : {"", " ", "+", "-", "$", "0x", "-$", "1 ", "- 1", "--1", "+-1", "x1",
                             "$-1", "0x-1", "1e3", "0b1", "12a", "$1g", "１"}) {
        EXPECT_EQ(ParseStandardInteger(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(StandardIntegerTest, RejectsOverflowAtThe32BitLimits) {
    EXPECT_EQ(ParseStandardInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseStandardInteger("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ParseStandardInteger("$7FFFFFFF"), 2147483647);
    EXPECT_EQ(ParseStandardInteger("2147483648"), std::nullopt);
    EXPECT_EQ(ParseStandardInteger("-2147483649"), std::nullopt);
    EXPECT_EQ(ParseStandardInteger("$80000000"), std::nullopt);
    EXPECT_EQ(ParseStandardInteger("99999999999999999999999999"), std::nullopt);
    EXPECT_EQ(ParseStandardInteger("0x" + std::string(40, 'F')), std::nullopt);
}

// --- Property test --------------------------------------------------------

// An oracle written from the description of the reading, sharing no code
// with it: a regular expression for the integer form, std::stoll for the
// value, std::chrono for the calendar.
std::optional<long long> OracleInteger(const std::string& piece) {
    static const std::regex form(R"(^ *([+-]?)(\$([0-9A-Fa-f]+)|0[xX]([0-9A-Fa-f]+)|([0-9]+))$)");
    std::smatch m;
    if (!std::regex_match(piece, m, form)) return std::nullopt;
    long long value = 0;
    if (m[3].matched) value = std::stoll(m[3].str(), nullptr, 16);
    if (m[4].matched) value = std::stoll(m[4].str(), nullptr, 16);
    if (m[5].matched) value = std::stoll(m[5].str(), nullptr, 10);
    return m[1].str() == "-" ? -value : value;
}

std::optional<DateFields> OracleDate(const std::string& text) {
    const std::string eight = text.substr(0, 8);
    const auto piece = [&eight](std::size_t first, std::size_t length) {
        return first < eight.size() ? eight.substr(first, length) : std::string();
    };
    const auto year = OracleInteger(piece(0, 4));
    const auto month = OracleInteger(piece(4, 2));
    const auto day = OracleInteger(piece(6, 2));
    if (!year || !month || !day || *year < 1582 || *year > 3000) return std::nullopt;
    if (*month < 1 || *month > 12 || *day < 1 || *day > 31) return std::nullopt;
    const chr::year_month_day ymd{chr::year{static_cast<int>(*year)},
                                  chr::month{static_cast<unsigned>(*month)},
                                  chr::day{static_cast<unsigned>(*day)}};
    if (!ymd.ok()) return std::nullopt;
    return DateFields{static_cast<std::uint16_t>(*year), static_cast<std::uint16_t>(*month),
                      static_cast<std::uint16_t>(*day)};
}

// Texts that mostly look like dates in the accepted forms, with damage.
class TextGenerator {
  public:
    explicit TextGenerator(unsigned seed) : rng_(seed) {}

    std::string Next() {
        std::string text = Chance(2) ? Structured() : Noise(Uniform(0, 10));
        if (Chance(4)) text.resize(static_cast<std::size_t>(Uniform(0, 8)));
        if (Chance(5) && !text.empty()) {
            text[static_cast<std::size_t>(Uniform(0, static_cast<int>(text.size()) - 1))] =
                Noise(1)[0];
        }
        return text;
    }

  private:
    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    bool Chance(int oneIn) { return Uniform(1, oneIn) == 1; }

    std::string Noise(int length) {
        static const std::string alphabet =
            std::string("0123456789 +-$xXabcdefABCDEFg.\t\xC3\xA9\xFF") + std::string(1, '\0');
        std::string text;
        for (int i = 0; i < length; ++i) {
            text += alphabet[static_cast<std::size_t>(
                Uniform(0, static_cast<int>(alphabet.size()) - 1))];
        }
        return text;
    }

    // One piece of exactly `width` characters holding `value` in some form.
    std::string Piece(int value, std::size_t width) {
        char buffer[16];
        std::string body;
        switch (Uniform(0, 3)) {
            case 0:
                std::snprintf(buffer, sizeof buffer, "%0*d", static_cast<int>(width), value);
                body = buffer;
                break;
            case 1:
                std::snprintf(buffer, sizeof buffer, "$%X", static_cast<unsigned>(std::abs(value)));
                body = (value < 0 ? "-" : "") + std::string(buffer);
                break;
            case 2:
                std::snprintf(buffer, sizeof buffer, "0x%x",
                              static_cast<unsigned>(std::abs(value)));
                body = (value < 0 ? "-" : "") + std::string(buffer);
                break;
            default:
                std::snprintf(buffer, sizeof buffer, "%+d", value);
                body = buffer;
                break;
        }
        if (body.size() < width) body.insert(0, width - body.size(), ' ');
        return body.substr(0, width);
    }

    std::string Structured() {
        return Piece(Uniform(1570, 3010), 4) + Piece(Uniform(-1, 13), 2) +
               Piece(Uniform(-1, 32), 2);
    }

    std::mt19937 rng_;
};

TEST(EnteredDatePropertyTest, AgreesWithAnIndependentReadingOnGeneratedTexts) {
    TextGenerator generator(20240229);
    int accepted = 0;
    int refused = 0;
    int disagreements = 0;
    for (int i = 0; i < 100000 && disagreements < 10; ++i) {
        const std::string text = generator.Next();
        const std::optional<DateFields> expected = OracleDate(text);
        const std::optional<DateSerial> date = ParseEnteredDate(text);
        if (date.has_value() != expected.has_value()) {
            ADD_FAILURE() << '"' << text << "\" accepted=" << date.has_value();
            ++disagreements;
            continue;
        }
        if (!date) {
            ++refused;
            continue;
        }
        ++accepted;
        const bool inSpan = *date >= kMinSupportedDate && *date <= kMaxSupportedDate;
        if (!inSpan || DecodeDateSerial(*date) != *expected) {
            ADD_FAILURE() << '"' << text << "\" read as " << FormatDateSerial("yyyy-mm-dd", *date);
            ++disagreements;
        }
    }
    // Both outcomes must be well represented for the comparison to mean much.
    EXPECT_GT(accepted, 5000);
    EXPECT_GT(refused, 5000);
}

// --- Captions and marks ----------------------------------------------------

TEST(GotoDateCaptionTest, NamesTheMarkAndItsDateWithTheLocaleShortMonth) {
    EXPECT_EQ(GotoDateCaption(2, Date(2024, 2, 9)), "Go to Date 2 - \u20682024-Feb-09\u2069");
    EXPECT_EQ(GotoDateCaption(1, Date(1582, 1, 1)), "Go to Date 1 - \u20681582-Jan-01\u2069");
    LocaleNames french;
    french.shortMonthNames[11] =
        "d\xC3\xA9"
        "c.";
    EXPECT_EQ(GotoDateCaption(3, Date(3000, 12, 31), french),
              "Go to Date 3 - \u20683000-d\xC3\xA9"
              "c.-31\u2069");
}

TEST(MarkedDatesTest, StartTogetherAndChangeOneAtATime) {
    const DateSerial today = Date(2024, 2, 9);
    MarkedDates marks = MarkedDates::AllOn(today);
    EXPECT_EQ(marks, (MarkedDates{today, today, today}));
    marks.Set(2, Date(2023, 12, 25));
    EXPECT_EQ(marks.Get(1), today);
    EXPECT_EQ(marks.MarkedDate2, Date(2023, 12, 25));
    EXPECT_EQ(marks.Get(3), today);
    EXPECT_THROW(marks.Get(0), std::out_of_range);
    EXPECT_THROW(marks.Set(4, today), std::out_of_range);
}

}  // namespace
}  // namespace tessarine
