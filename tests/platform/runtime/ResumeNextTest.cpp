#include "platform/runtime/ResumeNext.h"
#include "platform/runtime/IntegerConversion.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace dorvak {
namespace {

TEST(ResumeNextTest, AFailingStepIsAbandonedAndTheNextOneRuns) {
    std::int16_t daysLeft = 7;
    std::int16_t otherDays = 0;
    resumeNext([&] { daysLeft = toInt16(45688.0 - 0.0); }); // overflows
    resumeNext([&] { otherDays = toInt16(97.5); });
    EXPECT_EQ(daysLeft, 7);
    EXPECT_EQ(otherDays, 98);

    // What a step stored before its failing call stays stored.
    int stored = 0;
    resumeNext([&] {
        stored = 1;
        stored = toInt16(1e9);
    });
    EXPECT_EQ(stored, 1);
}

TEST(ResumeNextTest, AFailingTestCountsAsSatisfied) {
    EXPECT_TRUE(holdsOrFails([] { return toInt16(1e9) > 0; }));
    EXPECT_TRUE(holdsOrFails([] { return toInt16(1e9) < 0; }));
    EXPECT_TRUE(holdsOrFails([] { return true; }));
    EXPECT_FALSE(holdsOrFails([] { return false; }));
}

TEST(ResumeNextTest, ProgrammingErrorsAreNotSwallowed) {
    EXPECT_THROW(resumeNext([] { throw std::logic_error("bug"); }), std::logic_error);
    EXPECT_THROW(holdsOrFails([]() -> bool { throw std::out_of_range("bug"); }), std::out_of_range);
}

} // namespace
} // namespace dorvak
