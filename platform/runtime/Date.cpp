#include "platform/runtime/Date.h"

#include "platform/runtime/IntegerConversion.h"
#include "platform/runtime/RuntimeError.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace dorvak {

namespace {

using namespace std::chrono;

constexpr long long secondsPerDay = 24 * 60 * 60;
const sys_days dayZero{year{1899} / December / 30};

long long dayNumberOf(const year_month_day& date) {
    return (sys_days{date} - dayZero).count();
}

year_month_day calendarDayOf(long long dayNumber) {
    return year_month_day{dayZero + days{dayNumber}};
}

[[noreturn]] void notACalendarDay() {
    throw RuntimeError(ErrorCode::InvalidCall, "not a supported calendar date");
}

year_month_day checkedCalendarDay(int y, int m, int d) {
    // Plain range checks first: the calendar types keep only the low bits of a month or day.
    if (y < minimumYear || y > maximumYear || m < 1 || m > 12 || d < 1 || d > 31)
        notACalendarDay();
    const year_month_day date{year{y}, month{static_cast<unsigned>(m)},
                              day{static_cast<unsigned>(d)}};
    if (!date.ok())
        notACalendarDay();
    return date;
}

// The day number of a date, checked against the supported years.
long long checkedDayNumber(Date date) {
    static const double first = double(dayNumberOf(year{minimumYear} / January / 1));
    static const double last = double(dayNumberOf(year{maximumYear} / December / 31));
    const double whole = std::trunc(date);
    if (!(whole >= first && whole <= last))
        throw RuntimeError(ErrorCode::InvalidCall, "date out of range");
    return static_cast<long long>(whole);
}

// A day number plus a time of day in days (0 <= timeOfDay < 1), in the signed layout.
Date composeDate(long long dayNumber, double timeOfDay) {
    return dayNumber < 0 ? double(dayNumber) - timeOfDay : double(dayNumber) + timeOfDay;
}

} // namespace

Date makeDate(int year, int month, int day) {
    return double(dayNumberOf(checkedCalendarDay(year, month, day)));
}

Date makeDateTime(int year, int month, int day, int hour, int minute, int second) {
    const long long dayNumber = dayNumberOf(checkedCalendarDay(year, month, day));
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        throw RuntimeError(ErrorCode::InvalidCall, "not a time of day");
    const long long seconds = (hour * 60LL + minute) * 60 + second;
    return composeDate(dayNumber, double(seconds) / secondsPerDay);
}

DateTimeParts splitDate(Date date) {
    long long dayNumber = checkedDayNumber(date);
    long long seconds = std::llround(std::abs(date - std::trunc(date)) * secondsPerDay);
    if (seconds == secondsPerDay) {
        // 23:59:59.7 shows as the next day's midnight, not as 24:00:00.
        seconds = 0;
        dayNumber = checkedDayNumber(double(dayNumber + 1));
    }
    const year_month_day calendarDay = calendarDayOf(dayNumber);
    return {static_cast<int>(calendarDay.year()),
            static_cast<int>(static_cast<unsigned>(calendarDay.month())),
            static_cast<int>(static_cast<unsigned>(calendarDay.day())),
            static_cast<int>(seconds / 3600),
            static_cast<int>(seconds / 60 % 60),
            static_cast<int>(seconds % 60)};
}

Date addMonths(Date date, double months) {
    const long long count = toInt32(months);
    const year_month_day start = calendarDayOf(checkedDayNumber(date));
    const long long monthIndex =
        static_cast<int>(start.year()) * 12LL + static_cast<unsigned>(start.month()) - 1 + count;
    const long long targetYear = monthIndex / 12;
    if (monthIndex < 0 || targetYear < minimumYear || targetYear > maximumYear)
        throw RuntimeError(ErrorCode::InvalidCall, "date out of range");

    const year_month targetMonth{year{static_cast<int>(targetYear)},
                                 month{static_cast<unsigned>(monthIndex % 12 + 1)}};
    const day lastDay = year_month_day_last{targetMonth / last}.day();
    const year_month_day target{targetMonth / std::min(start.day(), lastDay)};
    return composeDate(dayNumberOf(target), std::abs(date - std::trunc(date)));
}

} // namespace dorvak
