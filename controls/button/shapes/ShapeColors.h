#pragma once

#include "controls/button/SystemColors.h"

#include <array>

namespace dorvak {

// The colours the shape renderers draw their edges in.
inline constexpr OleColor focusOutlineGrey = 0xD1D1D1;
inline constexpr OleColor style7Pressed = 0xCFB073;
inline constexpr OleColor style7Normal = 0xFFFFFF;
inline constexpr OleColor style7Focus = 0xFECC04;

// The five edges of style 6, outermost first.
using EdgeColors = std::array<OleColor, 5>;
inline constexpr EdgeColors hoverEdges{0x109ADC, 0x31B2F0, 0x90D6F7, 0xCEF3FF, 0x8CDBFF};
inline constexpr EdgeColors focusEdges{0xD98D59, 0xE2A981, 0xF0D1B5, 0xF7D7BD, 0xFFE7CE};

} // namespace dorvak
