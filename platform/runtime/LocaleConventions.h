#pragma once

#include <string>

namespace dorvak {

enum class DateOrder { DayMonthYear, MonthDayYear, YearMonthDay };

// How the user's locale writes dates, times and numbers. Patterns use the usual letters:
// d/dd day, M/MM month, y..yyyy year (always written with four digits), H/HH and h/hh hour,
// mm minutes, ss seconds, AP/ap the am/pm text; text in single quotes is literal.
struct LocaleConventions {
    std::string shortDatePattern;
    std::string timePattern;
    std::string decimalSeparator;
    std::string groupSeparator;
    std::string amText;
    std::string pmText;

    // Both derived from shortDatePattern.
    DateOrder dateOrder() const;
    std::string dateSeparator() const;

    // dd.MM.yyyy, HH:mm:ss, decimal comma, dot grouping; also the fallback for a C/POSIX
    // system locale.
    static LocaleConventions turkish();
};

} // namespace dorvak
