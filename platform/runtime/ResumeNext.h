#pragma once

#include "platform/runtime/RuntimeError.h"

#include <concepts>
#include <utility>

namespace dorvak {

// Resume-next error mode, one statement at a time. A step that raises a runtime error is
// abandoned: whatever it was about to assign keeps its old value, and the caller goes on.
// Anything else (a programming error, out of memory) still propagates.
template <std::invocable Step> void resumeNext(Step&& step) {
    try {
        std::forward<Step>(step)();
    } catch (const RuntimeError&) {
    }
}

// A test that raises a runtime error counts as satisfied: execution continues with the
// branch taken when the test holds, as the resume-next mode does with a failing condition.
template <std::invocable Test> bool holdsOrFails(Test&& test) {
    try {
        return static_cast<bool>(std::forward<Test>(test)());
    } catch (const RuntimeError&) {
        return true;
    }
}

} // namespace dorvak
