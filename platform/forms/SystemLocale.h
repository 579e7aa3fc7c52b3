#pragma once

#include "platform/runtime/LocaleConventions.h"

class QLocale;

namespace dorvak {

// The conventions of the user's locale; Turkish ones when the system locale is C/POSIX,
// which is what a bare session reports rather than a choice of the user.
LocaleConventions systemLocaleConventions();

// The conventions of a given locale (C/POSIX gives the Turkish ones).
LocaleConventions localeConventions(const QLocale& locale);

} // namespace dorvak
