#include "platform/runtime/Date.h"
#include "tests/platform/runtime/RuntimeTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace dorvak {
namespace {

TEST(DateTest, DayNumbersCountFromTheLastDaysOf1899) {
    EXPECT_EQ(makeDate(1899, 12, 30), 0);
    EXPECT_EQ(makeDate(1899, 12, 29), -1);
    EXPECT_EQ(makeDate(1900, 1, 1), 2);
    EXPECT_EQ(makeDate(2025, 1, 31), 45688);
    EXPECT_EQ(makeDate(100, 1, 1), -657434);
    EXPECT_EQ(makeDate(9999, 12, 31), 2958465);
    EXPECT_EQ(makeDate(2024, 2, 29) + 1, makeDate(2024, 3, 1));
    EXPECT_EQ(makeDate(2100, 2, 28) + 1, makeDate(2100, 3, 1)); // no leap day in 2100
    EXPECT_EQ(makeDateTime(2025, 1, 31, 18, 0, 0), 45688.75);
}

TEST(DateTest, BeforeDayZeroTheTimeStillCountsForward) {
    // 29.12.1899 06:00 is -1.25, not -0.75.
    EXPECT_EQ(makeDateTime(1899, 12, 29, 6, 0, 0), -1.25);
    EXPECT_EQ(splitDate(-1.25), (DateTimeParts{1899, 12, 29, 6, 0, 0}));
    EXPECT_EQ(splitDate(-0.5), (DateTimeParts{1899, 12, 30, 12, 0, 0}));
}

TEST(DateTest, SplittingRoundsToTheSecondAndCarriesIntoTheNextDay) {
    EXPECT_EQ(splitDate(makeDateTime(2025, 3, 9, 14, 30, 15)),
              (DateTimeParts{2025, 3, 9, 14, 30, 15}));
    const double almostMidnight = makeDate(2025, 12, 31) + (86400 - 0.3) / 86400;
    EXPECT_EQ(splitDate(almostMidnight), (DateTimeParts{2026, 1, 1, 0, 0, 0}));
}

TEST(DateTest, OnlyRealDaysOfTheSupportedYearsCanBeMade) {
    EXPECT_EQ(errorOf([] { makeDate(2025, 2, 29); }), ErrorCode::InvalidCall);
    EXPECT_EQ(errorOf([] { makeDate(2025, 4, 31); }), ErrorCode::InvalidCall);
    EXPECT_EQ(errorOf([] { makeDate(2025, 13, 1); }), ErrorCode::InvalidCall);
    EXPECT_EQ(errorOf([] { makeDate(2025, 0, 1); }), ErrorCode::InvalidCall);
    EXPECT_EQ(errorOf([] { makeDate(2025, 1, 0); }), ErrorCode::InvalidCall);
    EXPECT_EQ(errorOf([] { makeDate(2025, -11, 1); }), ErrorCode::InvalidCall);
    EXPECT_EQ(errorOf([] { makeDate(2025, 257, 1); }), ErrorCode::InvalidCall);
    EXPECT_EQ(errorOf([] { makeDate(2025, 1, 257); }), ErrorCode::InvalidCall);
    EXPECT_EQ(errorOf([] { makeDate(75535, 1, 1); }), ErrorCode::InvalidCall);
    EXPECT_EQ(errorOf([] { makeDate(99, 12, 31); }), ErrorCode::InvalidCall);
    EXPECT_EQ(errorOf([] { makeDate(10000, 1, 1); }), ErrorCode::InvalidCall);
    EXPECT_EQ(errorOf([] { makeDateTime(2025, 1, 1, 24, 0, 0); }), ErrorCode::InvalidCall);
    EXPECT_EQ(errorOf([] { makeDateTime(2025, 1, 1, 0, 60, 0); }), ErrorCode::InvalidCall);
    EXPECT_EQ(errorOf([] { splitDate(2958466); }), ErrorCode::InvalidCall);
    EXPECT_EQ(errorOf([] { splitDate(-657435); }), ErrorCode::InvalidCall);
    EXPECT_EQ(errorOf([] { splitDate(std::numeric_limits<double>::quiet_NaN()); }),
              ErrorCode::InvalidCall);
    // The last second of 31.12.9999 rounds into a year that does not exist.
    EXPECT_EQ(errorOf([] { splitDate(2958465 + (86400 - 0.3) / 86400); }), ErrorCode::InvalidCall);
}

TEST(DateTest, AddingMonthsClampsTheDayToTheMonthsEnd) {
    EXPECT_EQ(addMonths(makeDate(2025, 1, 31), 1), makeDate(2025, 2, 28));
    EXPECT_EQ(addMonths(makeDate(2024, 1, 31), 1), makeDate(2024, 2, 29));
    EXPECT_EQ(addMonths(makeDate(2025, 1, 31), 15), makeDate(2026, 4, 30));
    EXPECT_EQ(addMonths(makeDate(2024, 2, 29), 12), makeDate(2025, 2, 28));
    EXPECT_EQ(addMonths(makeDate(2024, 2, 29), 48), makeDate(2028, 2, 29));
    EXPECT_EQ(addMonths(makeDate(2025, 8, 31), 1), makeDate(2025, 9, 30));
    EXPECT_EQ(addMonths(makeDate(2025, 12, 15), 1), makeDate(2026, 1, 15));
    EXPECT_EQ(addMonths(makeDate(2025, 6, 10), 0), makeDate(2025, 6, 10));
}

TEST(DateTest, NegativeAndFractionalMonthCounts) {
    EXPECT_EQ(addMonths(makeDate(2025, 3, 31), -1), makeDate(2025, 2, 28));
    EXPECT_EQ(addMonths(makeDate(2025, 1, 15), -13), makeDate(2023, 12, 15));
    EXPECT_EQ(addMonths(makeDate(2025, 1, 15), -12 * 5), makeDate(2020, 1, 15));
    // Halves go to the even count; other fractions to the nearest.
    EXPECT_EQ(addMonths(makeDate(2025, 1, 15), 1.5), makeDate(2025, 3, 15));
    EXPECT_EQ(addMonths(makeDate(2025, 1, 15), 2.5), makeDate(2025, 3, 15));
    EXPECT_EQ(addMonths(makeDate(2025, 1, 15), 0.5), makeDate(2025, 1, 15));
    EXPECT_EQ(addMonths(makeDate(2025, 1, 15), 2.6), makeDate(2025, 4, 15));
    EXPECT_EQ(addMonths(makeDate(2025, 1, 15), -1.5), makeDate(2024, 11, 15));
}

TEST(DateTest, AddingMonthsKeepsTheTimeOfDay) {
    EXPECT_EQ(addMonths(makeDateTime(2025, 1, 31, 14, 30, 0), 1),
              makeDateTime(2025, 2, 28, 14, 30, 0));
    // From before day zero to after it: the time must not turn into its complement.
    EXPECT_EQ(addMonths(makeDateTime(1899, 12, 29, 6, 0, 0), 1),
              makeDateTime(1900, 1, 29, 6, 0, 0));
    EXPECT_EQ(addMonths(makeDateTime(1900, 1, 29, 6, 0, 0), -1),
              makeDateTime(1899, 12, 29, 6, 0, 0));
}

TEST(DateTest, AddingMonthsStaysWithinTheYears100To9999) {
    EXPECT_EQ(addMonths(makeDate(9999, 11, 30), 1), makeDate(9999, 12, 30));
    EXPECT_EQ(addMonths(makeDate(100, 2, 28), -1), makeDate(100, 1, 28));
    EXPECT_EQ(errorOf([] { addMonths(makeDate(9999, 12, 1), 1); }), ErrorCode::InvalidCall);
    EXPECT_EQ(errorOf([] { addMonths(makeDate(100, 1, 31), -1); }), ErrorCode::InvalidCall);
    EXPECT_EQ(errorOf([] { addMonths(makeDate(2025, 1, 1), 12 * 8000); }), ErrorCode::InvalidCall);
    EXPECT_EQ(errorOf([] { addMonths(makeDate(2025, 1, 1), -12 * 3000); }), ErrorCode::InvalidCall);
    EXPECT_EQ(errorOf([] { addMonths(3e6, 1); }), ErrorCode::InvalidCall);
    // A count that is not even a 32-bit number overflows before any date arithmetic.
    EXPECT_EQ(errorOf([] { addMonths(makeDate(2025, 1, 1), 1e10); }), ErrorCode::Overflow);
    EXPECT_EQ(errorOf([] { addMonths(makeDate(2025, 1, 1), -1e10); }), ErrorCode::Overflow);
    EXPECT_EQ(errorOf([] { addMonths(makeDate(2025, 1, 1), std::nan("")); }), ErrorCode::Overflow);
}

} // namespace
} // namespace dorvak
