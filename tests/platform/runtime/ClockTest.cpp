#include "platform/runtime/Clock.h"

#include <QDateTime>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace dorvak {
namespace {

// Qt's conversion to local time serves as the independent reference.
Date referenceDate(const QDateTime& local) {
    const QDate day = local.date();
    const QTime time = local.time();
    return makeDateTime(day.year(), day.month(), day.day(), time.hour(), time.minute(),
                        time.second());
}

TEST(ClockTest, InstantsBecomeLocalDatesToTheWholeSecond) {
    const std::time_t instant = 1738333815; // 2025-01-31 14:30:15 UTC
    const auto point = std::chrono::system_clock::from_time_t(instant);
    const Date expected = referenceDate(QDateTime::fromSecsSinceEpoch(instant));
    EXPECT_EQ(localDateTime(point), expected);
    // Nine tenths of the next second still show the second that has begun.
    EXPECT_EQ(localDateTime(point + std::chrono::milliseconds(900)), expected);
}

TEST(ClockTest, NowIsTheLocalDateAndTime) {
    const QDateTime before = QDateTime::currentDateTime();
    const Date now = currentDateTime();
    const QDateTime after = QDateTime::currentDateTime();
    EXPECT_GE(now, referenceDate(before));
    EXPECT_LE(now, referenceDate(after));
}

TEST(ClockTest, AChangeOfTimeZoneShowsAtTheNextReading) {
    const auto point = std::chrono::system_clock::from_time_t(1738333815); // 14:30:15 UTC
    const char* set = std::getenv("TZ");
    const std::string zone = set ? set : "";
    setenv("TZ", "UTC0", 1);
    const Date utc = localDateTime(point);
    setenv("TZ", "<+03>-3", 1);
    const Date threeHoursEast = localDateTime(point);
    if (set)
        setenv("TZ", zone.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
    EXPECT_EQ(utc, makeDateTime(2025, 1, 31, 14, 30, 15));
    EXPECT_EQ(threeHoursEast, makeDateTime(2025, 1, 31, 17, 30, 15));
}

TEST(ClockTest, TheWaitForTheNextSecondNeverEndsBeforeIt) {
    using namespace std::chrono_literals;
    const auto second = std::chrono::system_clock::from_time_t(1738333815);
    EXPECT_EQ(untilNextSecond(second), 1000ms);
    EXPECT_EQ(untilNextSecond(second + 1ms), 999ms);
    EXPECT_EQ(untilNextSecond(second + 999ms), 1ms);
    // Rounded up: a wait of 1 ms from 0.9996 s ends after the next second has begun.
    EXPECT_EQ(untilNextSecond(second + 999600us), 1ms);
}

} // namespace
} // namespace dorvak
