#include "platform/runtime/TextFormatting.h"

#include <charconv>
#include <string_view>

namespace dorvak {

namespace {

std::string paddedNumber(int value, std::size_t width) {
    std::string digits = std::to_string(value);
    if (digits.size() < width)
        digits.insert(0, width - digits.size(), '0');
    return digits;
}

std::string lowercaseAscii(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// Writes the fields of `parts` as the pattern asks; see LocaleConventions for the letters.
std::string formatted(const DateTimeParts& parts, std::string_view pattern,
                      const LocaleConventions& locale) {
    std::string text;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char letter = pattern[i];
        if (letter == '\'') {
            const auto close = pattern.find('\'', i + 1);
            const auto end = close == std::string_view::npos ? pattern.size() : close;
            if (end == i + 1)
                text += '\''; // '' is a quote
            text += pattern.substr(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        std::size_t run = 1;
        while (i + run < pattern.size() && pattern[i + run] == letter)
            ++run;
        const std::size_t width = run >= 2 ? 2 : 1;
        switch (letter) {
        case 'd':
            text += paddedNumber(parts.day, width);
            break;
        case 'M':
            text += paddedNumber(parts.month, width);
            break;
        case 'y':
            // Two-digit years are widened so that the text never reads back a century off.
            text += paddedNumber(parts.year, 4);
            break;
        case 'H':
            text += paddedNumber(parts.hour, width);
            break;
        case 'h':
            text += paddedNumber(parts.hour % 12 == 0 ? 12 : parts.hour % 12, width);
            break;
        case 'm':
            text += paddedNumber(parts.minute, width);
            break;
        case 's':
            text += paddedNumber(parts.second, width);
            break;
        case 'A':
        case 'a': {
            const std::string& marker = parts.hour < 12 ? locale.amText : locale.pmText;
            text += letter == 'A' ? marker : lowercaseAscii(marker);
            run = 1;
            if (i + 1 < pattern.size() && (pattern[i + 1] == 'P' || pattern[i + 1] == 'p'))
                ++run;
            break;
        }
        default:
            text.append(run, letter);
        }
        i += run;
    }
    return text;
}

} // namespace

std::string numberText(double value, const LocaleConventions& locale) {
    if (value == 0)
        return "0"; // also for -0
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text;
    for (const char* c = buffer; c != result.ptr; ++c) {
        if (*c == '.')
            text += locale.decimalSeparator;
        else
            text += *c == 'e' ? 'E' : *c;
    }
    return text;
}

std::string dateText(Date date, const LocaleConventions& locale) {
    const DateTimeParts parts = splitDate(date);
    std::string text = formatted(parts, locale.shortDatePattern, locale);
    if (parts.hour != 0 || parts.minute != 0 || parts.second != 0)
        text += ' ' + formatted(parts, locale.timePattern, locale);
    return text;
}

std::string timeText(Date date, const LocaleConventions& locale) {
    return formatted(splitDate(date), locale.timePattern, locale);
}

} // namespace dorvak
