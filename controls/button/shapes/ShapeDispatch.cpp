#include "controls/button/shapes/ShapeRenderers.h"

#include <array>

namespace dorvak {

namespace {

using Renderer = void (*)(ShapeCanvas&);

// Indexed by ButtonShape. The shapes after the rectangle are drawn by their own renderers
// as they are added; an empty entry draws nothing.
constexpr std::array<Renderer, 12> renderers{
    DrawShapeRectangle, // 0
    nullptr,            // 1 rounded rectangle
    nullptr,            // 2 ellipse
    nullptr,            // 3 diamond
    nullptr,            // 4 triangle up
    nullptr,            // 5 triangle left
    nullptr,            // 6 triangle right
    nullptr,            // 7 triangle down
    nullptr,            // 8 arrow up
    nullptr,            // 9 arrow left
    nullptr,            // 10 arrow right
    nullptr,            // 11 arrow down
};

} // namespace

void drawButtonShape(std::int32_t buttonShape, ShapeCanvas& canvas) {
    if (buttonShape < 0 || buttonShape >= std::int32_t(renderers.size()))
        return;
    if (const Renderer renderer = renderers[std::size_t(buttonShape)])
        renderer(canvas);
}

} // namespace dorvak
