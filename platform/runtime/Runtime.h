#pragma once

// The runtime functions in one include: dates, numbers, locale conventions, errors and the
// resume-next helpers.
#include "platform/runtime/Clock.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/DateParsing.h"
#include "platform/runtime/IntegerConversion.h"
#include "platform/runtime/LocaleConventions.h"
#include "platform/runtime/NumberParsing.h"
#include "platform/runtime/ResumeNext.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/TextFormatting.h"
