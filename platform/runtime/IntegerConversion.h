#pragma once

#include <cstdint>

namespace dorvak {

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
// NaN and infinities come back unchanged.
double roundHalfEven(double value);

// Rounded as roundHalfEven; a result outside the type's range (or NaN) throws
// RuntimeError(Overflow).
std::int16_t toInt16(double value);
std::int32_t toInt32(double value);

} // namespace dorvak
