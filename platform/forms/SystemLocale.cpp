#include "platform/forms/SystemLocale.h"

#include <QLocale>
#include <QString>

namespace dorvak {

namespace {

// The short time format with seconds added: the clock ticks every second, and the long
// format brings a time zone and, in some locales, words around the fields.
QString timePatternOf(const QLocale& locale) {
    QString pattern = locale.timeFormat(QLocale::ShortFormat);
    const qsizetype minutes = pattern.indexOf(u'm');
    if (minutes < 0 || pattern.contains(u's'))
        return pattern;
    qsizetype hourEnd = minutes;
    while (hourEnd > 0 && pattern[hourEnd - 1] != u'h' && pattern[hourEnd - 1] != u'H')
        --hourEnd;
    // Seconds follow the minutes with the separator that follows the hours ("H.mm.ss").
    const QString separator = hourEnd > 0 ? pattern.mid(hourEnd, minutes - hourEnd) : u":"_qs;
    qsizetype minutesEnd = minutes;
    while (minutesEnd < pattern.size() && pattern[minutesEnd] == u'm')
        ++minutesEnd;
    return pattern.insert(minutesEnd, separator + u"ss"_qs);
}

} // namespace

LocaleConventions localeConventions(const QLocale& locale) {
    if (locale.language() == QLocale::C)
        return LocaleConventions::turkish();
    return {locale.dateFormat(QLocale::ShortFormat).toStdString(),
            timePatternOf(locale).toStdString(),
            locale.decimalPoint().toStdString(),
            locale.groupSeparator().toStdString(),
            locale.amText().toStdString(),
            locale.pmText().toStdString()};
}

LocaleConventions systemLocaleConventions() {
    return localeConventions(QLocale::system());
}

} // namespace dorvak
