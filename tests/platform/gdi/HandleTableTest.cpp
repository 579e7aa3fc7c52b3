#include "platform/gdi/HandleTable.h"

#include <gtest/gtest.h>

namespace dorvak {
namespace {

using TestHandle = Handle<struct TestTag>;

TestHandle h(std::uint32_t number) {
    return TestHandle(number);
}

// A table whose numbers are the last three of 32 bits: its counter starts at the very end,
// where counting on would hand out 0, the null handle.
TEST(HandleTable, PastItsLastNumberATableStartsOverSkippingHandlesInUseAndFailsWhenFull) {
    HandleTable<TestHandle, int> table({0xFFFFFFFD, 0xFFFFFFFF});
    EXPECT_EQ(table.add(1), h(0xFFFFFFFD));
    EXPECT_EQ(table.add(2), h(0xFFFFFFFE));
    EXPECT_EQ(table.add(3), h(0xFFFFFFFF));

    ASSERT_TRUE(table.remove(h(0xFFFFFFFE)));
    EXPECT_EQ(table.add(4), h(0xFFFFFFFE)) << "not 0, and not 0xFFFFFFFD, which is still in use";
    EXPECT_EQ(*table.find(h(0xFFFFFFFD)), 1);
    EXPECT_EQ(*table.find(h(0xFFFFFFFE)), 4);
    EXPECT_EQ(table.find(h(0)), nullptr);

    EXPECT_THROW(table.add(5), std::length_error) << "every number is in use";
    EXPECT_EQ(table.size(), 3u);
    EXPECT_EQ(*table.find(h(0xFFFFFFFF)), 3) << "a failed add leaves the table as it was";

    // Freed numbers come back in the order the counter reaches them.
    ASSERT_TRUE(table.remove(h(0xFFFFFFFD)));
    ASSERT_TRUE(table.remove(h(0xFFFFFFFF)));
    EXPECT_EQ(table.add(6), h(0xFFFFFFFF));
    EXPECT_EQ(table.add(7), h(0xFFFFFFFD));
}

} // namespace
} // namespace dorvak
