#pragma once

#include <cstdint>

namespace dorvak {

// The host's mouse pointers the skin uses (the forms runtime's pointer values).
inline constexpr std::int16_t PointerDefault = 0;
inline constexpr std::int16_t PointerSizeNeSw = 6;
inline constexpr std::int16_t PointerSizeNs = 7;
inline constexpr std::int16_t PointerSizeNwSe = 8;
inline constexpr std::int16_t PointerSizeWe = 9;
inline constexpr std::int16_t PointerMove = 15;

// The sizes, in twips, that decide which sizing zone a point of the host is in.
struct PointerZones {
    double hostWidth;
    double hostHeight;
    double titleWidth;
    double titleHeight;
    double edgeZoneX;
    double edgeZoneY;
};

// The pointer to show at (x, y) on the host. While the left button is down a point outside
// every zone keeps the `current` pointer, so a drag does not lose its sizing shape.
std::int16_t pointerShapeAt(const PointerZones& zones, double x, double y, bool leftDown,
                            std::int16_t current);

} // namespace dorvak
