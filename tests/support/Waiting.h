#pragma once

#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace dorvak {

// Lets events run until the condition holds or `milliseconds` have passed; whether it held.
// Wrap it in EXPECT_TRUE or ASSERT_TRUE so that a timeout fails the test.
bool waitFor(const std::function<bool()>& condition, int milliseconds = 5000);

// Lets events run until `current()` equals `expected`, as waitFor; a timeout fails with the
// last value seen.
template <typename Current, typename Expected>
::testing::AssertionResult waitForValue(Current current, const Expected& expected,
                                        int milliseconds = 5000) {
    if (waitFor([&] { return current() == expected; }, milliseconds))
        return ::testing::AssertionSuccess();
    const std::unique_ptr<char[]> last(QTest::toString(current()));
    const std::unique_ptr<char[]> awaited(QTest::toString(expected));
    return ::testing::AssertionFailure() << "still " << last.get() << " after " << milliseconds
                                         << " ms, awaited " << awaited.get();
}

} // namespace dorvak
