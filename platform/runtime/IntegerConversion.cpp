#include "platform/runtime/IntegerConversion.h"

#include "platform/runtime/RuntimeError.h"

#include <cmath>
#include <limits>

namespace dorvak {

namespace {

template <typename Integer> Integer toInteger(double value) {
    const double rounded = roundHalfEven(value);
    // Written so that NaN fails both comparisons and lands in the error branch.
    if (!(rounded >= std::numeric_limits<Integer>::min() &&
          rounded <= std::numeric_limits<Integer>::max()))
        throw RuntimeError(ErrorCode::Overflow);
    return static_cast<Integer>(rounded);
}

} // namespace

double roundHalfEven(double value) {
    const double below = std::floor(value);
    const double excess = value - below;
    if (excess < 0.5)
        return below;
    if (excess > 0.5)
        return below + 1;
    return std::fmod(below, 2) == 0 ? below : below + 1;
}

std::int16_t toInt16(double value) {
    return toInteger<std::int16_t>(value);
}

std::int32_t toInt32(double value) {
    return toInteger<std::int32_t>(value);
}

} // namespace dorvak
