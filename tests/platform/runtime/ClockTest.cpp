#include "platform/runtime/Clock.h"

#include <QDateTime>
#include <gtest/gtest.h>

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

} // namespace
} // namespace dorvak
