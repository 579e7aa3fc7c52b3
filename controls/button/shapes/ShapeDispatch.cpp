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

void drawButtonShape(std::int32_t buttonShape, ShapeCanvas& canvas) {
    if (buttonShape < 0 || buttonShape >= std::int32_t(renderers.size()))
        return;
    renderers[std::size_t(buttonShape)](canvas);
}

} // namespace dorvak
