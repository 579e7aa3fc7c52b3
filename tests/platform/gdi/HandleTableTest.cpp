#include "platform/gdi/HandleTable.h"

#include <gtest/gtest.h>

namespace dorvak {
namespace {

// A table whose numbers are the last three of 32 bits: its counter starts at the very end,
// where counting on would hand out 0, the null handle.
TEST(HandleTable, PastItsLastNumberATableStartsOverSkippingHandlesInUseAndFailsWhenFull) {
    HandleTable<int> table({0xFFFFFFFD, 0xFFFFFFFF});
    EXPECT_EQ(table.add(1), 0xFFFFFFFDu);
    EXPECT_EQ(table.add(2), 0xFFFFFFFEu);
    EXPECT_EQ(table.add(3), 0xFFFFFFFFu);

    ASSERT_TRUE(table.remove(0xFFFFFFFE));
    EXPECT_EQ(table.add(4), 0xFFFFFFFEu) << "not 0, and not 0xFFFFFFFD, which is still in use";
    EXPECT_EQ(*table.find(0xFFFFFFFD), 1);
    EXPECT_EQ(*table.find(0xFFFFFFFE), 4);
    EXPECT_EQ(table.find(0), nullptr);

    EXPECT_THROW(table.add(5), std::length_error) << "every number is in use";
    EXPECT_EQ(table.size(), 3u);
    EXPECT_EQ(*table.find(0xFFFFFFFF), 3) << "a failed add leaves the table as it was";

    // Freed numbers come back in the order the counter reaches them.
    ASSERT_TRUE(table.remove(0xFFFFFFFD));
    ASSERT_TRUE(table.remove(0xFFFFFFFF));
    EXPECT_EQ(table.add(6), 0xFFFFFFFFu);
    EXPECT_EQ(table.add(7), 0xFFFFFFFDu);
}

} // namespace
} // namespace dorvak
