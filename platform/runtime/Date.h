#pragma once

namespace dorvak {

// Days since 1899-12-30; the fraction is the time of day. Before that day the whole part
// counts back while the fraction still counts forward into the day (-1.25 is 29.12.1899
// 06:00), as in the classic runtime.
using Date = double;

constexpr int minimumYear = 100;
constexpr int maximumYear = 9999;

struct DateTimeParts {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const DateTimeParts&) const = default;
};

// Both throw RuntimeError(InvalidCall) for a day that does not exist in the calendar, a time
// out of range, or a year outside minimumYear..maximumYear.
Date makeDate(int year, int month, int day);
Date makeDateTime(int year, int month, int day, int hour, int minute, int second);

// Calendar fields, the time rounded to the nearest second. Throws RuntimeError(InvalidCall)
// for a value outside years minimumYear..maximumYear.
DateTimeParts splitDate(Date date);

// Moves the date by whole calendar months (a fractional count rounds halves-to-even, a
// negative one goes back); a day missing in the target month becomes its last day. The time
// of day is carried along. Throws RuntimeError(Overflow) for a count beyond 32 bits and
// RuntimeError(InvalidCall) when the result leaves years minimumYear..maximumYear.
Date addMonths(Date date, double months);

} // namespace dorvak
