#pragma once

#include "platform/runtime/LocaleConventions.h"

#include <string_view>

namespace dorvak {

// Reads a decimal number written in the locale: blanks around it, an optional sign, group
// separators only between whole groups of three digits in the integer part, the locale's
// decimal separator, an optional exponent (1E3). "2,5" is 2.5 in Turkish; "2.5" is refused
// there rather than misread as 25. Throws RuntimeError(TypeMismatch) for an empty or
// non-numeric text and RuntimeError(Overflow) beyond the range of a double.
double parseNumber(std::string_view text, const LocaleConventions& locale);

} // namespace dorvak
