#pragma once

#include "platform/runtime/LocaleConventions.h"

#include <array>

namespace dorvak {

// The conventions the fuzzers read every input with: the program's own Turkish fallback, a
// month-first locale with a 12-hour clock and a year-first one, so that each date order and
// both decimal separators are exercised.
inline const std::array<LocaleConventions, 3>& fuzzLocales() {
    static const std::array<LocaleConventions, 3> locales{
        LocaleConventions::turkish(),
        LocaleConventions{"M/d/yyyy", "h:mm:ss AP", ".", ",", "AM", "PM"},
        LocaleConventions{"yyyy-MM-dd", "HH:mm:ss", ".", "\u00A0", "", ""},
    };
    return locales;
}

} // namespace dorvak
