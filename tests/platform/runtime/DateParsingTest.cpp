#include "platform/runtime/DateParsing.h"
#include "tests/platform/runtime/RuntimeTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace dorvak {
namespace {

const LocaleConventions turkish = LocaleConventions::turkish();

TEST(DateParsingTest, NumericDatesInTheLocalesOrderAndIso) {
    const Date expected = makeDate(2025, 1, 31);
    for (const char* text : {"31.01.2025", "31/01/2025", "31-01-2025", " 31.1.2025 ", "2025-01-31",
                             "2025.1.31", "2025/01/31", "31. 01. 2025"}) {
        EXPECT_EQ(parseDate(text, turkish), expected) << text;
    }
    EXPECT_EQ(parseDate("1.2.2025", turkish), makeDate(2025, 2, 1));

    const LocaleConventions english = englishStyle();
    EXPECT_EQ(parseDate("1/31/25", english), expected);
    EXPECT_EQ(parseDate("2/1/2025", english), makeDate(2025, 2, 1));
    EXPECT_EQ(parseDate("2025-01-31", english), expected);
    // No guessing when the numbers do not fit the locale's order.
    EXPECT_EQ(errorOf([&] { parseDate("31/1/25", english); }), ErrorCode::TypeMismatch);

    LocaleConventions yearFirst = turkish;
    yearFirst.shortDatePattern = "yy/MM/dd";
    EXPECT_EQ(parseDate("25/01/31", yearFirst), expected);
}

TEST(DateParsingTest, TwoDigitYearsUseThe1930To2029Window) {
    EXPECT_EQ(parseDate("01.01.00", turkish), makeDate(2000, 1, 1));
    EXPECT_EQ(parseDate("31.12.29", turkish), makeDate(2029, 12, 31));
    EXPECT_EQ(parseDate("01.01.30", turkish), makeDate(1930, 1, 1));
    EXPECT_EQ(parseDate("31.12.99", turkish), makeDate(1999, 12, 31));
    EXPECT_EQ(parseDate("1.1.5", turkish), makeDate(2005, 1, 1));
    // Three and four digits are taken as written.
    EXPECT_EQ(parseDate("01.01.100", turkish), makeDate(100, 1, 1));
    EXPECT_EQ(parseDate("15.06.0999", turkish), makeDate(999, 6, 15));
    EXPECT_EQ(parseDate("31.12.9999", turkish), makeDate(9999, 12, 31));
}

TEST(DateParsingTest, MonthNamesInTurkishAndEnglish) {
    EXPECT_EQ(parseDate("31 Ocak 2025", turkish), makeDate(2025, 1, 31));
    EXPECT_EQ(parseDate("31 OCAK 2025", turkish), makeDate(2025, 1, 31));
    EXPECT_EQ(parseDate("31 Oca. 2025", turkish), makeDate(2025, 1, 31));
    EXPECT_EQ(parseDate("29 Şubat 2024", turkish), makeDate(2024, 2, 29));
    EXPECT_EQ(parseDate("29 ŞUBAT 2024", turkish), makeDate(2024, 2, 29));
    EXPECT_EQ(parseDate("29 subat 2024", turkish), makeDate(2024, 2, 29));
    EXPECT_EQ(parseDate("12 Ağu 2025", turkish), makeDate(2025, 8, 12));
    EXPECT_EQ(parseDate("12-AĞUSTOS-25", turkish), makeDate(2025, 8, 12));
    EXPECT_EQ(parseDate("3 Aralık 2025", turkish), makeDate(2025, 12, 3));
    EXPECT_EQ(parseDate("10 Eylül 2025", turkish), makeDate(2025, 9, 10));
    EXPECT_EQ(parseDate("31 January 2025", turkish), makeDate(2025, 1, 31));
    EXPECT_EQ(parseDate("January 31, 2025", turkish), makeDate(2025, 1, 31));
    EXPECT_EQ(parseDate("Ocak 31 2025", turkish), makeDate(2025, 1, 31));
    EXPECT_EQ(parseDate("31-Jan-25", turkish), makeDate(2025, 1, 31));
    EXPECT_EQ(parseDate("1 Sept 2025", turkish), makeDate(2025, 9, 1));
    EXPECT_EQ(errorOf([] { parseDate("31 Foo 2025", turkish); }), ErrorCode::TypeMismatch);
    EXPECT_EQ(errorOf([] { parseDate("31 Ma 2025", turkish); }), ErrorCode::TypeMismatch);
    EXPECT_EQ(errorOf([] { parseDate("31 Ocakk 2025", turkish); }), ErrorCode::TypeMismatch);
}

TEST(DateParsingTest, TurkishIIsReadWhicheverWayItIsTyped) {
    // Dotted and dotless i, in either case, as Turkish and non-Turkish keyboards give them.
    for (const char* text :
         {"1 Mayıs 2025", "1 MAYIS 2025", "1 MAYİS 2025", "1 mayis 2025", "1 MAYıS 2025"}) {
        EXPECT_EQ(parseDate(text, turkish), makeDate(2025, 5, 1)) << text;
    }
    EXPECT_EQ(parseDate("1 KASIM 2025", turkish), makeDate(2025, 11, 1));
    EXPECT_EQ(parseDate("1 Kasım 2025", turkish), makeDate(2025, 11, 1));
}

TEST(DateParsingTest, AnOptionalTimeOfDay) {
    EXPECT_EQ(parseDate("31.01.2025 14:30", turkish), makeDateTime(2025, 1, 31, 14, 30, 0));
    EXPECT_EQ(parseDate("31.01.2025 14:30:15", turkish), makeDateTime(2025, 1, 31, 14, 30, 15));
    EXPECT_EQ(parseDate("31.01.2025   9.05", turkish), makeDateTime(2025, 1, 31, 9, 5, 0));
    EXPECT_EQ(parseDate("31.01.2025, 14:30", turkish), makeDateTime(2025, 1, 31, 14, 30, 0));
    EXPECT_EQ(parseDate("2025-01-31T14:30:00", turkish), makeDateTime(2025, 1, 31, 14, 30, 0));
    EXPECT_EQ(parseDate("31.01.2025 00:00", turkish), makeDate(2025, 1, 31));

    const LocaleConventions english = englishStyle();
    EXPECT_EQ(parseDate("1/31/2025 1:30:00 PM", english), makeDateTime(2025, 1, 31, 13, 30, 0));
    EXPECT_EQ(parseDate("1/31/2025 12:15 am", english), makeDateTime(2025, 1, 31, 0, 15, 0));
    EXPECT_EQ(parseDate("1/31/2025 12:15 PM", english), makeDateTime(2025, 1, 31, 12, 15, 0));
    EXPECT_EQ(parseDate("1/31/2025 PM 1:30", english), makeDateTime(2025, 1, 31, 13, 30, 0));
    // The locale's own markers count as well.
    EXPECT_EQ(parseDate("31.01.2025 ÖS 2:30", turkish), makeDateTime(2025, 1, 31, 14, 30, 0));

    for (const char* text :
         {"31.01.2025 24:00", "31.01.2025 14:60", "31.01.2025 14:30:60", "31.01.2025 14",
          "31.01.2025 14:", "31.01.2025 14:30:15:10", "31.01.2025 13:00 PM", "31.01.2025 0:30 AM",
          "31.01.2025 AM PM 1:00", "31.01.2025 14:30.15", "31.01.202514:30", "14:30"}) {
        EXPECT_EQ(errorOf([&] { parseDate(text, english); }), ErrorCode::TypeMismatch) << text;
    }
}

TEST(DateParsingTest, ImpossibleAndUnreadableDatesAreATypeMismatch) {
    for (const char* text : {"31.02.2025",
                             "29.02.2025",
                             "32.01.2025",
                             "00.01.2025",
                             "15.13.2025",
                             "15.00.2025",
                             "01.01.0099",
                             "01.01.10000",
                             "31.12.99999",
                             "",
                             "   ",
                             "abc",
                             "31.01",
                             "31",
                             "2025",
                             "31.01/2025",
                             "31..01.2025",
                             "31.01.2025 abc",
                             "31.01.2025 14:30 extra",
                             "+31.01.2025",
                             "31.01.-2025",
                             "031.01.2025",
                             "31.001.2025",
                             "٣١.٠١.٢٠٢٥",
                             "31.01.2025\xff",
                             "31 \xC3",
                             "\xE2\x82",
                             "31.01.2025 \xF0\x9F\x98\x80",
                             "\xC0\xB5JJ", // an overlong "5"
                             "31\xE0\x80\xAE"
                             "01.2025"}) { // an overlong "."
        EXPECT_EQ(errorOf([&] { parseDate(text, turkish); }), ErrorCode::TypeMismatch) << text;
    }
}

TEST(DateParsingTest, HugePastesFailWithoutHarm) {
    std::string repeated;
    while (repeated.size() < 5000)
        repeated += "31.01.2025 ";
    for (const std::string& text :
         {repeated, std::string(5000, '1'), std::string(5000, 'a'), std::string(5000, '.'),
          std::string(5000, ' ') + "x", "31.01.2025" + std::string(5000, ' ') + "14:30:00x"}) {
        EXPECT_EQ(errorOf([&] { parseDate(text, turkish); }), ErrorCode::TypeMismatch);
    }
    // Blanks alone do not make a text unreadable.
    EXPECT_EQ(parseDate(std::string(5000, ' ') + "31.01.2025" + std::string(5000, ' '), turkish),
              makeDate(2025, 1, 31));
}

} // namespace
} // namespace dorvak
