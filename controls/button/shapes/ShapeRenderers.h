#pragma once

#include "controls/button/shapes/ShapeCanvas.h"

#include <cstdint>

namespace dorvak {

// The renderer of each ButtonShape.
void DrawShapeRectangle(ShapeCanvas& canvas); // 0

// Calls the one renderer of the shape; a shape outside 0..11 draws nothing.
void drawButtonShape(std::int32_t buttonShape, ShapeCanvas& canvas);

} // namespace dorvak
