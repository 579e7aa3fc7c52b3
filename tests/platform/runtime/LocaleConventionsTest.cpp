#include "platform/runtime/LocaleConventions.h"

#include <gtest/gtest.h>

namespace dorvak {
namespace {

TEST(LocaleConventionsTest, OrderAndSeparatorComeFromTheShortDatePattern) {
    LocaleConventions locale = LocaleConventions::turkish();
    EXPECT_EQ(locale.dateOrder(), DateOrder::DayMonthYear);
    EXPECT_EQ(locale.dateSeparator(), ".");
    locale.shortDatePattern = "M/d/yy";
    EXPECT_EQ(locale.dateOrder(), DateOrder::MonthDayYear);
    EXPECT_EQ(locale.dateSeparator(), "/");
    locale.shortDatePattern = "yyyy-MM-dd";
    EXPECT_EQ(locale.dateOrder(), DateOrder::YearMonthDay);
    EXPECT_EQ(locale.dateSeparator(), "-");
    locale.shortDatePattern = "yy. M. d.";
    EXPECT_EQ(locale.dateOrder(), DateOrder::YearMonthDay);
    EXPECT_EQ(locale.dateSeparator(), ". ");
}

} // namespace
} // namespace dorvak
