#pragma once

#include "platform/runtime/Date.h"
#include "platform/runtime/LocaleConventions.h"

#include <string_view>

namespace dorvak {

// Reads a date, optionally followed by a time of day, as a user types it:
// - numbers in the locale's date order separated by ".", "/" or "-" (31.01.2025, 1/31/25);
//   a first number of three or four digits makes it year-month-day (2025-01-31);
// - a month name or its first three letters or more, Turkish or English, in any case and
//   with or without the Turkish letters (31 Ocak 2025, 31-AĞU-25, January 31, 2025);
// - then HH:mm or HH:mm:ss, with "." also accepted between the fields, and an optional
//   am/pm marker (the locale's, or AM/PM).
// One- and two-digit years are taken as 2000..2029 for 00..29 and 1930..1999 for 30..99.
// Anything else, an impossible date (31.02.2025) or a year outside minimumYear..maximumYear
// throws RuntimeError(TypeMismatch).
Date parseDate(std::string_view text, const LocaleConventions& locale);

} // namespace dorvak
