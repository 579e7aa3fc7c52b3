#include "platform/runtime/IntegerConversion.h"
#include "tests/platform/runtime/RuntimeTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace dorvak {
namespace {

TEST(IntegerConversionTest, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(-3.5), -4);
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(1.5), 2);
    EXPECT_EQ(roundHalfEven(97.5), 98);
    EXPECT_EQ(roundHalfEven(98.5), 98);
    // Off the half, plain nearest.
    EXPECT_EQ(roundHalfEven(2.4999999), 2);
    EXPECT_EQ(roundHalfEven(2.5000001), 3);
    EXPECT_EQ(roundHalfEven(-2.5000001), -3);
    EXPECT_EQ(roundHalfEven(-0.4), 0);
    EXPECT_EQ(roundHalfEven(1e300), 1e300);
    EXPECT_EQ(roundHalfEven(4503599627370497.0), 4503599627370497.0); // 2^52 + 1, no fraction
    EXPECT_TRUE(std::isinf(roundHalfEven(std::numeric_limits<double>::infinity())));
    EXPECT_TRUE(std::isnan(roundHalfEven(std::nan(""))));
}

TEST(IntegerConversionTest, SixteenBitsHoldMinus32768To32767AfterRounding) {
    EXPECT_EQ(toInt16(32767), 32767);
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_EQ(toInt16(32766.5), 32766);
    EXPECT_EQ(toInt16(-32768), -32768);
    EXPECT_EQ(toInt16(-32768.5), -32768); // the even neighbour is still in range
    EXPECT_EQ(toInt16(97.5), 98);
    EXPECT_EQ(toInt16(-3), -3);
    EXPECT_EQ(errorOf([] { toInt16(32767.5); }), ErrorCode::Overflow);
    EXPECT_EQ(errorOf([] { toInt16(32768); }), ErrorCode::Overflow);
    EXPECT_EQ(errorOf([] { toInt16(-32768.6); }), ErrorCode::Overflow);
    EXPECT_EQ(errorOf([] { toInt16(-32769); }), ErrorCode::Overflow);
    EXPECT_EQ(errorOf([] { toInt16(45688); }), ErrorCode::Overflow); // a present-day date
    EXPECT_EQ(errorOf([] { toInt16(std::nan("")); }), ErrorCode::Overflow);
    EXPECT_EQ(errorOf([] { toInt16(std::numeric_limits<double>::infinity()); }),
              ErrorCode::Overflow);
}

TEST(IntegerConversionTest, ThirtyTwoBitsLikewise) {
    EXPECT_EQ(toInt32(2147483647), 2147483647);
    EXPECT_EQ(toInt32(-2147483648.5), -2147483647 - 1);
    EXPECT_EQ(toInt32(45688.5), 45688);
    EXPECT_EQ(errorOf([] { toInt32(2147483647.5); }), ErrorCode::Overflow);
    EXPECT_EQ(errorOf([] { toInt32(-2147483649.0); }), ErrorCode::Overflow);
    EXPECT_EQ(errorOf([] { toInt32(1e300); }), ErrorCode::Overflow);
}

} // namespace
} // namespace dorvak
