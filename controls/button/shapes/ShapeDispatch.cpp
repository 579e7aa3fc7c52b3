#include "controls/button/shapes/ShapeRenderers.h"

#include <array>

namespace dorvak {

namespace {

using Renderer = void (*)(ShapeCanvas&);

// Indexed by ButtonShape.
constexpr std::array<Renderer, 12> renderers{
    DrawShapeRectangle,  DrawShapeRoundRect,    DrawShapeEllipse,       DrawShapeDiamond,
    DrawShapeTriangleUp, DrawShapeTriangleLeft, DrawShapeTriangleRight, DrawShapeTriangleDown,
    DrawShapeArrowUp,    DrawShapeArrowLeft,    DrawShapeArrowRight,    DrawShapeArrowDown,
};

} // namespace

void drawButtonShape(ButtonShape buttonShape, ShapeCanvas& canvas) {
    const auto index = std::size_t(buttonShape);
    if (index < renderers.size())
        renderers[index](canvas);
}

} // namespace dorvak
