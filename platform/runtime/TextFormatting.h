#pragma once

#include "platform/runtime/Date.h"
#include "platform/runtime/LocaleConventions.h"

#include <string>

namespace dorvak {

// Up to 15 significant digits, no trailing zeros, the locale's decimal separator, no group
// separators, no leading blank, "-" for negatives ("1", "97,5", "-3", "1E+20").
std::string numberText(double value, const LocaleConventions& locale);

// The short date, followed by a blank and the time only when the time of day is not zero
// (to the second). The year always has four digits so the text reads back as the same date.
// Throws RuntimeError(InvalidCall) outside the supported years.
std::string dateText(Date date, const LocaleConventions& locale);

// The time of day in the locale's time pattern.
std::string timeText(Date date, const LocaleConventions& locale);

} // namespace dorvak
