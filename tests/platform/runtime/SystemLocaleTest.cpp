#include "platform/forms/SystemLocale.h"
#include "platform/runtime/DateParsing.h"
#include "platform/runtime/NumberParsing.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/TextFormatting.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace dorvak {
namespace {

void expectSameConventions(const LocaleConventions& actual, const LocaleConventions& expected) {
    EXPECT_EQ(actual.shortDatePattern, expected.shortDatePattern);
    EXPECT_EQ(actual.timePattern, expected.timePattern);
    EXPECT_EQ(actual.decimalSeparator, expected.decimalSeparator);
    EXPECT_EQ(actual.groupSeparator, expected.groupSeparator);
}

TEST(SystemLocaleTest, ACOrPosixLocaleGetsTheTurkishConventions) {
    expectSameConventions(localeConventions(QLocale::c()), LocaleConventions::turkish());
}

TEST(SystemLocaleTest, OtherLocalesKeepTheirOwnConventions) {
    const LocaleConventions american = localeConventions(QLocale("en_US"));
    EXPECT_EQ(american.dateOrder(), DateOrder::MonthDayYear);
    EXPECT_EQ(american.decimalSeparator, ".");
    EXPECT_EQ(american.groupSeparator, ",");
    EXPECT_EQ(american.timePattern, "h:mm:ss AP");

    // Seconds join the short time format with the locale's own separator.
    EXPECT_EQ(localeConventions(QLocale("fi_FI")).timePattern, "H.mm.ss");
    EXPECT_EQ(localeConventions(QLocale("ko_KR")).timePattern, "AP h:mm:ss");

    const LocaleConventions german = localeConventions(QLocale("de_DE"));
    EXPECT_EQ(german.dateOrder(), DateOrder::DayMonthYear);
    EXPECT_EQ(german.decimalSeparator, ",");
    EXPECT_EQ(german.groupSeparator, ".");
}

class LocaleRoundTripTest : public testing::TestWithParam<const char*> {};

// Whatever the user's locale, a date or number the program writes into a text box must
// read back as the same value.
TEST_P(LocaleRoundTripTest, TextsReadBackAsTheSameValues) {
    const QLocale qtLocale(GetParam());
    const LocaleConventions locale = localeConventions(qtLocale);

    for (const Date date : {makeDate(1925, 3, 1), makeDateTime(2031, 12, 31, 23, 59, 59),
                            makeDateTime(2024, 2, 29, 0, 30, 5), makeDate(100, 1, 1),
                            makeDateTime(9999, 12, 31, 12, 0, 0)}) {
        const std::string text = dateText(date, locale);
        try {
            EXPECT_EQ(parseDate(text, locale), date) << text;
        } catch (const RuntimeError&) {
            ADD_FAILURE() << "unreadable: " << text;
        }
    }
    for (const double value : {-1234.5, 0.25, 1e20, 97.5}) {
        EXPECT_EQ(parseNumber(numberText(value, locale), locale), value);
    }
    // Numbers as the locale itself writes them, group separators and minus signs included
    // (not with digits other than 0..9, which are not read).
    if (qtLocale.zeroDigit() == u"0") {
        const std::string grouped = qtLocale.toString(-12345.5, 'f', 1).toStdString();
        try {
            EXPECT_EQ(parseNumber(grouped, locale), -12345.5) << grouped;
        } catch (const RuntimeError&) {
            ADD_FAILURE() << "unreadable: " << grouped;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(CommonLocales, LocaleRoundTripTest,
                         testing::Values("tr_TR", "en_US", "en_GB", "de_DE", "fr_FR", "de_CH",
                                         "sv_SE", "fi_FI", "hu_HU", "pl_PL", "ru_RU", "nl_NL",
                                         "it_IT", "es_ES", "pt_BR", "ko_KR", "ja_JP", "zh_CN",
                                         "az_AZ", "ar_SA", "he_IL"));

} // namespace
} // namespace dorvak
