#include "controls/skin/PointerShapes.h"

namespace dorvak {
namespace {

// The vertical sizing shape starts this close to the top, closer than the top grip.
constexpr double topShapeZone = 30;

} // namespace

std::int16_t pointerShapeAt(const PointerZones& zones, double x, double y, bool leftDown,
                            std::int16_t current) {
    // The right sizing zone is twice as wide as the right grip of a press.
    const bool left = x < zones.edgeZoneX;
    const bool right = x > zones.hostWidth - 2 * zones.edgeZoneX;
    const bool top = y < zones.edgeZoneY;
    const bool bottom = y > zones.hostHeight - zones.edgeZoneY;

    std::int16_t pointer = leftDown ? current : PointerDefault;
    if (left || right)
        pointer = PointerSizeWe;
    if (bottom || y < topShapeZone)
        pointer = PointerSizeNs;
    if (y > topShapeZone && y <= zones.titleHeight + 15 && x > topShapeZone &&
        x < zones.titleWidth - topShapeZone)
        pointer = PointerDefault;
    if ((left && top) || (right && bottom))
        pointer = PointerSizeNwSe;
    if ((left && bottom) || (top && right))
        pointer = PointerSizeNeSw;
    return pointer;
}

} // namespace dorvak
