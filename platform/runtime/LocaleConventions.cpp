#include "platform/runtime/LocaleConventions.h"

namespace dorvak {

namespace {

bool isDateField(char c) {
    return c == 'd' || c == 'M' || c == 'y';
}

} // namespace

DateOrder LocaleConventions::dateOrder() const {
    const auto day = shortDatePattern.find('d');
    const auto month = shortDatePattern.find('M');
    const auto year = shortDatePattern.find('y');
    if (year < day && year < month)
        return DateOrder::YearMonthDay;
    return month < day ? DateOrder::MonthDayYear : DateOrder::DayMonthYear;
}

std::string LocaleConventions::dateSeparator() const {
    // The text between the first field and the second.
    auto begin = shortDatePattern.find_first_of("dMy");
    if (begin == std::string::npos)
        return {};
    while (begin < shortDatePattern.size() && isDateField(shortDatePattern[begin]))
        ++begin;
    const auto end = shortDatePattern.find_first_of("dMy", begin);
    return shortDatePattern.substr(begin, end == std::string::npos ? end : end - begin);
}

LocaleConventions LocaleConventions::turkish() {
    return {"dd.MM.yyyy", "HH:mm:ss", ",", ".", "ÖÖ", "ÖS"};
}

} // namespace dorvak
