#include "platform/runtime/NumberParsing.h"
#include "tests/platform/runtime/RuntimeTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace dorvak {
namespace {

const LocaleConventions turkish = LocaleConventions::turkish();

TEST(NumberParsingTest, TurkishNumbers) {
    EXPECT_EQ(parseNumber("15", turkish), 15);
    EXPECT_EQ(parseNumber("2,5", turkish), 2.5);
    EXPECT_EQ(parseNumber("  30 \t", turkish), 30);
    EXPECT_EQ(parseNumber("-3", turkish), -3);
    EXPECT_EQ(parseNumber("+4", turkish), 4);
    EXPECT_EQ(parseNumber("007", turkish), 7);
    EXPECT_EQ(parseNumber(",5", turkish), 0.5);
    EXPECT_EQ(parseNumber("5,", turkish), 5);
    EXPECT_EQ(parseNumber("1.234", turkish), 1234);
    EXPECT_EQ(parseNumber("1.234.567,25", turkish), 1234567.25);
    EXPECT_EQ(parseNumber("-12.000", turkish), -12000);
    EXPECT_EQ(parseNumber("1E3", turkish), 1000);
    EXPECT_EQ(parseNumber("1,5e-2", turkish), 0.015);
    EXPECT_EQ(parseNumber("2E+20", turkish), 2e20);
}

TEST(NumberParsingTest, EnglishStyleNumbers) {
    const LocaleConventions english = englishStyle();
    EXPECT_EQ(parseNumber("2.5", english), 2.5);
    EXPECT_EQ(parseNumber("1,234.5", english), 1234.5);
    EXPECT_EQ(parseNumber(" -0.25 ", english), -0.25);
    EXPECT_EQ(errorOf([&] { parseNumber("2,5", english); }), ErrorCode::TypeMismatch);
}

TEST(NumberParsingTest, SpaceGroupingAcceptsATypedBlank) {
    LocaleConventions french = turkish;
    french.groupSeparator = "\u202F";
    EXPECT_EQ(parseNumber("1\u202F234,5", french), 1234.5);
    EXPECT_EQ(parseNumber("1 234,5", french), 1234.5);
    EXPECT_EQ(errorOf([&] { parseNumber("1 23,5", french); }), ErrorCode::TypeMismatch);
}

TEST(NumberParsingTest, TextsThatAreNotNumbersAreATypeMismatch) {
    for (const char* text : {"", "   ", "abc", "-", "+", "--1", "1-", "15 gün", "1e", "e5", ",",
                             "1,2,3", "inf", "nan", "0x10", "1 000", "١٢", "3,5 4"}) {
        EXPECT_EQ(errorOf([&] { parseNumber(text, turkish); }), ErrorCode::TypeMismatch)
            << '"' << text << '"';
    }
}

TEST(NumberParsingTest, GroupSeparatorsOnlyBetweenWholeGroups) {
    // A dot that cannot be grouping in Turkish is refused rather than read as 25 or 1234.
    for (const char* text : {"2.5", "12.34", "1.2345", "1234.567", "0.123", ".123", "1.234,5.6",
                             "1..234", "1.", "1,234.5"}) {
        EXPECT_EQ(errorOf([&] { parseNumber(text, turkish); }), ErrorCode::TypeMismatch)
            << '"' << text << '"';
    }
}

TEST(NumberParsingTest, BeyondTheRangeOfADoubleOverflows) {
    EXPECT_EQ(errorOf([] { parseNumber("1E400", turkish); }), ErrorCode::Overflow);
    EXPECT_EQ(errorOf([] { parseNumber("-1E400", turkish); }), ErrorCode::Overflow);
    EXPECT_EQ(errorOf([] { parseNumber(std::string(400, '9'), turkish); }), ErrorCode::Overflow);
    EXPECT_EQ(errorOf([] { parseNumber("1E99999999999999999999", turkish); }), ErrorCode::Overflow);
    // Too small to represent is zero, not an error.
    EXPECT_EQ(parseNumber("1E-400", turkish), 0);
    EXPECT_EQ(parseNumber("0,000001E-399", turkish), 0);
    EXPECT_EQ(parseNumber("0E400", turkish), 0);
}

TEST(NumberParsingTest, HugePastesFailWithoutHarm) {
    EXPECT_EQ(errorOf([] { parseNumber(std::string(5000, 'x'), turkish); }),
              ErrorCode::TypeMismatch);
    std::string groups = "1";
    while (groups.size() < 5000)
        groups += ".000";
    EXPECT_EQ(errorOf([&] { parseNumber(groups, turkish); }), ErrorCode::Overflow);
    EXPECT_EQ(parseNumber("0," + std::string(5000, '0') + "1", turkish), 0);
}

} // namespace
} // namespace dorvak
