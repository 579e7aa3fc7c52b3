#pragma once

#include "platform/runtime/LocaleConventions.h"
#include "platform/runtime/RuntimeError.h"

#include <gtest/gtest.h>

namespace dorvak {

// A United States style locale: month first, two-digit year in the pattern, 12-hour clock,
// decimal point and comma grouping.
inline LocaleConventions englishStyle() {
    return {"M/d/yy", "h:mm:ss AP", ".", ",", "AM", "PM"};
}

// The code of the RuntimeError the call throws; a test failure when it throws none.
inline ErrorCode errorOf(auto&& call) {
    try {
        call();
    } catch (const RuntimeError& error) {
        return error.code();
    }
    ADD_FAILURE() << "no RuntimeError was thrown";
    return ErrorCode{};
}

} // namespace dorvak
