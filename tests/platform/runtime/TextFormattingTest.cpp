#include "platform/runtime/TextFormatting.h"
#include "platform/runtime/DateParsing.h"
#include "platform/runtime/NumberParsing.h"
#include "tests/platform/runtime/RuntimeTestSupport.h"

#include <gtest/gtest.h>

namespace dorvak {
namespace {

const LocaleConventions turkish = LocaleConventions::turkish();

TEST(TextFormattingTest, NumbersInTheirShortestForm) {
    EXPECT_EQ(numberText(0, turkish), "0");
    EXPECT_EQ(numberText(-0.0, turkish), "0");
    EXPECT_EQ(numberText(35, turkish), "35");
    EXPECT_EQ(numberText(-30, turkish), "-30");
    EXPECT_EQ(numberText(97.5, turkish), "97,5");
    EXPECT_EQ(numberText(97.5, englishStyle()), "97.5");
    EXPECT_EQ(numberText(12345678, turkish), "12345678"); // no grouping
    EXPECT_EQ(numberText(0.1 + 0.2, turkish), "0,3");     // 15 significant digits
    EXPECT_EQ(numberText(1.0 / 3, turkish), "0,333333333333333");
    EXPECT_EQ(numberText(123456789012345, turkish), "123456789012345");
    EXPECT_EQ(numberText(1e20, turkish), "1E+20");
    EXPECT_EQ(numberText(-1.5e-7, turkish), "-1,5E-07");
}

TEST(TextFormattingTest, NumberTextsReadBack) {
    for (const double value : {-1234.5, 0.015, 97.5, 1e20, -1.5e-7, 32767.0}) {
        EXPECT_EQ(parseNumber(numberText(value, turkish), turkish), value) << value;
        EXPECT_EQ(parseNumber(numberText(value, englishStyle()), englishStyle()), value) << value;
    }
}

TEST(TextFormattingTest, DatesShowTheTimeOnlyWhenThereIsOne) {
    EXPECT_EQ(dateText(makeDate(2025, 2, 28), turkish), "28.02.2025");
    EXPECT_EQ(dateText(makeDateTime(2025, 2, 8, 9, 5, 7), turkish), "08.02.2025 09:05:07");
    EXPECT_EQ(dateText(makeDate(100, 1, 1), turkish), "01.01.0100");
    EXPECT_EQ(dateText(0, turkish), "30.12.1899");
    EXPECT_EQ(dateText(makeDate(2025, 2, 8), englishStyle()), "2/8/2025");
    EXPECT_EQ(dateText(makeDateTime(2025, 2, 8, 13, 5, 0), englishStyle()), "2/8/2025 1:05:00 PM");
    // Less than half a second past midnight is midnight.
    EXPECT_EQ(dateText(makeDate(2025, 2, 8) + 0.4 / 86400, turkish), "08.02.2025");
    EXPECT_EQ(errorOf([] { dateText(1e7, turkish); }), ErrorCode::InvalidCall);
}

TEST(TextFormattingTest, TimesOfDay) {
    EXPECT_EQ(timeText(makeDateTime(2025, 2, 8, 9, 5, 7), turkish), "09:05:07");
    EXPECT_EQ(timeText(0.5, turkish), "12:00:00");
    EXPECT_EQ(timeText(-1.25, turkish), "06:00:00");
    EXPECT_EQ(timeText(0, englishStyle()), "12:00:00 AM");
    EXPECT_EQ(timeText(0.5, englishStyle()), "12:00:00 PM");
    LocaleConventions quoted = turkish;
    quoted.timePattern = "H'h'mm 'dk' ss''";
    EXPECT_EQ(timeText(makeDateTime(2025, 2, 8, 9, 5, 7), quoted), "9h05 dk 07'");
}

TEST(TextFormattingTest, TwoDigitYearPatternsAreWidenedSoDatesReadBackUnshifted) {
    LocaleConventions shortYear = turkish;
    shortYear.shortDatePattern = "dd.MM.yy";
    EXPECT_EQ(dateText(makeDate(1925, 3, 1), shortYear), "01.03.1925");

    const Date dates[] = {makeDate(1925, 3, 1),
                          makeDate(2031, 12, 31),
                          makeDateTime(2026, 4, 30, 23, 59, 59),
                          makeDateTime(1899, 12, 29, 6, 0, 0),
                          makeDate(100, 1, 1),
                          makeDateTime(9999, 12, 31, 12, 0, 1)};
    LocaleConventions iso = turkish;
    iso.shortDatePattern = "yyyy-MM-dd";
    for (const LocaleConventions& locale : {turkish, shortYear, englishStyle(), iso}) {
        for (const Date date : dates) {
            const std::string text = dateText(date, locale);
            EXPECT_EQ(parseDate(text, locale), date) << text;
        }
    }
}

} // namespace
} // namespace dorvak
