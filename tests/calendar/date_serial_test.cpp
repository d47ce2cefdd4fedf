// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/date_serial.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>

namespace tessarine {
namespace {

namespace chr = std::chrono;

// The origin of DateSerial in the oracle's terms.
constexpr chr::sys_days kOrigin = chr::sys_days{chr::year{1899} / 12 / 30};

DateSerial OracleSerial(const chr::year_month_day& ymd) {
    return static_cast<DateSerial>((chr::sys_days{ymd} - kOrigin).count());
}

TEST(DateSerialTest, EveryDayOfYearsOneTo9999AgreesWithChrono) {
    const chr::sys_days first{chr::year{1} / 1 / 1};
    const chr::sys_days last{chr::year{9999} / 12 / 31};
    int failures = 0;
    for (chr::sys_days day = first; day <= last && failures < 10; day += chr::days{1}) {
        const chr::year_month_day ymd{day};
        const auto year = static_cast<std::uint16_t>(static_cast<int>(ymd.year()));
        const auto month = static_cast<std::uint16_t>(static_cast<unsigned>(ymd.month()));
        const auto dom = static_cast<std::uint16_t>(static_cast<unsigned>(ymd.day()));
        const DateSerial expected = OracleSerial(ymd);

        const DateSerial encoded = EncodeDateSerial(year, month, dom);
        const DateFields decoded = DecodeDateSerial(expected);
        const chr::weekday weekday{day};
        const auto yearStart = chr::sys_days{ymd.year() / 1 / 1};
        const int dayOfYear = static_cast<int>((day - yearStart).count()) + 1;

        const bool ok =
            encoded == expected && decoded == DateFields{year, month, dom} &&
            WeekdaySundayFirst(expected) == static_cast<int>(weekday.c_encoding()) + 1 &&
            WeekdayMondayFirst(expected) == static_cast<int>(weekday.iso_encoding()) &&
            DayOfYear(expected) == dayOfYear &&
            ChronologicalJulianDayNumber(year, month, dom) == expected + 2415019 &&
            MonthLength(year, month) ==
                static_cast<int>(static_cast<unsigned>(
                    chr::year_month_day_last{ymd.year() / ymd.month() / chr::last}.day()));
        if (!ok) {
            ++failures;
            ADD_FAILURE() << "disagreement on " << year << "-" << month << "-" << dom;
        }
    }
    EXPECT_EQ(failures, 0);
}

TEST(DateSerialTest, WorkedValues) {
    EXPECT_EQ(EncodeDateSerial(1899, 12, 30), 0);
    EXPECT_EQ(EncodeDateSerial(1899, 12, 31), 1);
    EXPECT_EQ(EncodeDateSerial(1900, 1, 1), 2);
    EXPECT_EQ(EncodeDateSerial(2000, 1, 1), 36526);
    EXPECT_EQ(EncodeDateSerial(1582, 1, 1), kMinSupportedDate);
    EXPECT_EQ(EncodeDateSerial(3000, 12, 31), kMaxSupportedDate);

    EXPECT_EQ(ChronologicalJulianDayNumber(2000, 1, 1), 2451545);
    EXPECT_EQ(ChronologicalJulianDayNumber(1582, 10, 15), 2299161);
    EXPECT_EQ(ChronologicalJulianDayNumber(1582, 10, 4), 2299150);
    EXPECT_EQ(ChronologicalJulianDayNumber(1582, 10, 5), 2299151);
    EXPECT_EQ(ChronologicalJulianDayNumber(1582, 1, 1), 2298874);
    EXPECT_EQ(ChronologicalJulianDayNumber(1899, 12, 30), 2415019);
    EXPECT_EQ(ChronologicalJulianDayNumber(1900, 3, 1), 2415080);
    EXPECT_EQ(ChronologicalJulianDayNumber(2024, 2, 29), 2460370);
    EXPECT_EQ(ChronologicalJulianDayNumber(3000, 12, 31), 2817152);

    const DateSerial friday = EncodeDateSerial(2024, 2, 9);
    EXPECT_EQ(WeekdaySundayFirst(friday), 6);
    EXPECT_EQ(WeekdayMondayFirst(friday), 5);
    EXPECT_EQ(WeekdaySundayFirst(0), 7);
    EXPECT_EQ(WeekdayMondayFirst(EncodeDateSerial(2000, 1, 1)), 6);

    EXPECT_EQ(DayOfYear(EncodeDateSerial(2024, 12, 31)), 366);
    EXPECT_EQ(DayOfYear(EncodeDateSerial(2023, 12, 31)), 365);
    EXPECT_EQ(StartOfYear(friday), EncodeDateSerial(2024, 1, 1));
    EXPECT_EQ(YearOfDate(friday), 2024);
    EXPECT_EQ(DayOfMonth(friday), 9);

    EXPECT_EQ(DayDifference(EncodeDateSerial(2024, 3, 1), EncodeDateSerial(2024, 2, 28)), 2);
    EXPECT_EQ(DayDifference(EncodeDateSerial(2024, 2, 28), EncodeDateSerial(2024, 3, 1)), -2);
    EXPECT_EQ(DayDifference(kMaxSupportedDate, kMinSupportedDate), 518278);
}

// The defining steps in floating point, for fields that name no date too:
// a cell's day may run past its month's end.
std::int32_t FloatingJulianDayNumber(int year, int month, int day) {
    if (month < 3) {
        year -= 1;
        month += 12;
    }
    const double a = std::trunc(year / 100.0);
    const double b = 2 - a + std::trunc(a / 4.0);
    const double s =
        std::trunc((year + 4716) * 365.25) + b + day + std::trunc((month + 1) * 30.6001);
    return static_cast<std::int32_t>(std::trunc(s - 1524.5) + 1);
}

// Fields on both sides of every edge of the quick path (years 1 to 16384,
// months 1 to 16), and days at the ends of int, which wrap as the exact
// steps do.
TEST(DateSerialTest, JulianDayNumberFollowsTheDefiningStepsForAnyFields) {
    constexpr int kMin = std::numeric_limits<int>::min();
    constexpr int kMax = std::numeric_limits<int>::max();
    for (const int year : {-401, -1, 0, 1, 2, 99, 100, 1582, 1600, 1900, 2024, 3000, 9999, 10000,
                           16383, 16384, 16385, 20000, 4000000}) {
        for (int month = -13; month <= 18; ++month) {
            for (const int day : {-40, 0, 1, 28, 29, 31, 32, 60}) {
                EXPECT_EQ(ChronologicalJulianDayNumber(year, month, day),
                          FloatingJulianDayNumber(year, month, day))
                    << year << "-" << month << "-" << day;
            }
            for (const int day : {kMin, kMax}) {
                EXPECT_EQ(ChronologicalJulianDayNumber(year, month, day),
                          date_detail::ClassicalJulianDayNumber(year, month, day))
                    << year << "-" << month << "-" << day;
            }
        }
    }
}

TEST(DateSerialTest, LeapYearsAndMonthLengths) {
    EXPECT_FALSE(IsGregorianLeapYear(1900));
    EXPECT_TRUE(IsGregorianLeapYear(2000));
    EXPECT_TRUE(IsGregorianLeapYear(2024));
    EXPECT_FALSE(IsGregorianLeapYear(2023));
    EXPECT_EQ(MonthLength(2100, 2), 28);
    EXPECT_EQ(MonthLength(2400, 2), 29);
    EXPECT_NO_THROW(EncodeDateSerial(2000, 2, 29));
    EXPECT_NO_THROW(EncodeDateSerial(2024, 2, 29));
}

TEST(DateSerialTest, EncodeRejectsFieldsThatNameNoDate) {
    const std::uint16_t bad[][3] = {{1900, 2, 29}, {2023, 2, 29}, {0, 1, 1},
                                    {10000, 1, 1}, {2024, 0, 1},  {2024, 13, 1},
                                    {2024, 4, 31}, {2024, 1, 0},  {65535, 65535, 65535}};
    for (const auto& f : bad) {
        try {
            EncodeDateSerial(f[0], f[1], f[2]);
            ADD_FAILURE() << f[0] << "-" << f[1] << "-" << f[2] << " was accepted";
        } catch (const DateEncodeError& e) {
            EXPECT_STREQ(e.what(), "Invalid argument to date encode");
        }
    }
}

TEST(DateSerialTest, DecodeOutsideTheEncodableSpanGivesZeros) {
    EXPECT_EQ(DecodeDateSerial(-693594), DateFields{});
    EXPECT_EQ(DecodeDateSerial(-1e300), DateFields{});
    EXPECT_EQ(DecodeDateSerial(1e300), DateFields{});
    EXPECT_EQ(DecodeDateSerial(std::numeric_limits<double>::quiet_NaN()), DateFields{});
    EXPECT_EQ(DecodeDateSerial(-693593), (DateFields{1, 1, 1}));
    EXPECT_EQ(DecodeDateSerial(2958465.75), (DateFields{9999, 12, 31}));
}

TEST(DateSerialTest, FormatsEveryTokenLongestFirst) {
    const DateSerial d = EncodeDateSerial(2024, 2, 9);
    EXPECT_EQ(FormatDateSerial("mmmm yyyy", d), "February 2024");
    EXPECT_EQ(FormatDateSerial("mmmm d, yyyy", d), "February 9, 2024");
    EXPECT_EQ(FormatDateSerial("yyyy", d), "2024");
    EXPECT_EQ(FormatDateSerial("yyyy-mm-dd", d), "2024-02-09");
    EXPECT_EQ(FormatDateSerial("yyyy-mmm-dd", d), "2024-Feb-09");
    const DateSerial early = EncodeDateSerial(1582, 1, 5);
    EXPECT_EQ(FormatDateSerial("yyyy-mm-dd", early), "1582-01-05");
    EXPECT_EQ(FormatDateSerial("yyyy-mmm-dd", early), "1582-Jan-05");
    EXPECT_EQ(FormatDateSerial("yyyy", EncodeDateSerial(987, 6, 1)), "0987");

    LocaleNames german;
    german.longMonthNames[2] = "März";
    german.shortMonthNames[2] = "Mär";
    const DateSerial march = EncodeDateSerial(2025, 3, 1);
    EXPECT_EQ(FormatDateSerial("mmmm yyyy", march, german), "März 2025");
    EXPECT_EQ(FormatDateSerial("d mmm", march, german), "1 Mär");
}

TEST(DateSerialTest, CopiesQuotedTextWithoutItsQuotes) {
    LocaleNames spanish;
    spanish.longMonthNames[2] = "marzo";
    const DateSerial march = EncodeDateSerial(2025, 3, 5);
    const struct {
        const char* pattern;
        const char* expected;
    } cases[] = {
        {"d 'de' mmmm 'de' yyyy", "5 de marzo de 2025"},
        {"d \"de\" mmmm", "5 de marzo"},
        {"\"it's\" d", "it's 5"},               // the other quote is plain text inside
        {"''d''", "5"},                         // empty literals, no doubled-quote escape
        {"d 'de mmmm yyyy", "5 de mmmm yyyy"},  // unclosed: literal to the end
        {"yyyy'", "2025"},
        {"'", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatDateSerial(c.pattern, march, spanish), c.expected) << c.pattern;
    }
}

}  // namespace
}  // namespace tessarine
